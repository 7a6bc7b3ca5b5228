#include <gtest/gtest.h>

#include "piping/CatalogueDialog.h"
#include "piping/Families.h"
#include "piping/FittingAttributeDialog.h"
#include "piping/PipeLineAttributeDialog.h"
#include "piping/PipeLineDialog.h"
#include "takeoff/TakeoffSettingsDialog.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(PipingScreen, CatalogueShowsTheSheetGridAndThePart) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\HaikanSet\Input.ini)", {"0", "0", "0", "1", "給水", "VP", "6", "1", "2", "300"});
  piping::CatalogueDialog dialog(t.env());
  test::Screen screen(dialog);
  QImage image = screen.Save("piping_catalogue");
  // The grid lines of the sheet picture lie exactly on the cell boundaries.
  for (int x : {455, 504, 553, 602, 651, 700}) EXPECT_EQ(image.pixel(x, 30), qRgb(0, 0, 0)) << x;
  for (int y : {11, 56, 101, 146, 191}) EXPECT_EQ(image.pixel(480, y), qRgb(0, 0, 0)) << y;
  EXPECT_EQ(image.pixel(520, 30), qRgb(255, 255, 255));
  EXPECT_GT(test::CountColour(image, qRgb(0, 255, 0)), 100);  // the part preview
  EXPECT_GT(test::CountColour(image, qRgb(0, 0, 255)), 80);   // the chosen cell
}

TEST(PipingScreen, CatalogueEmptyFrame) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\HaikanSet\Input.ini)", {"0", "0", "0", "0", "", "", "12", "0", "0", ""});
  piping::CatalogueDialog dialog(t.env());
  test::Screen screen(dialog);
  screen.Save("piping_catalogue_waku");
}

TEST(PipingScreen, OtherSheetPictures) {
  for (auto [family, sheet] : {std::pair{0, 2}, {7, 3}, {16, 1}}) {
    test::TestDrive t;
    t.Write(R"(\Tavrin\HaikanSet\Input.ini)",
            {"45", "1", "0", "0", "", "", std::to_string(family), std::to_string(sheet), "1", ""});
    piping::CatalogueDialog dialog(t.env());
    test::Screen screen(dialog);
    screen.Save("piping_catalogue_" + std::to_string(family) + "_" + std::to_string(sheet));
  }
}

TEST(PipingScreen, AttributeAndPipeLineDialogs) {
  test::TestDrive t;
  {
    piping::FittingAttributeDialog dialog(t.env());
    test::Screen screen(dialog);
    screen.Save("piping_fitting_attributes");
  }
  {
    piping::PipeLineAttributeDialog dialog(t.env());
    test::Screen screen(dialog);
    screen.Save("piping_pipe_line_attributes");
  }
  {
    t.Write(R"(\Tavrin\HaikanSet\HaikanInp.ini)", {"2", "6", "0", "0", "1", "給水", "SGP(白)", "0"});
    piping::PipeLineDialog dialog(t.env());
    test::Screen screen(dialog);
    QImage image = screen.Save("piping_pipe_line");
    EXPECT_GT(test::CountColour(image, qRgb(192, 192, 192)), 0);
  }
  {
    takeoff::TakeoffSettingsDialog dialog(t.env());
    test::Screen screen(dialog);
    screen.Save("takeoff_settings");
  }
}

TEST(PipingScreen, FirstSheetOfEveryFamily) {
  for (int family = 0; family < piping::kFamilies; ++family) {
    test::TestDrive t;
    t.Write(R"(\Tavrin\HaikanSet\Input.ini)", {"0", "0", "0", "0", "", "", std::to_string(family), "1", "1", ""});
    piping::CatalogueDialog dialog(t.env());
    test::Screen screen(dialog);
    QImage image = screen.Save("piping_catalogue_family_" + std::to_string(family));
    // The part in cell 1 is drawn in black inside the cell.
    int ink = 0;
    for (int x = 457; x < 503; ++x)
      for (int y = 13; y < 55; ++y) ink += image.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_GT(ink, 20) << family;
  }
}
