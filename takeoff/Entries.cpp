#include "takeoff/Entries.h"

#include <algorithm>

#include "ui/Text.h"

namespace takeoff {
namespace {

// "80･50|" for differing sizes, larger first; "50|" for equal ones.
std::string SizeText(int main, int branch) {
  if (main == branch) return std::to_string(main) + "|";
  return std::to_string(std::max(main, branch)) + "･" + std::to_string(std::min(main, branch)) + "|";
}

}  // namespace

void AppendFittingEntries(const Marker& m, const NameLists& lists, std::vector<std::string>& entries) {
  const int family = m[6].value;
  const std::string head =
      ListName(lists.fittingClasses, m[8].value) + ":" + MergedFamily(ListName(lists.families, family) + ":");
  Breakdown breakdown = FindBreakdown(
      lists, std::to_string(family - 1) + "_" + std::to_string(m[3].value) + "_" + std::to_string(m[2].value));
  const int main = m[5].value, branch = m[4].value;
  std::string pipeKind = "@";
  if (m[7].value != 0) {
    const std::vector<std::string>* kinds = FamilyPipeKinds(lists, family);
    pipeKind = kinds ? ListName(*kinds, m[7].value) : "";
  }
  if (breakdown.count < 1) return;
  entries.push_back(head + breakdown.first + "~" + SizeText(main, branch) + pipeKind + ":" + m[1].code() + ":");
  // A breakdown names at most two lines; a larger count yields both.
  if (breakdown.count >= 2) {
    int second = std::min(main, branch);
    entries.push_back(head + breakdown.second + "~" + SizeText(second, second) + "@:@");
  }
}

std::string PipeEntry(const Marker& m, const NameLists& lists) {
  std::string pipeKind = m[3].value == 0 ? "@" : PipeKindName(lists, m[3].value, m[7].value);
  return ListName(lists.pipeClasses, m[8].value) + ":" + MergedFamily(ListName(lists.pipeNames, m[6].value) + ":") +
         pipeKind + ":" + std::to_string(m[5].value) + "|" + m[1].code() + ":" + m[4].code() + ":";
}

std::optional<std::string> DerivedPipeEntry(const std::string& entry) {
  size_t bar = entry.find('|');
  if (bar == std::string::npos) return std::nullopt;
  std::string after = entry.substr(bar + 1);
  std::string pipeKind = ui::GetListField(after, 1, ':');
  if (pipeKind == "@") return std::nullopt;
  std::string distance = ui::GetListField(after, 2, ':');
  size_t tilde = entry.find('~');
  std::string size = tilde < bar ? entry.substr(tilde + 1, bar - tilde - 1) : "";
  if (size_t dot = size.find("･"); dot != std::string::npos)
    size = std::to_string(std::min(ui::ToInt(size.substr(0, dot)), ui::ToInt(size.substr(dot + 3))));
  std::string head = ui::GetListField(entry, 1, ':') + ":" + ui::GetListField(entry, 2, ':') + ":";
  return head + pipeKind + ":" + size + "|" + distance + ":000:*";
}

bool IsDerived(const std::string& entry) { return !entry.empty() && entry.back() == '*'; }

void AddDerivedPipes(Tally& tally, size_t first) {
  for (size_t i = first; i < tally.fittings.size(); ++i)
    if (auto derived = DerivedPipeEntry(tally.fittings[i])) tally.pipes.push_back(std::move(*derived));
}

void TallyExtract(const MarkerExtract& extract, const NameLists& lists, bool merge, Tally& tally,
                  Progress& progress) {
  if (!merge) tally = Tally{};
  const size_t first = tally.fittings.size();
  Markers markers = FindMarkers(extract, progress);
  for (const Marker& marker : markers.fittings) AppendFittingEntries(marker, lists, tally.fittings);
  for (const Marker& marker : markers.pipes) tally.pipes.push_back(PipeEntry(marker, lists));
  AddDerivedPipes(tally, first);
}

}  // namespace takeoff
