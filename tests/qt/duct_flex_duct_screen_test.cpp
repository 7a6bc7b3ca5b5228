#include <gtest/gtest.h>

#include "duct/FlexDuct.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(FlexDuctScreens, LAndSShapes) {
  test::TestDrive t;
  duct::FlexDuct dialog(t.env());
  test::Screen screen(dialog);
  QImage l = screen.Save("flex_duct_l");
  EXPECT_GT(test::CountColour(l, qRgb(0, 255, 0)), 100);   // the outline
  EXPECT_GT(test::CountColour(l, qRgb(255, 160, 0)), 50);  // the bellows
  dialog.UserClick(duct::FlexDuct::kInsulated);
  dialog.UserClick(duct::FlexDuct::kSShape);
  EXPECT_GT(test::CountColour(screen.Save("flex_duct_s_insulated"), qRgb(0, 255, 0)), 100);
}
