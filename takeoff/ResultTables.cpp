#include "takeoff/ResultTables.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace takeoff {
namespace {

constexpr int kOpeningRows = 100;

KeyFields FieldsOf(Table table, std::string_view key) {
  return table == Table::Fittings ? FittingKeyFields(key) : PipeKeyFields(key);
}

std::string_view Header(Table table, int col, bool filled) {
  static constexpr std::array<std::string_view, 6> kFittings = {"", "分類", "継手種類", "名称", "サイズ", "個数"};
  static constexpr std::array<std::string_view, 6> kPipes = {"", "分類", "継手種類", "配管種類", "サイズ", "m"};
  if (table == Table::Pipes && col == 5 && filled) return "総m";
  return (table == Table::Fittings ? kFittings : kPipes)[col];
}

}  // namespace

ResultTable::ResultTable(Table table) : table_(table), filled_(false) {}

ResultTable::ResultTable(Table table, std::vector<ResultRow> rows)
    : table_(table), filled_(true), rows_(std::move(rows)) {}

int ResultTable::RowCount() const { return filled_ ? static_cast<int>(rows_.size()) + 1 : kOpeningRows; }

std::string ResultTable::Cell(int row, int col) const {
  if (row < 0 || col < 0 || col >= ColumnCount() || row >= RowCount()) return {};
  if (row == 0) return std::string(Header(table_, col, filled_));
  if (col == 0) return std::to_string(row);
  if (!filled_) return {};
  const ResultRow& shown = rows_[row - 1];
  const KeyFields fields = FieldsOf(table_, shown.key);
  switch (col) {
    case 1:
    case 2: {
      const KeyFields above = row > 1 ? FieldsOf(table_, rows_[row - 2].key) : KeyFields{};
      const bool newClassification = fields.classification != above.classification;
      if (col == 1) return newClassification ? std::string(fields.classification) : std::string();
      return newClassification || fields.family != above.family ? std::string(fields.family) : std::string();
    }
    case 3: return std::string(fields.name);
    case 4: return std::string(fields.size);
    default: return table_ == Table::Fittings ? shown.amount : CutToHundredths(shown.amount);
  }
}

// Two digits fit the 350 twips of the number column; each further digit of
// the last row's number takes 150 more, which the name column gives up, so
// that the numbers of a long table show whole and the table keeps its width.
int ResultTable::ColumnWidth(int col) const {
  static constexpr std::array<int, 6> kWidths = {350, 2000, 2000, 2200, 900, 750};
  if (col < 0 || col >= ColumnCount()) return 0;
  const int widening = std::max<int>(0, std::to_string(RowCount() - 1).size() - 2) * 150;
  if (col == 0) return kWidths[0] + widening;
  if (col == 3) return (table_ == Table::Pipes ? 1800 : kWidths[3]) - widening;
  return kWidths[col];
}

ui::Align ResultTable::ColumnAlign(int col) const {
  return filled_ && col >= 1 && col <= 3 ? ui::Align::Left : ui::Align::Centre;
}

std::string CutToHundredths(const std::string& metres) {
  size_t point = metres.find('.');
  if (point == std::string::npos) return metres;
  return metres.substr(0, std::min(metres.size(), point + 3));
}

bool HasRows(const ui::TableModel& table) {
  if (table.RowCount() < 2) return false;
  for (int col = 1; col < table.ColumnCount(); ++col)
    if (!table.Cell(1, col).empty()) return true;
  return false;
}

}  // namespace takeoff
