#include <gtest/gtest.h>

#include "duct/ShortPipe.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

using duct::ShortPipe;

TEST(DuctScreens, ShortPipe) {
  test::TestDrive t;
  ShortPipe dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("short_pipe"), qRgb(0, 255, 0)), 100);
  dialog.UserClick(ShortPipe::kRoundEnd);
  EXPECT_GT(test::CountColour(screen.Save("short_pipe_round"), qRgb(0, 255, 0)), 100);
}
