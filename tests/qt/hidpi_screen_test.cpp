// At a scale factor of 2 (the ctest entry hidpi_screens runs these with
// QT_SCALE_FACTOR=2) every dialog is twice its size, with its text drawn at
// twice the resolution, and what the dialogs draw themselves (guide sketches,
// previews, the catalogue's cells) lies where it lies at scale 1 against
// the controls: the manual's pictures, taken at scale 1, are the measure.
#include "piping/CatalogueDialog.h"
// clang-format off
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "app/CommandPanel.h"
#include "app/CommandTable.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"
#include "ui/headless/Driver.h"
// clang-format on

namespace {

bool AtScale2() { return qApp->devicePixelRatio() == 2; }

// The smallest rectangle holding every pixel of the colour inside `within`,
// in pixels of scale 1.
QRect Extent(const QImage& image, QRgb colour, QRect within, int ratio) {
  QRect extent;
  const QRect area(within.topLeft() * ratio, within.size() * ratio);
  for (int y = area.top(); y <= area.bottom() && y < image.height(); ++y)
    for (int x = area.left(); x <= area.right() && x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) extent |= QRect(x / ratio, y / ratio, 1, 1);
  return extent;
}

// Within two pixels: a dash-dot line breaks its dashes at other points.
void ExpectSameExtent(const QRect& at1, const QRect& at2, const std::string& what) {
  EXPECT_LE(std::abs(at1.left() - at2.left()), 2) << what;
  EXPECT_LE(std::abs(at1.top() - at2.top()), 2) << what;
  EXPECT_LE(std::abs(at1.right() - at2.right()), 2) << what;
  EXPECT_LE(std::abs(at1.bottom() - at2.bottom()), 2) << what;
}

}  // namespace

TEST(HiDpi, DialogsAreTwiceTheSizeAndTheirDrawingsLieWhereTheyDoAtScale1) {
  if (!AtScale2()) GTEST_SKIP() << "run by hidpi_screens with QT_SCALE_FACTOR=2";
  for (const auto* table : {&app::DuctCommands(), &app::PipeCommands()}) {
    for (const app::Command& command : *table) {
      const std::string name = "cmd" + std::to_string(command.buttonId);
      test::TestDrive t;
      std::unique_ptr<ui::DialogHandler> dialog = command.open(t.env());
      test::Screen screen(*dialog);
      QImage at2 = screen.Save("hidpi/" + name);
      QImage at1(QString(TAVRIN_SOURCE_DATA "/Tavrin/Mnl/img/") + QString::fromStdString(name) + ".png");
      ASSERT_FALSE(at1.isNull()) << name;
      EXPECT_EQ(at2.size(), at1.size() * 2) << command.caption;
      const QRect all(QPoint(0, 0), at1.size());
      // The guide's centre lines and extension lines, the preview's duct
      // sides and its placement point.
      for (QRgb colour : {qRgb(255, 50, 50), qRgb(0, 255, 0), qRgb(0, 255, 128)}) {
        QRect expected = Extent(at1, colour, all, 1);
        if (expected.isEmpty()) continue;
        ExpectSameExtent(expected, Extent(at2, colour, all, 2),
                         command.caption + " colour " + QColor(colour).name().toStdString());
      }
    }
  }
}

TEST(HiDpi, TheCatalogueCellClickedIsTheCellDrawn) {
  if (!AtScale2()) GTEST_SKIP() << "run by hidpi_screens with QT_SCALE_FACTOR=2";
  test::TestDrive t;
  piping::CatalogueDialog dialog(t.env());
  test::Screen screen(dialog);
  ui::Driver user(dialog);
  user.SelectIndex(piping::kFamilyList, 6);
  user.Click(piping::kSheetFirst);
  user.Select(piping::kMainSize, "20");
  user.DoubleClick(piping::kMainSize);
  // A real click of the mouse, in the window's own (logical) pixels, on the
  // middle of the second cell.
  const QRect cell(piping::kSheetLeft + piping::kCellWidth, piping::kSheetTop, piping::kCellWidth,
                   piping::kCellHeight);
  QPointF at = cell.center();
  QMouseEvent press(QEvent::MouseButtonPress, at, screen.window().mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&screen.window(), &press);
  EXPECT_EQ(dialog.form().Text(piping::kPartName), "90°エルボ（直管付）");
  QImage image = screen.Save("hidpi/catalogue_cell");
  // The chosen cell's frame is drawn one pixel inside the cell clicked.
  ExpectSameExtent(cell.adjusted(1, 1, -1, -1), Extent(image, qRgb(0, 0, 255), cell.adjusted(-3, -3, 3, 3), 2),
                   "the chosen cell");
}
