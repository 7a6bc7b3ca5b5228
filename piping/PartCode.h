// Naming of catalogue parts: the part code kept for a placement, the name
// of its part file, and the look-ups in SheetName.ini and BuzaiName.ini.
#pragma once

#include <string>
#include <vector>

namespace piping {

// "_A" .. "_H" for exactly 0, 45 .. 315 degrees, "N" for any other angle.
std::string AngleSuffix(double angle);

// Cell code of a SheetName.ini field: its first three characters and the
// position of its fourth, a letter, in the alphabet ("L10A" -> "L1001");
// empty for a field of any other form. "Waku.tec" when no cell is chosen.
std::string CellCode(const std::string& field);
extern const char* const kNoCellCode;

// The pieces of a part code: material letter, main and branch size codes
// (empty for a size without a code), family number and cell code.
struct PartCode {
  char material = 0;
  std::string mainSize, branchSize, familyNumber, cell;
};
// The code kept for a placement: the pieces and the angle suffix.
std::string FullCode(const PartCode& code, double angle);
// The name a part file is stored under: the code without angle suffix, its
// digits (the size codes and the family number) turned into letters,
// 0 -> P, 1 -> S, 2 -> T, 3 -> L, 4 -> N, 5 -> Q, 6 -> M, 7 -> K, 8 -> Z,
// 9 -> U.
std::string StoredName(const PartCode& code);

// "family + 1 - sheet", the key of SheetName.ini and BuzaiName.ini lines.
std::string SheetKey(int family, int sheet);
// Lines hold the key, the sheet caption and one field per cell, separated
// by ":". Field of cell 1..20 of the last line that begins with the key:
std::string SheetNameField(const std::vector<std::string>& lines, const std::string& key, int cell);
// and of the last line whose first field is the key:
std::string PartNameField(const std::vector<std::string>& lines, const std::string& key, int cell);

}  // namespace piping
