#include <gtest/gtest.h>

#include "takeoff/PrintLayout.h"
#include "takeoff/ResultTables.h"

using takeoff::ResultRow;
using takeoff::Table;

namespace {

constexpr int kLineHeight = 350;  // offset (800 - 350) / 2 = 225

std::vector<ResultRow> FittingRows(int n) {
  std::vector<ResultRow> rows;
  for (int i = 0; i < n; ++i) rows.push_back({"給水:ＴＳ継手:エルボ~" + std::to_string(1000 + i), "2"});
  return rows;
}

takeoff::ResultTable Fittings(int n) { return takeoff::ResultTable(Table::Fittings, FittingRows(n)); }
takeoff::ResultTable NoPipes() { return takeoff::ResultTable(Table::Pipes); }

template <class Item>
std::vector<Item> ItemsOf(const ui::PrintPage& page) {
  std::vector<Item> items;
  for (const auto& item : page.items)
    if (auto* it = std::get_if<Item>(&item)) items.push_back(*it);
  return items;
}

std::vector<std::string> TextsAt(const ui::PrintPage& page, int y) {
  std::vector<std::string> texts;
  for (const auto& text : ItemsOf<ui::PrintText>(page))
    if (text.y == y) texts.push_back(std::to_string(text.x) + " " + text.text);
  return texts;
}

}  // namespace

TEST(TakeoffPrint, ThirtyOneRowsFillOnePageAndTheThirtySecondStartsAnother) {
  ui::PrintDocument one = takeoff::TablesDocument(Fittings(31), NoPipes(), "本館", kLineHeight);
  ASSERT_EQ(one.pages.size(), 1u);
  EXPECT_EQ(one.fontFace, "ＭＳ 明朝");
  EXPECT_EQ(one.fontHeight, 350);
  EXPECT_EQ(TextsAt(one.pages[0], -1600 + 225), std::vector<std::string>{"2000 【継手集計表】:本館"});

  ui::PrintDocument two = takeoff::TablesDocument(Fittings(32), NoPipes(), "本館", kLineHeight);
  ASSERT_EQ(two.pages.size(), 2u);
  EXPECT_EQ(TextsAt(two.pages[0], -1375), std::vector<std::string>{"2000 【継手集計表】(1):本館"});
  EXPECT_EQ(TextsAt(two.pages[1], -1375), std::vector<std::string>{"2000 【継手集計表】(2):本館"});
  // Page 2 holds row 32 alone, in the first row band, as the table shows it.
  EXPECT_EQ(TextsAt(two.pages[1], -1700 - 800 - 225),
            (std::vector<std::string>{"9500 エルボ", "15700     1031", "17400    2"}));
  EXPECT_TRUE(TextsAt(two.pages[1], -1700 - 1600 - 225).empty());
}

TEST(TakeoffPrint, FrameBandsAndColumnLines) {
  ui::PrintDocument document = takeoff::TablesDocument(Fittings(1), NoPipes(), "", kLineHeight);
  const ui::PrintPage& page = document.pages.at(0);
  auto frames = ItemsOf<ui::PrintFrame>(page);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ((std::vector<int>{frames[0].left, frames[0].top, frames[0].right, frames[0].bottom, frames[0].penWidth}),
            (std::vector<int>{2000, -1700, 18300, -27300, 20}));
  std::vector<std::string> lines;
  for (const auto& l : ItemsOf<ui::PrintLine>(page))
    lines.push_back(l.x1 == l.x2 ? "x" + std::to_string(l.x1) + "/" + std::to_string(l.penWidth)
                                 : "y" + std::to_string(l.y1) + "/" + std::to_string(l.penWidth));
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_EQ(lines[0], "y-2500/20");
  EXPECT_EQ(lines[1], "y-3300/10");
  EXPECT_EQ(lines[30], "y-26500/10");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 31, lines.end()),
            (std::vector<std::string>{"x5200/10", "x9400/10", "x15600/10", "x17300/10"}));
  EXPECT_EQ(TextsAt(page, -1700 - 225), (std::vector<std::string>{"3000 分　類", "6600 継手種類", "11900 名　称",
                                                                  "15900 サイズ", "17450 個数"}));
  EXPECT_EQ(TextsAt(page, -1375), std::vector<std::string>{"2000 【継手集計表】:"});
}

TEST(TakeoffPrint, PipeTableColumnsAndPaddedCells) {
  takeoff::ResultTable pipes(Table::Pipes, {{"給水:鋼管:SGP白:20", "12.345600"}});
  takeoff::ResultTable fittings(Table::Fittings, {{"給水:ＴＳ継手:チーズ~80･50", "1234"}});
  ui::PrintDocument document = takeoff::TablesDocument(fittings, pipes, "A", kLineHeight);
  ASSERT_EQ(document.pages.size(), 2u);
  EXPECT_EQ(TextsAt(document.pages[0], -2725),
            (std::vector<std::string>{"2100 給水", "5300 ＴＳ継手", "9500 チーズ", "15700    80･50", "17400 1234"}));
  const ui::PrintPage& page = document.pages[1];
  EXPECT_EQ(TextsAt(page, -1375), std::vector<std::string>{"2000 【配管集計表】:A"});
  EXPECT_EQ(TextsAt(page, -1925), (std::vector<std::string>{"3000 分　類", "6600 継手種類", "11600 配管種類",
                                                            "15200 サイズ", "17100 総m"}));
  EXPECT_EQ(TextsAt(page, -2725),
            (std::vector<std::string>{"2100 給水", "5300 鋼管", "9500 SGP白", "15000       20", "16700    12.34"}));
  auto lines = ItemsOf<ui::PrintLine>(page);
  EXPECT_EQ(lines[31].x1, 5200);
  EXPECT_EQ(lines[33].x1, 14900);
  EXPECT_EQ(lines[34].x1, 16600);
}

TEST(TakeoffPrint, EmptyTablesPrintNoPages) {
  EXPECT_TRUE(takeoff::TablesDocument(takeoff::ResultTable(Table::Fittings), NoPipes(), "", 350).pages.empty());
  EXPECT_TRUE(takeoff::TablesDocument(Fittings(0), takeoff::ResultTable(Table::Pipes, {}), "", 350).pages.empty());
}

// A first row without a classification still prints its table.
TEST(TakeoffPrint, ATableWhoseFirstClassificationIsEmptyPrints) {
  takeoff::ResultTable fittings(Table::Fittings, {{":ＴＳ継手:エルボ~50", "1"}});
  EXPECT_EQ(takeoff::TablesDocument(fittings, NoPipes(), "", 350).pages.size(), 1u);
}

// Every row is printed, also beyond 100 pages.
TEST(TakeoffPrint, EveryRowIsPrinted) {
  ui::PrintDocument document = takeoff::TablesDocument(Fittings(3101), NoPipes(), "", 350);
  ASSERT_EQ(document.pages.size(), 101u);
  EXPECT_EQ(TextsAt(document.pages[100], -1375), std::vector<std::string>{"2000 【継手集計表】(101):"});
  EXPECT_EQ(TextsAt(document.pages[100], -2725)[1], "15700     4100");
}
