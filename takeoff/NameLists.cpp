#include "takeoff/NameLists.h"

#include "settings/Paths.h"
#include "ui/Text.h"

namespace takeoff {
namespace {

std::vector<std::string> ReadList(const ui::Drive& drive, const char* name, size_t maxLines) {
  std::vector<std::string> lines = drive.ReadLines(settings::HaikanFile(name));
  if (lines.size() > maxLines) lines.resize(maxLines);
  return lines;
}

std::string FieldOrDash(const std::vector<std::string>& fields, size_t index) {
  return index < fields.size() ? fields[index] : "-";
}

}  // namespace

NameLists ReadNameLists(const ui::Drive& drive) {
  NameLists lists;
  lists.families = ReadList(drive, "TugiteName.ini", 30);
  lists.fittingClasses = ReadList(drive, "TugiteBunruiName.ini", 100);
  lists.pipeClasses = ReadList(drive, "KanBunruiName.ini", 100);
  lists.pipeKinds = {ReadList(drive, "KanName1.ini", 100), ReadList(drive, "KanName2.ini", 50),
                     ReadList(drive, "KanName3.ini", 50), ReadList(drive, "KanName4.ini", 50),
                     ReadList(drive, "KanName5.ini", 50)};
  // Every line takes part in the search, the last one too: a part listed
  // last is a part like any other.
  for (const std::string& line : ReadList(drive, "SekisanBunrui.ini", 2000)) {
    std::vector<std::string> fields = ui::Split(line, ':');
    Breakdown breakdown{fields.size() > 1 ? ui::ToInt(fields[1]) : 1, FieldOrDash(fields, 2), FieldOrDash(fields, 3)};
    lists.breakdowns.try_emplace(fields[0], std::move(breakdown));
  }
  lists.pipeNames = ReadList(drive, "HaikanName.ini", 20);
  return lists;
}

std::string_view ListName(const std::vector<std::string>& list, int value) {
  if (value == 0) return "-";
  if (value < 0 || value > static_cast<int>(list.size())) return "";
  return list[value - 1];
}

std::string_view MergedFamily(std::string_view name) {
  if (name == "ＭＤ継手(簡略）" || name == "ＭＤ継手(詳細）") return "ＭＤ継手";
  if (name == "鋳鉄管(簡略)－１" || name == "鋳鉄管(簡略)－２" || name == "鋳鉄管(詳細)－１" || name == "鋳鉄管(詳細)－２")
    return "鋳鉄管";
  return name;
}

const std::vector<std::string>* FamilyPipeKinds(const NameLists& lists, int family) {
  switch (family) {
    case 1: case 2:
      return &lists.pipeKinds[1];
    case 3: case 4: case 5: case 6: case 7: case 9: case 12:
      return &lists.pipeKinds[0];
    case 8:
      return &lists.pipeKinds[2];
    case 10: case 11:
      return &lists.pipeKinds[3];
    case 13: case 14: case 15: case 16:
      return &lists.pipeKinds[4];
    default:
      return nullptr;
  }
}

std::string_view PipeKindName(const NameLists& lists, int list, int value) {
  if (list >= 1 && list <= 5) return ListName(lists.pipeKinds[list - 1], value);
  if (list == 6) return "丸ダクト";
  return "";
}

const Breakdown& FindBreakdown(const NameLists& lists, std::string_view key) {
  static const Breakdown unlisted;
  auto it = lists.breakdowns.find(key);
  return it == lists.breakdowns.end() ? unlisted : it->second;
}

}  // namespace takeoff
