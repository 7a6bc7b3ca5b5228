// The take-off name lists. A marker stores 1-based positions in these lists;
// the tally looks the names up again. They are read once, when the results
// dialog opens.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/Drive.h"

namespace takeoff {

// What one catalogue part yields in the tally (a line of SekisanBunrui.ini).
struct Breakdown {
  int count = 1;  // result lines, 1 or 2
  std::string first = "-", second = "-";
};

// Looks texts up by a view of them, without making a string of each.
struct TextHash : std::hash<std::string_view> {
  using is_transparent = void;
};

struct NameLists {
  std::vector<std::string> families;                  // TugiteName.ini
  std::vector<std::string> fittingClasses;            // TugiteBunruiName.ini
  std::vector<std::string> pipeClasses;               // KanBunruiName.ini
  std::array<std::vector<std::string>, 5> pipeKinds;  // KanName1.ini .. KanName5.ini
  std::vector<std::string> pipeNames;                 // HaikanName.ini
  // SekisanBunrui.ini by its key "family_sheet_cell"; the first line of a key wins.
  std::unordered_map<std::string, Breakdown, TextHash, std::equal_to<>> breakdowns;
};

NameLists ReadNameLists(const ui::Drive& drive);

// The name that marker value v selects: "-" for 0, line v of the list, and
// empty text for a value beyond the lines read.
std::string_view ListName(const std::vector<std::string>& list, int value);

// A family or pipe name, the simplified and detailed variants of one family
// taken together: "ＭＤ継手(簡略）" -> "ＭＤ継手".
std::string_view MergedFamily(std::string_view name);

// The pipe-kind list of a fitting family (family index + 1), or nullptr for
// the families that carry no pipe kind.
const std::vector<std::string>* FamilyPipeKinds(const NameLists& lists, int family);

// The pipe kind of a pipe marker: list 1..5 (KanName1..5.ini), 6 the round
// duct, anything else no name.
std::string_view PipeKindName(const NameLists& lists, int list, int value);

// What the part of the key yields; one line named "-" when it is not listed.
const Breakdown& FindBreakdown(const NameLists& lists, std::string_view key);

}  // namespace takeoff
