#include "piping/PartCode.h"

#include "ui/Text.h"

namespace piping {

const char* const kNoCellCode = "Waku.tec";

std::string AngleSuffix(double angle) {
  static const char* const suffixes[8] = {"_A", "_B", "_C", "_D", "_E", "_F", "_G", "_H"};
  for (int i = 0; i < 8; ++i)
    if (angle == 45.0 * i) return suffixes[i];
  return "N";
}

std::string CellCode(const std::string& field) {
  if (field.size() != 4 || field[3] < 'A' || field[3] > 'Z') return "";
  int letter = field[3] - 'A' + 1;
  return field.substr(0, 3) + (letter < 10 ? "0" : "") + std::to_string(letter);
}

std::string FullCode(const PartCode& code, double angle) {
  return code.material + code.mainSize + code.branchSize + code.familyNumber + code.cell + AngleSuffix(angle);
}

std::string StoredName(const PartCode& code) {
  static const char letters[] = "PSTLNQMKZU";
  std::string name(1, code.material);
  for (char c : code.mainSize + code.branchSize + code.familyNumber)
    if (c >= '0' && c <= '9') name += letters[c - '0'];
  return name + code.cell;
}

std::string SheetKey(int family, int sheet) { return std::to_string(family + 1) + "-" + std::to_string(sheet); }

std::string SheetNameField(const std::vector<std::string>& lines, const std::string& key, int cell) {
  std::string field;
  for (const std::string& line : lines)
    if (ui::StartsWith(line, key)) field = ui::GetListField(line, cell + 2, ':');
  return field;
}

std::string PartNameField(const std::vector<std::string>& lines, const std::string& key, int cell) {
  std::string field;
  for (const std::string& line : lines)
    if (ui::GetListField(line, 1, ':') == key) field = ui::GetListField(line, cell + 2, ':');
  return field;
}

}  // namespace piping
