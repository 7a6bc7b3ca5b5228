#include <gtest/gtest.h>

#include "duct/SPipe.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"
#include "ui/headless/Driver.h"

TEST(DuctScreens, SPipe) {
  test::TestDrive t;
  duct::SPipe dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("s_pipe"), qRgb(0, 255, 0)), 100);  // the bends in the preview
  ui::Driver user(dialog);
  user.Click(std::to_string(duct::SPipe::kRotation0 + 3));  // 135°
  user.Click("上下反転");
  EXPECT_GT(test::CountColour(screen.Save("s_pipe_flipped_135"), qRgb(0, 255, 0)), 100);
}
