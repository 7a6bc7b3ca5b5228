#include "takeoff/Entries.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "ui/Text.h"

namespace takeoff {
namespace {

// A number in decimal, without a string of its own.
class Decimal {
 public:
  explicit Decimal(int value) : size_(std::to_chars(digits_, std::end(digits_), value).ptr - digits_) {}
  operator std::string_view() const { return {digits_, size_}; }

 private:
  char digits_[12];
  size_t size_;
};

// The parts one after the other, in one allocation.
template <class... Parts>
std::string Joined(const Parts&... parts) {
  std::string text;
  text.reserve((std::string_view(parts).size() + ...));
  (text.append(std::string_view(parts)), ...);
  return text;
}

// "80･50|" for differing sizes, larger first; "50|" for equal ones.
std::string SizeText(int main, int branch) {
  if (main == branch) return Joined(Decimal(main), "|");
  return Joined(Decimal(std::max(main, branch)), "･", Decimal(std::min(main, branch)), "|");
}

}  // namespace

void AppendFittingEntries(const Marker& m, const NameLists& lists, std::vector<std::string>& entries) {
  const int family = m[6].value;
  const std::string_view classification = ListName(lists.fittingClasses, m[8].value);
  const std::string_view familyName = MergedFamily(ListName(lists.families, family));
  const Breakdown& breakdown =
      FindBreakdown(lists, Joined(Decimal(family - 1), "_", Decimal(m[3].value), "_", Decimal(m[2].value)));
  if (breakdown.count < 1) return;
  const int main = m[5].value, branch = m[4].value;
  std::string_view pipeKind = "@";
  if (m[7].value != 0) {
    const std::vector<std::string>* kinds = FamilyPipeKinds(lists, family);
    pipeKind = kinds ? ListName(*kinds, m[7].value) : "";
  }
  entries.push_back(Joined(classification, ":", familyName, ":", breakdown.first, "~", SizeText(main, branch),
                           pipeKind, ":", m[1].code(), ":"));
  // A breakdown names at most two lines; a larger count yields both.
  if (breakdown.count >= 2) {
    const int second = std::min(main, branch);
    entries.push_back(
        Joined(classification, ":", familyName, ":", breakdown.second, "~", SizeText(second, second), "@:@"));
  }
}

std::string PipeEntry(const Marker& m, const NameLists& lists) {
  const std::string_view pipeKind = m[3].value == 0 ? "@" : PipeKindName(lists, m[3].value, m[7].value);
  return Joined(ListName(lists.pipeClasses, m[8].value), ":", MergedFamily(ListName(lists.pipeNames, m[6].value)),
                ":", pipeKind, ":", Decimal(m[5].value), "|", m[1].code(), ":", m[4].code(), ":");
}

std::optional<std::string> DerivedPipeEntry(std::string_view entry) {
  const size_t bar = entry.find('|');
  if (bar == std::string_view::npos) return std::nullopt;
  const std::string_view after = entry.substr(bar + 1);
  const std::string_view pipeKind = ui::ListField(after, 1, ':');
  if (pipeKind == "@") return std::nullopt;
  const size_t tilde = entry.find('~');
  std::string_view size = tilde < bar ? entry.substr(tilde + 1, bar - tilde - 1) : std::string_view();
  std::string smaller;
  if (size_t dot = size.find("･"); dot != std::string_view::npos) {
    smaller = Joined(Decimal(std::min(ui::ToInt(size.substr(0, dot)), ui::ToInt(size.substr(dot + 3)))));
    size = smaller;
  }
  return Joined(ui::ListField(entry, 1, ':'), ":", ui::ListField(entry, 2, ':'), ":", pipeKind, ":", size, "|",
                ui::ListField(after, 2, ':'), ":000:*");
}

bool IsDerived(std::string_view entry) { return entry.ends_with('*'); }

void AddDerivedPipes(Tally& tally, size_t first) {
  for (size_t i = first; i < tally.fittings.size(); ++i)
    if (auto derived = DerivedPipeEntry(tally.fittings[i])) tally.pipes.push_back(std::move(*derived));
}

void TallyExtract(std::string extract, const NameLists& lists, bool merge, Tally& tally, Progress& progress) {
  Tally added;
  {
    const Markers markers = FindMarkers(extract, progress);
    extract = std::string();
    progress.Phase("情報分析中････。", markers.fittings.size());
    added.fittings.reserve(markers.fittings.size());
    for (size_t k = 0; k < markers.fittings.size(); ++k) {
      if ((k & 0xfff) == 0) progress.Step(k);
      AppendFittingEntries(markers.fittings[k], lists, added.fittings);
    }
    progress.Step(markers.fittings.size());
    progress.Phase("情報分析中････。", markers.pipes.size());
    added.pipes.reserve(markers.pipes.size() + added.fittings.size());
    for (size_t k = 0; k < markers.pipes.size(); ++k) {
      if ((k & 0xfff) == 0) progress.Step(k);
      added.pipes.push_back(PipeEntry(markers.pipes[k], lists));
    }
    progress.Step(markers.pipes.size());
  }
  AddDerivedPipes(added, 0);
  if (!merge) {
    tally = std::move(added);
    return;
  }
  tally.fittings.insert(tally.fittings.end(), std::make_move_iterator(added.fittings.begin()),
                        std::make_move_iterator(added.fittings.end()));
  tally.pipes.insert(tally.pipes.end(), std::make_move_iterator(added.pipes.begin()),
                     std::make_move_iterator(added.pipes.end()));
}

}  // namespace takeoff
