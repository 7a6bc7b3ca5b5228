#include <gtest/gtest.h>

#include "takeoff/CsvExport.h"
#include "takeoff/ResultTables.h"

using takeoff::ResultRow;
using takeoff::Table;
using Cells = std::vector<std::string>;

TEST(TakeoffTables, OpenWithHeadersAnd99NumberedRows) {
  for (Table table : {Table::Fittings, Table::Pipes}) {
    ui::Grid grid = takeoff::OpeningTable(table);
    EXPECT_EQ(grid.rows, 100);
    EXPECT_EQ(grid.cols, 6);
    EXPECT_EQ(grid.cells[1][0], "1");
    EXPECT_EQ(grid.cells[99][0], "99");
    EXPECT_EQ(grid.cells[99][1], "");
    EXPECT_EQ(grid.headerHeight, 270);
    EXPECT_FALSE(takeoff::HasRows(grid));
  }
  EXPECT_EQ(takeoff::OpeningTable(Table::Fittings).cells[0], (Cells{"", "分類", "継手種類", "名称", "サイズ", "個数"}));
  EXPECT_EQ(takeoff::OpeningTable(Table::Pipes).cells[0], (Cells{"", "分類", "継手種類", "配管種類", "サイズ", "m"}));
  EXPECT_EQ(takeoff::OpeningTable(Table::Fittings).columnWidths, (std::vector<int>{350, 2000, 2000, 2200, 900, 750}));
  EXPECT_EQ(takeoff::OpeningTable(Table::Pipes).columnWidths, (std::vector<int>{350, 2000, 2000, 1800, 900, 750}));
}

TEST(TakeoffTables, ClassificationAndFamilyAreWrittenWhereTheyChange) {
  ui::Grid grid = takeoff::FilledTable(Table::Fittings, {{"給水:ＴＳ継手:エルボ~50", "2"},
                                                         {"給水:ＴＳ継手:チーズ~80･50", "1"},
                                                         {"給水:ＤＶ継手:エルボ~50", "1"},
                                                         {"排水:ＤＶ継手:エルボ~50", "12"}});
  EXPECT_EQ(grid.rows, 5);
  EXPECT_EQ(grid.cells[1], (Cells{"1", "給水", "ＴＳ継手", "エルボ", "50", "2"}));
  EXPECT_EQ(grid.cells[2], (Cells{"2", "", "", "チーズ", "80･50", "1"}));
  EXPECT_EQ(grid.cells[3], (Cells{"3", "", "ＤＶ継手", "エルボ", "50", "1"}));
  EXPECT_EQ(grid.cells[4], (Cells{"4", "排水", "ＤＶ継手", "エルボ", "50", "12"}));
  EXPECT_EQ(grid.columnAlignments, (std::vector<int>{4, 1, 1, 1, 4, 4}));
}

TEST(TakeoffTables, LengthsAreCutAfterTheSecondDecimal) {
  ui::Grid grid = takeoff::FilledTable(Table::Pipes, {{"給水:鋼管:SGP白:20", "12.345600"},
                                                      {"給水:鋼管:SGP白:25", "2.567891"},
                                                      {"給水:鋼管:SGP黒:25", "0.999999"}});
  EXPECT_EQ(grid.cells[0][5], "総m");
  EXPECT_EQ(grid.cells[1], (Cells{"1", "給水", "鋼管", "SGP白", "20", "12.34"}));
  EXPECT_EQ(grid.cells[2][5], "2.56");
  EXPECT_EQ(grid.cells[3][5], "0.99");
  EXPECT_EQ(takeoff::CutToHundredths("7"), "7");
  EXPECT_TRUE(takeoff::HasRows(grid));
  EXPECT_EQ(takeoff::FilledTable(Table::Pipes, {}).rows, 1);
}

TEST(TakeoffTables, OddKeysFillWhatTheyHave) {
  ui::Grid grid = takeoff::FilledTable(Table::Fittings, {{"", "1"}, {"a", "1"}, {"a:b", "1"}, {"a:b:c", "1"}});
  EXPECT_EQ(grid.cells[1], (Cells{"1", "", "", "", "", "1"}));
  EXPECT_EQ(grid.cells[4], (Cells{"4", "", "", "c", "", "1"}));
}

TEST(TakeoffCsv, BothTablesInFullWithAByteOrderMark) {
  std::string csv = takeoff::CsvBytes(
      takeoff::FilledTable(Table::Fittings, {{"給水:ＴＳ継手:エルボ~80･50", "2"}, {"給水:ＴＳ継手:チーズ~50", "1"}}),
      takeoff::FilledTable(Table::Pipes, {{"給水:鋼管:SGP,白:20", "12.345600"}}), "工事\"A\"");
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
      takeoff::FilledTable(Table::Fittings, {{"=HYPERLINK(\"x\"):+継手:@エルボ~-", "2"}, {"-給水:-5:+1.5~50", "1"}}),
      takeoff::FilledTable(Table::Pipes, {{"=1+2:鋼管:SGP白:20", "12.345600"}}), "-本館");
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
