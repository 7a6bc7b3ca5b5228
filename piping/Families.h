// The fitting families of the catalogue (the lines of TugiteName.ini, by
// position) and everything fixed by a family: part folder, family number,
// material, pipe-kind list, sheet pictures and captions, combined fittings.
#pragma once

#include <string>

namespace piping {

constexpr int kFamilies = 22;
constexpr int kSheets = 6;
constexpr int kCells = 20;

struct Family {
  const char* folder;  // \Tavrin\<folder>\ holds the part files
  const char* number;  // two digits in the part code
  char material;       // letter that begins the part code
  int materialClass;   // 0 round duct .. 5 stainless
  int pipeKindList;    // KanName<n>.ini, 0 for none
  const char* sheetPrefix;
};

// Family 0..21.
const Family& FamilyAt(int family);
// The family number in the part code: family 20 has its own on sheet 4.
std::string FamilyNumber(int family, int sheet);
// Caption of sheet button 1..6, "-" for a sheet the family does not have.
std::string SheetCaption(int family, int sheet);

// The outer-diameter list of a material class and the size code of a
// nominal size in it ("" for a size without a code).
const char* SizeListFile(int materialClass);
std::string SizeCode(int materialClass, const std::string& nominal);

// Whether the part in this cell includes a straight pipe whose length the
// user enters (組合せ継手).
bool IsCombinedFitting(int family, int sheet, int cell);

}  // namespace piping
