#include <gtest/gtest.h>

#include "duct/ThreeWayBranch.h"
#include "duct/TwoWayBranch.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(BranchScreens, ThreeWay) {
  test::TestDrive t;
  duct::ThreeWayBranch dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("three_way_branch"), qRgb(0, 255, 0)), 200);
  // Placed by the trunk's corner and turned: the preview still holds it all.
  dialog.UserClick(duct::ThreeWayBranch::kCorner);
  dialog.UserClick(duct::ThreeWayBranch::kRotation0 + 1);
  EXPECT_GT(test::CountColour(screen.Save("three_way_branch_corner_45"), qRgb(0, 255, 0)), 200);
}

TEST(BranchScreens, TwoWayInEachMode) {
  test::TestDrive t;
  duct::TwoWayBranch dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("two_way_branch"), qRgb(0, 255, 0)), 200);
  dialog.UserClick(duct::TwoWayBranch::kDouble);
  EXPECT_GT(test::CountColour(screen.Save("two_way_branch_double"), qRgb(0, 255, 0)), 200);
  dialog.UserClick(duct::TwoWayBranch::kT);
  EXPECT_GT(test::CountColour(screen.Save("two_way_branch_t"), qRgb(0, 255, 0)), 200);
}
