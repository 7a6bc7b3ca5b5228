#include "takeoff/PrintLayout.h"

#include <algorithm>
#include <array>

#include "takeoff/ResultTables.h"
#include "ui/Drive.h"

namespace takeoff {
namespace {

constexpr int kLeft = 2000, kRight = 18300, kTop = -1700, kBottom = -27300, kBand = 800;
constexpr int kWidePen = 20, kThinPen = 10;

struct Columns {
  const char* caption;
  std::array<int, 4> lines;        // vertical lines inside the frame
  std::array<const char*, 5> headers;
  std::array<int, 5> headerX;
  int amountWidth;                 // count or metres, padded to this width
};

const Columns kFittingColumns{"【継手集計表】", {5200, 9400, 15600, 17300},
                              {"分　類", "継手種類", "名　称", "サイズ", "個数"}, {3000, 6600, 11900, 15900, 17450}, 4};
const Columns kPipeColumns{"【配管集計表】", {5200, 9400, 14900, 16600},
                           {"分　類", "継手種類", "配管種類", "サイズ", "総m"}, {3000, 6600, 11600, 15200, 17100}, 8};

// Leading blanks up to the width in Shift-JIS bytes, as the printer's
// fixed-pitch font lays out half-width (1) and full-width (2) characters.
std::string PadLeft(const std::string& text, size_t width) {
  size_t bytes = ui::Utf8ToCp932(text).size();
  return bytes >= width ? text : std::string(width - bytes, ' ') + text;
}

void AddPage(ui::PrintPage& page, const ui::TableModel& table, const Columns& columns, int firstRow, int lastRow,
             const std::string& title, int offset) {
  auto& items = page.items;
  items.push_back(ui::PrintFrame{kLeft, kTop, kRight, kBottom, kWidePen});
  for (int k = 1; k <= kRowsPerPage; ++k) {
    int y = kTop - kBand * k;
    items.push_back(ui::PrintLine{kLeft, y, kRight, y, k == 1 ? kWidePen : kThinPen});
  }
  for (int x : columns.lines) items.push_back(ui::PrintLine{x, kTop, x, kBottom, kThinPen});
  items.push_back(ui::PrintText{kLeft, -1600 + offset, title});
  for (size_t c = 0; c < columns.headers.size(); ++c)
    items.push_back(ui::PrintText{columns.headerX[c], kTop - offset, columns.headers[c]});

  const std::array<int, 5> cellX = {kLeft + 100, columns.lines[0] + 100, columns.lines[1] + 100,
                                    columns.lines[2] + 100, columns.lines[3] + 100};
  for (int row = firstRow; row <= lastRow; ++row) {
    int y = kTop - kBand * (row - firstRow + 1) - offset;
    for (int col = 1; col <= 5 && col < table.ColumnCount(); ++col) {
      std::string text = table.Cell(row, col);
      if (text.empty()) continue;
      if (col == 4) text = PadLeft(text, 8);
      if (col == 5) text = PadLeft(text, columns.amountWidth);
      items.push_back(ui::PrintText{cellX[col - 1], y, text});
    }
  }
}

// Every row of the table is printed, however many pages it takes.
void AddTable(ui::PrintDocument& document, const ui::TableModel& table, const Columns& columns, const std::string& title,
              int offset) {
  const int rows = table.RowCount() - 1;
  const int pages = (rows + kRowsPerPage - 1) / kRowsPerPage;
  for (int p = 0; p < pages; ++p) {
    std::string heading = std::string(columns.caption) +
                          (pages == 1 ? ":" : "(" + std::to_string(p + 1) + "):") + title;
    AddPage(document.pages.emplace_back(), table, columns, p * kRowsPerPage + 1,
            std::min(rows, (p + 1) * kRowsPerPage), heading, offset);
  }
}

}  // namespace

ui::PrintDocument TablesDocument(const ui::TableModel& fittings, const ui::TableModel& pipes, const std::string& title,
                                 int lineHeight) {
  ui::PrintDocument document;
  document.name = title.empty() ? "積算結果表" : title;
  document.fontFace = "ＭＳ 明朝";
  document.fontHeight = 350;
  const int offset = (kBand - lineHeight) / 2;
  if (HasRows(fittings)) AddTable(document, fittings, kFittingColumns, title, offset);
  if (HasRows(pipes)) AddTable(document, pipes, kPipeColumns, title, offset);
  return document;
}

}  // namespace takeoff
