#include "takeoff/ResultTables.h"

#include <algorithm>
#include <array>

namespace takeoff {
namespace {

constexpr int kOpeningRows = 100;
constexpr int kLeft = 1, kCentre = 4;

ui::Grid SetUp(Table table, int rows, bool filled) {
  ui::Grid grid;
  grid.rows = rows;
  grid.cols = 6;
  grid.cells.assign(rows, std::vector<std::string>(6));
  grid.columnWidths = {350, 2000, 2000, table == Table::Fittings ? 2200 : 1800, 900, 750};
  grid.columnAlignments = {kCentre, kCentre, kCentre, kCentre, kCentre, kCentre};
  if (filled) grid.columnAlignments[1] = grid.columnAlignments[2] = grid.columnAlignments[3] = kLeft;
  grid.headerHeight = 270;
  grid.cells[0] = table == Table::Fittings
                      ? std::vector<std::string>{"", "分類", "継手種類", "名称", "サイズ", "個数"}
                      : std::vector<std::string>{"", "分類", "継手種類", "配管種類", "サイズ", filled ? "総m" : "m"};
  for (int row = 1; row < rows; ++row) grid.cells[row][0] = std::to_string(row);
  return grid;
}

// The text after the n-th colon (n from 1), or empty.
std::string AfterColons(const std::string& text, int n) {
  size_t at = 0;
  for (int i = 0; i < n; ++i) {
    at = text.find(':', at);
    if (at == std::string::npos) return "";
    ++at;
  }
  return text.substr(at);
}

std::string Before(const std::string& text, char separator) { return text.substr(0, text.find(separator)); }

// Columns 1..5 of a row in full: classification, family or pipe name, name
// or pipe kind, size, and the count or the metres as the table shows them.
std::array<std::string, 5> RowCells(Table table, const ResultRow& row) {
  const std::string& key = row.key;
  std::string classification = Before(key, ':');
  std::string family = Before(AfterColons(key, 1), ':');
  if (table == Table::Fittings) {
    std::string rest = AfterColons(key, 2);
    size_t tilde = rest.find('~');
    std::string size = tilde == std::string::npos ? "" : rest.substr(tilde + 1);
    return {classification, family, Before(rest, '~'), size, row.amount};
  }
  return {classification, family, Before(AfterColons(key, 2), ':'), Before(AfterColons(key, 3), ':'),
          CutToHundredths(row.amount)};
}

}  // namespace

ui::Grid OpeningTable(Table table) { return SetUp(table, kOpeningRows, false); }


ui::Grid FilledTable(Table table, const std::vector<ResultRow>& rows) {
  ui::Grid grid = SetUp(table, static_cast<int>(rows.size()) + 1, true);
  std::string lastClassification, lastFamily;
  for (size_t k = 0; k < rows.size(); ++k) {
    std::array<std::string, 5> cells = RowCells(table, rows[k]);
    std::vector<std::string>& line = grid.cells[k + 1];
    bool newClassification = cells[0] != lastClassification;
    if (newClassification) line[1] = lastClassification = cells[0];
    if (newClassification || cells[1] != lastFamily) line[2] = lastFamily = cells[1];
    line[3] = cells[2];
    line[4] = cells[3];
    line[5] = cells[4];
  }
  return grid;
}

std::string CutToHundredths(const std::string& metres) {
  size_t point = metres.find('.');
  if (point == std::string::npos) return metres;
  return metres.substr(0, std::min(metres.size(), point + 3));
}

bool HasRows(const ui::Grid& table) {
  if (table.rows < 2 || table.cells.size() < 2) return false;
  for (size_t col = 1; col < table.cells[1].size(); ++col)
    if (!table.cells[1][col].empty()) return true;
  return false;
}

}  // namespace takeoff
