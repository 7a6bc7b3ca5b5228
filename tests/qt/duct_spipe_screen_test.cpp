#include <gtest/gtest.h>

#include "duct/SPipe.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(DuctScreens, SPipe) {
  test::TestDrive t;
  duct::SPipe dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("s_pipe"), qRgb(0, 255, 0)), 100);  // the bends in the preview
}
