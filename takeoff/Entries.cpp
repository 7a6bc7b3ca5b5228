#include "takeoff/Entries.h"

#include <algorithm>
#include <array>
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

// "80･50" for differing sizes, larger first; "50" for equal ones.
class SizeText {
 public:
  SizeText(int main, int branch) {
    char* end = std::to_chars(text_, std::end(text_), std::max(main, branch)).ptr;
    if (main != branch) end = std::to_chars(std::copy_n("･", 3, end), std::end(text_), std::min(main, branch)).ptr;
    size_ = end - text_;
  }
  operator std::string_view() const { return {text_, size_}; }

 private:
  char text_[30];
  size_t size_;
};

// The parts one after the other, in one allocation.
template <class... Parts>
std::string Joined(const Parts&... parts) {
  std::string text((std::string_view(parts).size() + ...), '\0');
  char* out = text.data();
  ((out = std::copy_n(std::string_view(parts).data(), std::string_view(parts).size(), out)), ...);
  return text;
}

// The breakdowns of catalogue parts by family, sheet and cell, each looked
// up in the name lists once: a drawing's fittings come from a few parts.
class Breakdowns {
 public:
  explicit Breakdowns(const NameLists& lists) : lists_(lists) {}

  const Breakdown& Of(int family, int sheet, int cell) {
    const std::array<int, 3> part = {family, sheet, cell};
    const uint32_t hash = static_cast<uint32_t>(family) * 0x9e3779b1u ^ static_cast<uint32_t>(sheet) * 0x85ebca77u ^
                          static_cast<uint32_t>(cell) * 0xc2b2ae3du;
    Remembered& remembered = remembered_[hash >> 20];  // one place per hash, the latest part in it
    if (!remembered.breakdown || remembered.part != part)
      remembered = {part, &FindBreakdown(lists_, Joined(Decimal(family), "_", Decimal(sheet), "_", Decimal(cell)))};
    return *remembered.breakdown;
  }

 private:
  struct Remembered {
    std::array<int, 3> part;
    const Breakdown* breakdown = nullptr;
  };
  const NameLists& lists_;
  std::vector<Remembered> remembered_ = std::vector<Remembered>(1 << 12);
};

// The one or two entries of a fitting marker.
void AppendFittingEntries(const Marker& m, const NameLists& lists, Breakdowns& breakdowns,
                          std::vector<std::string>& entries) {
  const int family = m[6].value;
  const std::string_view classification = ListName(lists.fittingClasses, m[8].value);
  const std::string_view familyName = MergedFamily(ListName(lists.families, family));
  const Breakdown& breakdown = breakdowns.Of(family - 1, m[3].value, m[2].value);
  if (breakdown.count < 1) return;
  const int main = m[5].value, branch = m[4].value;
  std::string_view pipeKind = "@";
  if (m[7].value != 0) {
    const std::vector<std::string>* kinds = FamilyPipeKinds(lists, family);
    pipeKind = kinds ? ListName(*kinds, m[7].value) : "";
  }
  entries.push_back(Joined(classification, ":", familyName, ":", breakdown.first, "~", SizeText(main, branch), "|",
                           pipeKind, ":", m[1].code(), ":"));
  // A breakdown names at most two lines; a larger count yields both.
  if (breakdown.count >= 2) {
    const int second = std::min(main, branch);
    entries.push_back(
        Joined(classification, ":", familyName, ":", breakdown.second, "~", SizeText(second, second), "|@:@"));
  }
}

// The entry of a pipe marker.
std::string PipeEntry(const Marker& m, const NameLists& lists) {
  const std::string_view pipeKind = m[3].value == 0 ? "@" : PipeKindName(lists, m[3].value, m[7].value);
  return Joined(ListName(lists.pipeClasses, m[8].value), ":", MergedFamily(ListName(lists.pipeNames, m[6].value)),
                ":", pipeKind, ":", Decimal(m[5].value), "|", m[1].code(), ":", m[4].code(), ":");
}

}  // namespace

std::optional<std::string> DerivedPipeEntry(std::string_view entry) {
  const size_t bar = entry.find('|');
  if (bar == std::string_view::npos) return std::nullopt;
  const std::string_view key = entry.substr(0, bar);
  const std::string_view after = entry.substr(bar + 1);
  const std::string_view pipeKind = ui::ListField(after, 1, ':'), distance = ui::ListField(after, 2, ':');
  if (pipeKind == "@") return std::nullopt;
  const size_t tilde = key.find('~');
  std::string_view size = tilde == std::string_view::npos ? std::string_view() : key.substr(tilde + 1);
  const size_t dot = size.find("･");
  const Decimal smaller(dot == std::string_view::npos
                            ? 0
                            : std::min(ui::ToInt(size.substr(0, dot)), ui::ToInt(size.substr(dot + 3))));
  if (dot != std::string_view::npos) size = smaller;
  return Joined(ui::ListField(entry, 1, ':'), ":", ui::ListField(entry, 2, ':'), ":", pipeKind, ":", size, "|", distance,
                ":000:*");
}

bool IsDerived(std::string_view entry) { return entry.ends_with('*'); }

void AddDerivedPipes(Tally& tally, size_t first) {
  for (size_t i = first; i < tally.fittings.size(); ++i)
    if (auto derived = DerivedPipeEntry(tally.fittings[i])) tally.pipes.push_back(std::move(*derived));
}

void TallyExtract(std::string extract, const NameLists& lists, bool merge, Tally& tally, Progress& progress) {
  Tally added;
  {
    const FoundMarkers markers = FindMarkerCodes(extract, progress);
    extract = std::string();
    Breakdowns breakdowns(lists);
    progress.Phase("情報分析中････。", markers.fittings.size());
    added.fittings.reserve(2 * markers.fittings.size());
    for (size_t k = 0; k < markers.fittings.size(); ++k) {
      if ((k & 0xfff) == 0) progress.Step(k);
      AppendFittingEntries(markers.fittings[k].Decoded(), lists, breakdowns, added.fittings);
    }
    progress.Step(markers.fittings.size());
    progress.Phase("情報分析中････。", markers.pipes.size());
    added.pipes.reserve(markers.pipes.size() + added.fittings.size());
    for (size_t k = 0; k < markers.pipes.size(); ++k) {
      if ((k & 0xfff) == 0) progress.Step(k);
      added.pipes.push_back(PipeEntry(markers.pipes[k].Decoded(), lists));
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
