#include <gtest/gtest.h>

#include "takeoff/CsvExport.h"
#include "takeoff/ResultTables.h"

using takeoff::ResultRow;
using takeoff::ResultTable;
using takeoff::Table;
using Cells = std::vector<std::string>;

namespace {

Cells Row(const ui::TableModel& table, int row) {
  Cells cells;
  for (int col = 0; col < table.ColumnCount(); ++col) cells.push_back(table.Cell(row, col));
  return cells;
}

}  // namespace

TEST(TakeoffTables, OpenWithHeadersAnd99NumberedRows) {
  for (Table table : {Table::Fittings, Table::Pipes}) {
    ResultTable grid(table);
    EXPECT_EQ(grid.RowCount(), 100);
    EXPECT_EQ(grid.ColumnCount(), 6);
    EXPECT_EQ(grid.Cell(1, 0), "1");
    EXPECT_EQ(grid.Cell(99, 0), "99");
    EXPECT_EQ(grid.Cell(99, 1), "");
    EXPECT_EQ(grid.HeaderHeight(), 270);
    EXPECT_EQ(grid.ColumnAlign(1), ui::Align::Centre);
    EXPECT_FALSE(takeoff::HasRows(grid));
  }
  EXPECT_EQ(Row(ResultTable(Table::Fittings), 0), (Cells{"", "分類", "継手種類", "名称", "サイズ", "個数"}));
  EXPECT_EQ(Row(ResultTable(Table::Pipes), 0), (Cells{"", "分類", "継手種類", "配管種類", "サイズ", "m"}));
  auto widths = [](const ResultTable& table) {
    std::vector<int> widths;
    for (int col = 0; col < table.ColumnCount(); ++col) widths.push_back(table.ColumnWidth(col));
    return widths;
  };
  EXPECT_EQ(widths(ResultTable(Table::Fittings)), (std::vector<int>{350, 2000, 2000, 2200, 900, 750}));
  EXPECT_EQ(widths(ResultTable(Table::Pipes)), (std::vector<int>{350, 2000, 2000, 1800, 900, 750}));
  // A long table's numbers show whole; the name column makes room for them.
  std::vector<ResultRow> rows(12345, {"給水:鋼管:SGP白:20", "1.000000"});
  EXPECT_EQ(widths(ResultTable(Table::Pipes, rows)), (std::vector<int>{800, 2000, 2000, 1350, 900, 750}));
}

TEST(TakeoffTables, ClassificationAndFamilyAreShownWhereTheyChange) {
  ResultTable grid(Table::Fittings, {{"給水:ＴＳ継手:エルボ~50", "2"},
                                     {"給水:ＴＳ継手:チーズ~80･50", "1"},
                                     {"給水:ＤＶ継手:エルボ~50", "1"},
                                     {"排水:ＤＶ継手:エルボ~50", "12"}});
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(Row(grid, 1), (Cells{"1", "給水", "ＴＳ継手", "エルボ", "50", "2"}));
  EXPECT_EQ(Row(grid, 2), (Cells{"2", "", "", "チーズ", "80･50", "1"}));
  EXPECT_EQ(Row(grid, 3), (Cells{"3", "", "ＤＶ継手", "エルボ", "50", "1"}));
  EXPECT_EQ(Row(grid, 4), (Cells{"4", "排水", "ＤＶ継手", "エルボ", "50", "12"}));
  // Read out of order, as a view scrolled to the end reads them.
  EXPECT_EQ(grid.Cell(3, 2), "ＤＶ継手");
  EXPECT_EQ(grid.Cell(2, 1), "");
  EXPECT_EQ(grid.Cell(5, 1), "");
  std::vector<ui::Align> aligns;
  for (int col = 0; col < 6; ++col) aligns.push_back(grid.ColumnAlign(col));
  using ui::Align;
  EXPECT_EQ(aligns, (std::vector<Align>{Align::Centre, Align::Left, Align::Left, Align::Left, Align::Centre,
                                        Align::Centre}));
}

TEST(TakeoffTables, LengthsAreCutAfterTheSecondDecimal) {
  ResultTable grid(Table::Pipes, {{"給水:鋼管:SGP白:20", "12.345600"},
                                  {"給水:鋼管:SGP白:25", "2.567891"},
                                  {"給水:鋼管:SGP黒:25", "0.999999"}});
  EXPECT_EQ(grid.Cell(0, 5), "総m");
  EXPECT_EQ(Row(grid, 1), (Cells{"1", "給水", "鋼管", "SGP白", "20", "12.34"}));
  EXPECT_EQ(grid.Cell(2, 5), "2.56");
  EXPECT_EQ(grid.Cell(3, 5), "0.99");
  EXPECT_EQ(takeoff::CutToHundredths("7"), "7");
  EXPECT_TRUE(takeoff::HasRows(grid));
  EXPECT_EQ(ResultTable(Table::Pipes, {}).RowCount(), 1);
}

TEST(TakeoffTables, OddKeysFillWhatTheyHave) {
  ResultTable grid(Table::Fittings, {{"", "1"}, {"a", "1"}, {"a:b", "1"}, {"a:b:c", "1"}});
  EXPECT_EQ(Row(grid, 1), (Cells{"1", "", "", "", "", "1"}));
  EXPECT_EQ(Row(grid, 4), (Cells{"4", "", "", "c", "", "1"}));
}

TEST(TakeoffCsv, BothTablesInFullWithAByteOrderMark) {
  std::string csv = takeoff::CsvBytes(
      ResultTable(Table::Fittings, {{"給水:ＴＳ継手:エルボ~80･50", "2"}, {"給水:ＴＳ継手:チーズ~50", "1"}}),
      ResultTable(Table::Pipes, {{"給水:鋼管:SGP,白:20", "12.345600"}}), "工事\"A\"");
  EXPECT_EQ(csv,
            "\xEF\xBB\xBF"
            "継手集計表,\"工事\"\"A\"\"\"\r\n"
            "No.,分類,継手種類,名称,サイズ,個数\r\n"
            "1,給水,ＴＳ継手,エルボ,80･50,2\r\n"
            "2,給水,ＴＳ継手,チーズ,50,1\r\n"
            "\r\n"
            "配管集計表,\"工事\"\"A\"\"\"\r\n"
            "No.,分類,継手種類,配管種類,サイズ,総m\r\n"
            "1,給水,鋼管,\"SGP,白\",20,12.34\r\n");
}

TEST(TakeoffCsv, TextThatASpreadsheetWouldRunAsAFormulaStaysText) {
  std::string csv = takeoff::CsvBytes(
      ResultTable(Table::Fittings, {{"=HYPERLINK(\"x\"):+継手:@エルボ~-", "2"}, {"-給水:-5:+1.5~50", "1"}}),
      ResultTable(Table::Pipes, {{"=1+2:鋼管:SGP白:20", "12.345600"}}), "-本館");
  EXPECT_EQ(csv,
            "\xEF\xBB\xBF"
            "継手集計表,'-本館\r\n"
            "No.,分類,継手種類,名称,サイズ,個数\r\n"
            "1,\"'=HYPERLINK(\"\"x\"\")\",'+継手,'@エルボ,-,2\r\n"
            "2,'-給水,-5,+1.5,50,1\r\n"
            "\r\n"
            "配管集計表,'-本館\r\n"
            "No.,分類,継手種類,配管種類,サイズ,総m\r\n"
            "1,'=1+2,鋼管,SGP白,20,12.34\r\n");
}
