#include <gtest/gtest.h>

#include "duct/StraightDuct.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(StraightDuctScreens, SketchInThePreviewWithAGreyedEnd) {
  test::TestDrive t;
  duct::StraightDuct dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_EQ(test::CountColour(screen.Save("straight_duct"), qRgb(192, 192, 192)) > 0, true);
  dialog.UserClick(duct::StraightDuct::kRightEnd);
  EXPECT_GT(test::CountColour(screen.Save("straight_duct_right_end_off"), qRgb(192, 192, 192)), 0);
}
