// The two result tables of "積算結果表", the fitting table and the pipe
// table, as the grids show them: six columns, the row numbers in column 0
// and the headers in row 0. A table holds its result rows and forms a cell's
// text only when the grid asks for it.
#pragma once

#include <string>
#include <vector>

#include "takeoff/Rows.h"
#include "ui/TableModel.h"

namespace takeoff {

enum class Table { Fittings, Pipes };

class ResultTable : public ui::TableModel {
 public:
  // The table as the dialog opens: the header row and 99 numbered empty rows.
  explicit ResultTable(Table table);
  // The table showing the rows. A classification is shown only in the first
  // row it heads, a family (or pipe name) only where it changes or a new
  // classification starts; lengths are cut after the second decimal.
  ResultTable(Table table, std::vector<ResultRow> rows);

  const std::vector<ResultRow>& rows() const { return rows_; }

  int RowCount() const override;
  int ColumnCount() const override { return 6; }
  std::string Cell(int row, int col) const override;
  int ColumnWidth(int col) const override;
  int HeaderHeight() const override { return 270; }
  ui::Align ColumnAlign(int col) const override;

 private:
  Table table_;
  bool filled_;
  std::vector<ResultRow> rows_;
};

// "2.567891" -> "2.56": cut, not rounded.
std::string CutToHundredths(const std::string& metres);

// Whether the table's first data row shows anything.
bool HasRows(const ui::TableModel& table);

}  // namespace takeoff
