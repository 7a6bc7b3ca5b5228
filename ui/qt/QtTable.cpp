#include "ui/qt/QtTable.h"

#include <QBrush>
#include <QColor>

namespace ui::qt {
namespace {

const QColor kHeaderShade(212, 208, 200);

Qt::Alignment AlignmentOf(Align align) {
  switch (align) {
    case Align::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignCenter;
  }
}

}  // namespace

void QtTable::Show(std::shared_ptr<const TableModel> table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

const TableModel& QtTable::table() const {
  static const EmptyTable empty;
  return table_ ? *table_ : empty;
}

int QtTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(0, table().RowCount() - 1);
}

int QtTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table().ColumnCount(); }

QVariant QtTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int col = index.column();
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(table().Cell(index.row() + 1, col));
    case Qt::TextAlignmentRole:
      return static_cast<int>(col == 0 ? Qt::Alignment(Qt::AlignCenter) : AlignmentOf(table().ColumnAlign(col)));
    case Qt::BackgroundRole: return col == 0 ? QVariant(QBrush(kHeaderShade)) : QVariant();
    default: return {};
  }
}

QVariant QtTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(table().Cell(0, section));
  if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignCenter);
  if (role == Qt::BackgroundRole) return QBrush(kHeaderShade);
  return {};
}

}  // namespace ui::qt
