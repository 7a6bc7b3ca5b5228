#include <gtest/gtest.h>

#include "duct/ButtBranch.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(DuctScreens, ButtBranch) {
  test::TestDrive t;
  duct::ButtBranch dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("butt_branch"), qRgb(0, 255, 0)), 100);  // the branch in the preview
}
