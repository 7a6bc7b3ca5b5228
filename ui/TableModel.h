// What a grid control shows: a table of texts that the front end reads one
// cell at a time, only for the rows on screen, so that a table of 100,000
// rows shows as quickly as one of 30.
//
// Row 0 holds the column headers and column 0 the row headers (the row
// numbers); a front end keeps both in view while the rest scrolls. The form
// holds a grid's model (Form::SetTable) and tells the front end through
// FormView::ControlChanged(id, Aspect::Grid) whenever the model is replaced
// or its texts change; the front end then reads everything again.
#pragma once

#include <string>

namespace ui {

enum class Align { Left, Centre, Right };

class TableModel {
 public:
  virtual ~TableModel() = default;

  // Rows and columns, the header row and the header column included.
  virtual int RowCount() const = 0;
  virtual int ColumnCount() const = 0;
  // The text of a cell; row 0 is the header row, column 0 the header column.
  virtual std::string Cell(int row, int col) const = 0;

  // Display only: the width of a column and the height of the header row in
  // twips (1/1440 inch, 15 to a pixel at 96 dpi), and how the texts of a
  // column below the header row stand in their cells.
  virtual int ColumnWidth(int col) const = 0;
  virtual int HeaderHeight() const = 0;
  virtual Align ColumnAlign(int col) const = 0;
};

// The table of a grid that has none: no rows, no columns.
class EmptyTable : public TableModel {
 public:
  int RowCount() const override { return 0; }
  int ColumnCount() const override { return 0; }
  std::string Cell(int, int) const override { return {}; }
  int ColumnWidth(int) const override { return 0; }
  int HeaderHeight() const override { return 0; }
  Align ColumnAlign(int) const override { return Align::Left; }
};

}  // namespace ui
