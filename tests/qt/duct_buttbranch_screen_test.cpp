#include <gtest/gtest.h>

#include "duct/ButtBranch.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"
#include "ui/headless/Driver.h"

TEST(DuctScreens, ButtBranch) {
  test::TestDrive t;
  duct::ButtBranch dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("butt_branch"), qRgb(0, 255, 0)), 100);  // the branch in the preview
  ui::Driver user(dialog);
  user.Click("角-丸");
  user.Click(std::to_string(duct::ButtBranch::kRotation0 + 1));  // 45°
  EXPECT_GT(test::CountColour(screen.Save("butt_branch_round_45"), qRgb(0, 255, 0)), 100);
}
