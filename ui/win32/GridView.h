// A grid's table shown in a list view in report mode. The list view keeps no
// texts of its own: it asks the table for each cell as it shows it
// (LVS_OWNERDATA), so a table of any length costs only the rows in sight.
// Row 0 of the table is the list view's header; column 0, the row numbers,
// is centred and shaded as a grid's fixed column.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/TableModel.h"

namespace ui::win32 {

class GridView {
 public:
  GridView(HWND list, std::function<const TableModel&()> table);
  HWND hwnd() const { return list_; }

  // Takes the table's columns, widths, headers and length after it changed.
  void Show(double scale);
  // Answers the list view's questions (the cells to show, their colours);
  // true when the notification was one of them.
  bool Notify(NMHDR* header, LRESULT& result);
  // What the list view shows in the cell (row 0: the header), or nothing
  // when it has no such cell.
  std::optional<std::string> Cell(int row, int col) const;

 private:
  HWND list_;
  std::function<const TableModel&()> table_;
  int rowHeight_ = 0;
};

}  // namespace ui::win32
