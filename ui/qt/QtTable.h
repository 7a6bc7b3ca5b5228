// A grid's table as Qt's item views read it, a cell at a time for the rows
// on screen. Row 0 of the table becomes the view's column headers, which
// stay in place while the rows scroll; they and column 0 (the row numbers)
// are shaded as the fixed cells of the grids the program was designed
// around.
#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "ui/TableModel.h"

namespace ui::qt {

class QtTable : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Shows the table (none: an empty one), or the same table anew.
  void Show(std::shared_ptr<const TableModel> table);
  const TableModel& table() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::shared_ptr<const TableModel> table_;
};

}  // namespace ui::qt
