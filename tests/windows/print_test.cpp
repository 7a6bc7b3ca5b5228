// A printed page of the take-off tables from Tavrin.exe under Wine, through
// the PDF path to a file (Wine's PostScript driver stands in for the PDF
// printer), lies out as the Qt front end's printout of the same tables.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <fstream>

#include "takeoff/ResultsDialog.h"
#include "tests/TakeoffFixture.h"
#include "tests/windows/Wine.h"
#include "ui/qt/QtServices.h"

namespace fs = std::filesystem;

namespace {

// Rows and columns of the picture that are mostly dark: the table's lines.
struct Lines {
  std::vector<int> rows, columns;
};

Lines TableLines(const QImage& page) {
  Lines lines;
  auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  for (int y = 0; y < page.height(); ++y) {
    int n = 0;
    for (int x = 0; x < page.width(); ++x) n += dark(x, y);
    if (n > page.width() / 2 && (lines.rows.empty() || lines.rows.back() < y - 1)) lines.rows.push_back(y);
  }
  for (int x = 0; x < page.width(); ++x) {
    int n = 0;
    for (int y = 0; y < page.height(); ++y) n += dark(x, y);
    if (n > page.height() / 2 && (lines.columns.empty() || lines.columns.back() < x - 1)) lines.columns.push_back(x);
  }
  return lines;
}

void ExpectNear(const std::vector<int>& expected, const std::vector<int>& found, const char* what) {
  ASSERT_EQ(found.size(), expected.size()) << what;
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(found[i], expected[i], 2) << what << " " << i;
}

}  // namespace

TEST(WindowsPrint, APageToAFileLiesOutAsTheQtPrintout) {
  REQUIRE_WINE(true);
  test::TestDrive t;
  test::PrepareTallyScript(t);
  const fs::path printed = t.root() / "printed.ps";
  std::ofstream(t.root() / "print.play") << "press 1205\nclick 集計開始\nexpect-message 集計終了しました。\n"
                                            "type 1005 本館３階\nfile "
                                         << test::WindowsPath(printed)
                                         << "\nclick \"PDF に保存\"\nclick 終了\nclick 終了\n";
  ASSERT_EQ(test::RunUnderWine(test::TavrinExe(), {"--drive", test::WindowsPath(t.root()), "--gui", "--play",
                                                   test::WindowsPath(t.root() / "print.play")}),
            0);
  ASSERT_TRUE(fs::exists(printed));

  // The same tables printed by the Qt front end.
  takeoff::ResultsDialog dialog(t.env());
  dialog.UserInit();
  dialog.UserClick(takeoff::kTallyStart);
  dialog.form().SetText(takeoff::kTitle, "本館３階");
  t.services().files = {t.root() / "unused.pdf"};
  dialog.UserClick(takeoff::kPdf);
  ASSERT_EQ(t.services().pdfs.size(), 1u);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "print_test";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  ui::qt::QtServices().SavePdf(t.services().pdfs[0].document, t.root() / "qt.pdf");

  // Both at 100 dots per inch, in grey.
  const std::string windows = (t.root() / "windows").string(), qt = (t.root() / "qt").string();
  ASSERT_EQ(std::system(("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pnggray -r100 -sOutputFile=" + windows +
                         ".png " + printed.string())
                            .c_str()),
            0);
  ASSERT_EQ(std::system(("pdftoppm -r 100 -gray -png -singlefile " + (t.root() / "qt.pdf").string() + " " + qt).c_str()),
            0);
  QImage windowsPage(QString::fromStdString(windows + ".png")), qtPage(QString::fromStdString(qt + ".png"));
  ASSERT_FALSE(windowsPage.isNull());
  ASSERT_FALSE(qtPage.isNull());
  // A4 in whole points there, to the hundredth here.
  EXPECT_NEAR(windowsPage.width(), qtPage.width(), 2);
  EXPECT_NEAR(windowsPage.height(), qtPage.height(), 2);
  Lines expected = TableLines(qtPage), found = TableLines(windowsPage);
  ExpectNear(expected.rows, found.rows, "row line");
  ExpectNear(expected.columns, found.columns, "column line");
  fs::create_directories(TAVRIN_SCREENSHOTS);
  windowsPage.save(QString(TAVRIN_SCREENSHOTS) + "/printed_page.png");
  qtPage.save(QString(TAVRIN_SCREENSHOTS) + "/printed_page_qt.png");
}
