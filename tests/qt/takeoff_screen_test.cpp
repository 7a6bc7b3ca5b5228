#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <cstdlib>

#include "takeoff/ResultsDialog.h"
#include "tests/TakeoffFixture.h"
#include "tests/qt/QtTestSupport.h"
#include "ui/qt/QtServices.h"

using namespace takeoff;

namespace {

// A drawing with rows enough for two printed pages of fittings.
void WriteDrawing(const test::TestDrive& t) {
  std::vector<bench::FittingMarker> fittings;
  const int sizes[] = {20, 25, 32, 40, 50, 65, 80, 100};
  for (int i = 0; i < 40; ++i)
    fittings.push_back({.classification = 1 + i % 3, .pipeKind = i % 5 == 0 ? 1 : 0, .family = 1 + i / 13 * 4,
                        .mainSize = sizes[i % 8], .branchSize = sizes[(i * 3) % 8], .sheet = i % 2 + 1,
                        .cell = i % 2 ? 3 : 2, .distance = i % 5 == 0 ? 25 : 0});
  std::vector<bench::PipeMarker> pipes;
  for (int i = 0; i < 12; ++i)
    pipes.push_back({.classification = 1 + i % 3, .pipeKind = 1 + i % 2, .pipeName = 1 + i % 2, .size = sizes[i % 8],
                     .angle = i % 4 == 0 ? 30 : 0, .kindList = 1, .length = 123 + 37 * i});
  test::WriteExtract(t, test::Extract(fittings, pipes));
}

// The results dialog after a tally of that drawing.
struct Tallied {
  Tallied() {
    test::WriteNameLists(t);
    WriteDrawing(t);
    dialog.UserInit();
    dialog.UserClick(kTallyStart);
  }
  test::TestDrive t;
  ResultsDialog dialog{t.env()};
};

// A cell as the view shows it; row 0 is the view's header.
std::string CellText(QWidget* widget, int row, int col) {
  auto* view = qobject_cast<QTableView*>(widget);
  if (!view) return "?";
  QAbstractItemModel* model = view->model();
  QVariant text = row == 0 ? model->headerData(col, Qt::Horizontal, Qt::DisplayRole)
                           : model->data(model->index(row - 1, col), Qt::DisplayRole);
  return text.toString().toStdString();
}

}  // namespace

TEST(TakeoffScreen, ShowsTheFilledTables) {
  test::TestDrive t;
  test::WriteNameLists(t);
  WriteDrawing(t);
  ResultsDialog dialog(t.env());
  test::Screen screen(dialog);
  screen.Save("takeoff_results_opening");
  dialog.form().SetText(kTitle, "本館３階");
  dialog.UserClick(kTallyStart);
  screen.Save("takeoff_results_fittings");
  EXPECT_EQ(CellText(screen.window().widget(kFittingTable), 0, 1), "分類");
  EXPECT_EQ(CellText(screen.window().widget(kFittingTable), 1, 1), "給水");
  dialog.UserClick(kShowPipes);
  screen.Save("takeoff_results_pipes");
  EXPECT_TRUE(screen.window().widget(kPipeTable)->isVisible());
  EXPECT_FALSE(screen.window().widget(kFittingTable)->isVisible());
  EXPECT_EQ(CellText(screen.window().widget(kPipeTable), 0, 5), "総m");
}

// The printed pages as a PDF, rendered to pictures for the eye.
TEST(TakeoffScreen, PrintsToPdf) {
  Tallied tallied;
  auto& [t, dialog] = tallied;
  dialog.form().SetText(kTitle, "本館３階");
  t.services().files = {t.root() / "out.pdf"};
  dialog.UserClick(kPdf);
  ASSERT_EQ(t.services().pdfs.size(), 1u);
  const ui::PrintDocument& document = t.services().pdfs[0].document;
  ASSERT_EQ(document.pages.size(), 3u);

  const std::string pdf = std::string(TAVRIN_SCREENSHOTS) + "/takeoff_print.pdf";
  ui::qt::QtServices().SavePdf(document, pdf);
  ASSERT_TRUE(std::filesystem::file_size(pdf) > 1000);
  std::string render = "pdftoppm -r 50 -png '" + pdf + "' '" + TAVRIN_SCREENSHOTS + "/takeoff_print'";
  ASSERT_EQ(std::system(render.c_str()), 0);
  EXPECT_TRUE(std::filesystem::exists(std::string(TAVRIN_SCREENSHOTS) + "/takeoff_print-3.png"));
  EXPECT_THROW(ui::qt::QtServices().SavePdf(document, t.root() / "no" / "such" / "folder.pdf"), ui::FileError);
}

TEST(TakeoffScreen, PreviewsThePrintedPages) {
  Tallied tallied;
  auto& [t, dialog] = tallied;
  t.services().answers = {ui::Answer::Ok};  // no title
  dialog.UserClick(kPreview);
  ASSERT_EQ(t.services().previewed.size(), 1u);
  std::string caption;
  QTimer::singleShot(300, [&] {
    QWidget* preview = QApplication::activeModalWidget();
    if (!preview) return;
    caption = preview->windowTitle().toStdString();
    preview->grab().save(QString(TAVRIN_SCREENSHOTS) + "/takeoff_preview.png");
    preview->close();
  });
  ui::qt::QtServices().PreviewPrint(t.services().previewed[0]);
  EXPECT_EQ(caption, "印刷プレビュー");
}
