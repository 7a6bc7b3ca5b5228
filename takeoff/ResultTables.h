// The two result tables of "積算結果表", the fitting table and the pipe
// table: six columns, the row numbers in column 0 and the headers in row 0.
#pragma once

#include <string>
#include <vector>

#include "takeoff/Rows.h"
#include "ui/Form.h"

namespace takeoff {

enum class Table { Fittings, Pipes };

// A table as the dialog opens: the header row and 99 numbered empty rows.
ui::Grid OpeningTable(Table table);

// The table showing the rows. A classification is written only in the first
// row it heads, a family (or pipe name) only where it changes or a new
// classification starts; lengths are cut after the second decimal.
ui::Grid FilledTable(Table table, const std::vector<ResultRow>& rows);

// "2.567891" -> "2.56": cut, not rounded.
std::string CutToHundredths(const std::string& metres);

// Whether the table's first data row shows anything.
bool HasRows(const ui::Grid& table);

}  // namespace takeoff
