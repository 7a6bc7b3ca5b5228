#include <gtest/gtest.h>

#include "duct/ElbowUpDownRun.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

using R = duct::ElbowUpDownRun;

TEST(ElbowUpDownRunScreens, StraightAndL) {
  test::TestDrive t;
  R dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("elbow_up_down_run"), qRgb(0, 255, 0)), 100);
  dialog.UserClick(R::kLShape);
  dialog.UserClick(R::kUpper);
  dialog.UserEdit(R::kDownWidth, "300");
  dialog.UserClick(R::kOuter);
  EXPECT_GT(test::CountColour(screen.Save("elbow_up_down_run_l"), qRgb(0, 255, 0)), 100);
}
