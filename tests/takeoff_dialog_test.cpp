#include <gtest/gtest.h>

#include "takeoff/ResultsDialog.h"
#include "tests/TakeoffFixture.h"
#include "ui/headless/Driver.h"

using bench::FittingMarker;
using bench::PipeMarker;
using Lines = std::vector<std::string>;
using namespace takeoff;

namespace {

// Remembers every text of the status label, how far the bar went, and how
// often it moved under each text.
struct StatusWatch : ui::FormView {
  explicit StatusWatch(ui::Form& form) : form(form) { form.SetView(this); }
  ~StatusWatch() override { form.SetView(nullptr); }
  void ControlChanged(int id, ui::Aspect aspect) override {
    if (id == kStatus && aspect == ui::Aspect::Text) {
      statuses.push_back(form.Text(kStatus));
      moves.push_back(0);
    }
    if (id == kProgressBar && aspect == ui::Aspect::Progress) {
      furthest = std::max(furthest, form.State(id).progress);
      if (!moves.empty()) ++moves.back();
    }
  }
  void RepaintRequested() override {}
  void Ended(int) override {}
  ui::Form& form;
  Lines statuses;
  std::vector<int> moves;  // per status text
  int furthest = 0;
};

struct Results {
  explicit Results(test::TestDrive& t) : dialog(t.env()), user(dialog) { dialog.UserInit(); }
  std::string Cell(int table, int row, int col) { return user.Cell(std::to_string(table), row, col); }
  Lines Row(int table, int row) {
    Lines cells;
    for (int col = 0; col < 6; ++col) cells.push_back(Cell(table, row, col));
    return cells;
  }
  ResultsDialog dialog;
  ui::Driver user;
};

class ResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteNameLists(t);
    test::WriteExtract(t, test::Extract({{}, {}, {.pipeKind = 1, .distance = 15}}, {{.length = 250}}));
  }
  test::TestDrive t;
};

}  // namespace

TEST_F(ResultsTest, OpensWithTheFittingTableShown) {
  Results r(t);
  EXPECT_EQ(r.dialog.form().layout().caption, "積算結果表");
  EXPECT_TRUE(r.user.Checked("継手"));
  EXPECT_TRUE(r.dialog.form().Visible(kFittingTable));
  EXPECT_FALSE(r.dialog.form().Visible(kPipeTable));
  EXPECT_EQ(r.Cell(kFittingTable, 0, 5), "個数");
  EXPECT_EQ(r.Cell(kPipeTable, 0, 5), "m");
  EXPECT_EQ(r.dialog.form().Table(kPipeTable).RowCount(), 100);
  r.user.Click("配管");
  EXPECT_FALSE(r.dialog.form().Visible(kFittingTable));
  EXPECT_TRUE(r.dialog.form().Visible(kPipeTable));
  EXPECT_TRUE(t.services().messages.empty());
}

TEST_F(ResultsTest, ReadStartWritesTheTakeoffBatch) {
  Results r(t);
  r.user.Click("読込開始");
  EXPECT_EQ(t.Bytes(R"(\jww\積算.bat)"), ui::Utf8ToCp932("@REM 積算情報読込みバッチファイル\r\n"
                                                        "@echo off\r\n"
                                                        "goto  EXE\r\n"
                                                        "REM  #jww\r\n"
                                                        "REM  #h1\r\n"
                                                        "REM  #hc    【積算情報読込み】\r\n"
                                                        "REM  #g1\r\n"
                                                        "REM  #e\r\n"
                                                        ":EXE\r\n"
                                                        "\\Tavrin\\exe\\TakeoffRead.exe\r\n"));
  ASSERT_EQ(t.services().messages.size(), 1u);
  EXPECT_EQ(t.services().messages[0].text, "外部変形>積算.batを実行後、集計開始をクリックしてください。");
  EXPECT_EQ(t.services().messages[0].title, "確認");
}

TEST_F(ResultsTest, TallyFillsBothTablesThroughItsPhases) {
  Results r(t);
  StatusWatch watch(r.dialog.form());
  r.user.Click("集計開始");
  EXPECT_EQ(watch.statuses,
            (Lines{"情報取り込み中･････。", "情報分析中････。", "情報書き込み中･････。", ""}));
  EXPECT_EQ(watch.furthest, 100);
  EXPECT_EQ(r.dialog.form().State(kProgressBar).progress, 0);
  EXPECT_EQ(t.MessageTexts(), Lines{"集計終了しました。"});
  EXPECT_EQ(t.services().messages[0].title, "確認");
  EXPECT_EQ(r.dialog.form().Table(kFittingTable).RowCount(), 2);
  EXPECT_EQ(r.Row(kFittingTable, 1), (Lines{"1", "給水", "ＴＳ継手", "エルボ", "50", "3"}));
  EXPECT_EQ(r.dialog.form().Table(kPipeTable).RowCount(), 3);
  EXPECT_EQ(r.Cell(kPipeTable, 0, 5), "総m");
  EXPECT_EQ(r.Row(kPipeTable, 1), (Lines{"1", "給水", "ＴＳ継手", "VP", "50", "0.15"}));
  EXPECT_EQ(r.Row(kPipeTable, 2), (Lines{"2", "", "塩ビ管", "SGP白", "50", "2.50"}));
}

// A large drawing keeps the bar moving in every phase, so that the window
// shows the work going on.
TEST(Results, TheBarMovesInEveryPhaseOfALargeTally) {
  test::TestDrive t;
  test::WriteNameLists(t);
  test::WriteExtract(t, bench::RandomExtract(10000, 10000, 3));
  Results r(t);
  StatusWatch watch(r.dialog.form());
  r.user.Click("集計開始");
  ASSERT_EQ(watch.statuses.size(), 4u);
  EXPECT_GE(watch.moves[0], 20);  // reading and decoding, 5 MB
  for (size_t phase = 1; phase < 3; ++phase) EXPECT_GE(watch.moves[phase], 4) << watch.statuses[phase];
}

TEST_F(ResultsTest, ATallyReplacesTheLastOneUnlessMerged) {
  Results r(t);
  r.user.Click("集計開始");
  r.user.Click("集計開始");
  EXPECT_EQ(r.Cell(kFittingTable, 1, 5), "3");
  EXPECT_EQ(t.services().messages.size(), 2u);

  r.user.Click("現在の集計結果に合算");
  t.services().answers = {ui::Answer::Cancel};
  r.user.Click("集計開始");
  EXPECT_EQ(t.services().messages.back().text, "現在の集計結果に加算されます。よろしいですか？");
  EXPECT_EQ(t.services().messages.back().buttons, ui::Buttons::OkCancel);
  EXPECT_EQ(r.dialog.tally().fittings.size(), 3u);

  r.user.Click("集計開始");  // OK
  EXPECT_EQ(r.Cell(kFittingTable, 1, 5), "6");
  EXPECT_EQ(r.Cell(kPipeTable, 1, 5), "0.30");
  EXPECT_EQ(r.Cell(kPipeTable, 2, 5), "5.00");
  EXPECT_EQ(t.MessageTexts().back(), "集計終了しました。");
}

TEST_F(ResultsTest, AMissingExtractStopsTheTallyAndKeepsTheResults) {
  Results r(t);
  r.user.Click("集計開始");
  t.Remove(settings::HaikanFile("Toridasi.txt"));
  r.user.Click("集計開始");
  EXPECT_EQ(r.user.Text(std::to_string(kStatus)), "");
  EXPECT_EQ(t.services().messages.back().title, "Tavrin");
  EXPECT_NE(t.services().messages.back().text.find("Toridasi.txt"), std::string::npos);
  EXPECT_EQ(r.dialog.tally().fittings.size(), 3u);
  EXPECT_EQ(r.Cell(kFittingTable, 1, 5), "3");
}

// A list missing on opening is asked for again rather than tallied without.
TEST_F(ResultsTest, AMissingNameListIsAFileErrorUntilItIsThere) {
  t.Remove(settings::HaikanFile("KanName3.ini"));
  Results r(t);
  ASSERT_EQ(t.services().messages.size(), 1u);
  EXPECT_NE(t.services().messages[0].text.find("KanName3.ini"), std::string::npos);
  r.user.Click("集計開始");
  EXPECT_NE(t.services().messages.back().text.find("KanName3.ini"), std::string::npos);
  // The extract was read before the list was missed: the status says nothing.
  EXPECT_EQ(r.user.Text(std::to_string(kStatus)), "");
  EXPECT_EQ(r.dialog.form().State(kProgressBar).progress, 0);
  EXPECT_TRUE(r.dialog.tally().empty());
  t.Write(settings::HaikanFile("KanName3.ini"), {"銅管M"});
  r.user.Click("集計開始");
  EXPECT_EQ(t.MessageTexts().back(), "集計終了しました。");
  EXPECT_EQ(r.Cell(kFittingTable, 1, 5), "3");
}

TEST_F(ResultsTest, PrintingAsksForATitleAndPrintsBothTables) {
  Results r(t);
  r.user.Click("集計開始");
  t.services().answers = {ui::Answer::Cancel};
  r.user.Click("印刷開始");
  EXPECT_EQ(t.services().messages.back().text, "タイトル無しでよろしいですか？ ");
  EXPECT_TRUE(t.services().printed.empty());
  r.user.Click("印刷開始");
  ASSERT_EQ(t.services().printed.size(), 1u);
  EXPECT_EQ(t.services().printed[0].pages.size(), 2u);

  size_t shown = t.services().messages.size();
  r.user.Type(std::to_string(kTitle), "本館");
  t.services().files = {t.root() / "Tavrin" / "SekisanData" / "本館.pdf"};
  r.user.Click("PDF に保存");
  r.user.Click("印刷プレビュー");
  EXPECT_EQ(t.services().messages.size(), shown);  // no question with a title
  ASSERT_EQ(t.services().pdfs.size(), 1u);
  EXPECT_EQ(t.services().pdfs[0].file, t.root() / "Tavrin" / "SekisanData" / "本館.pdf");
  EXPECT_EQ(std::get<ui::PrintText>(t.services().pdfs[0].document.pages[0].items[36]).text, "【継手集計表】:本館");
  EXPECT_EQ(t.services().fileRequests.back().defaultExtension, "pdf");
  EXPECT_EQ(t.services().fileRequests.back().fileName, "本館");
  EXPECT_EQ(t.services().previewed.size(), 1u);
}

// Where the system has no way to write PDF files (Windows without its PDF
// printer) the button is off and the status line says why, until a tally.
TEST_F(ResultsTest, WithoutPdfPrinterTheButtonIsOffAndTheStatusSaysWhy) {
  t.services().pdfUnavailable = "PDF に保存できません。";
  Results r(t);
  EXPECT_FALSE(r.dialog.form().Enabled(kPdf));
  EXPECT_EQ(r.user.Text(std::to_string(kStatus)), "PDF に保存できません。");
  EXPECT_THROW(r.user.Click("PDF に保存"), ui::DriverError);
  r.user.Click("集計開始");
  EXPECT_EQ(r.user.Text(std::to_string(kStatus)), "");
  EXPECT_FALSE(r.dialog.form().Enabled(kPdf));
}

TEST_F(ResultsTest, CsvExportAndOutputsWithNothingToShow) {
  Results r(t);
  r.user.Click("CSV 出力");
  r.user.Click("PDF に保存");
  r.user.Click("印刷プレビュー");
  EXPECT_EQ(t.MessageTexts(), Lines(3, "出力するデータがありません。"));
  EXPECT_TRUE(t.services().fileRequests.empty());

  r.user.Click("集計開始");
  std::filesystem::path csv = t.root() / "Tavrin" / "SekisanData" / "a.csv";
  t.services().files = {csv};
  r.user.Click("CSV 出力");
  EXPECT_EQ(t.services().fileRequests.back().fileName, "*.csv");
  std::string bytes = t.Bytes(R"(\Tavrin\SekisanData\a.csv)");
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(bytes.find("1,給水,ＴＳ継手,エルボ,50,3\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("2,給水,塩ビ管,SGP白,50,2.50\r\n"), std::string::npos);
}

TEST(Results, TalliesWithTheShippedLists) {
  test::TestDrive t;
  test::WriteExtract(t, test::Extract({{}}));
  Results r(t);
  r.user.Click("集計開始");
  EXPECT_EQ(t.MessageTexts(), Lines{"集計終了しました。"});
  std::string classification = t.Lines(settings::HaikanFile("TugiteBunruiName.ini")).at(0);
  EXPECT_EQ(r.dialog.tally().fittings, Lines{classification + ":ＴＳ継手:90°エルボ~50|@:000:"});
}

namespace {

// What another reader (openpyxl) finds in a workbook, one line per fact.
std::string ReadBackWorkbook(const std::filesystem::path& file) {
  // Debian's Python, which python3-openpyxl installs into.
  std::string command = "/usr/bin/python3 " TAVRIN_TEST_DIR "/xlsx_cells.py '" + file.string() + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return "no reader";
  std::string out;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  if (pclose(pipe) != 0) return "reader failed: " + out;
  return out;
}

}  // namespace

TEST_F(ResultsTest, ExcelWorkbookHoldsBothTablesAsShownWithNumbersAsNumbers) {
  // Names typed into the take-off lists that a spreadsheet would run.
  t.Write(settings::HaikanFile("TugiteBunruiName.ini"), {"=HYPERLINK(\"x\")", "排水"});
  t.Write(settings::HaikanFile("KanBunruiName.ini"), {"@SUM(A1)"});
  Results r(t);
  r.user.Click("Excel 出力");
  EXPECT_EQ(t.MessageTexts(), Lines{"出力するデータがありません。"});
  r.user.Click("集計開始");
  r.user.Type(std::to_string(kTitle), "+本館");
  std::filesystem::path file = t.root() / "Tavrin" / "SekisanData" / "+本館.xlsx";
  t.services().files = {file};
  r.user.Click("Excel 出力");
  EXPECT_EQ(t.services().fileRequests.back().defaultExtension, "xlsx");
  EXPECT_EQ(t.services().fileRequests.back().fileName, "+本館");
  // Every cell as the tables show it (widths are the tables' twips as
  // characters, with the padding Excel adds).
  EXPECT_EQ(ReadBackWorkbook(file),
                                     "sheet 継手\n"
                                     "freeze A3\n"
                                     "page 9 portrait rows $2:$2\n"
                                     "widths A=4.00 B=19.71 C=19.71 D=21.71 E=9.29 F=7.86\n"
                                     "A1 s 【継手集計表】:+本館 General\n"
                                     "A2 s No. General\n"
                                     "B2 s 分類 General\n"
                                     "C2 s 継手種類 General\n"
                                     "D2 s 名称 General\n"
                                     "E2 s サイズ General\n"
                                     "F2 s 個数 General\n"
                                     "A3 n 1 0\n"
                                     "B3 s =HYPERLINK(\"x\") General\n"
                                     "C3 s ＴＳ継手 General\n"
                                     "D3 s エルボ General\n"
                                     "E3 s 50 General\n"
                                     "F3 n 3 0\n"
                                     "sheet 配管\n"
                                     "freeze A3\n"
                                     "page 9 portrait rows $2:$2\n"
                                     "widths A=4.00 B=19.71 C=19.71 D=17.86 E=9.29 F=7.86\n"
                                     "A1 s 【配管集計表】:+本館 General\n"
                                     "A2 s No. General\n"
                                     "B2 s 分類 General\n"
                                     "C2 s 継手種類 General\n"
                                     "D2 s 配管種類 General\n"
                                     "E2 s サイズ General\n"
                                     "F2 s 総m General\n"
                                     "A3 n 1 0\n"
                                     "B3 s =HYPERLINK(\"x\") General\n"
                                     "C3 s ＴＳ継手 General\n"
                                     "D3 s VP General\n"
                                     "E3 s 50 General\n"
                                     "F3 n 0.15 0.00\n"
                                     "A4 n 2 0\n"
                                     "B4 s @SUM(A1) General\n"
                                     "C4 s 塩ビ管 General\n"
                                     "D4 s SGP白 General\n"
                                     "E4 s 50 General\n"
                                     "F4 n 2.5 0.00\n");
  // No work file is left behind.
  for (const auto& entry : std::filesystem::directory_iterator(t.root() / "Tavrin"))
    EXPECT_TRUE(entry.is_directory()) << entry.path();
}
