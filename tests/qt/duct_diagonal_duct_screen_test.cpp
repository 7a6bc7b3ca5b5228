#include <gtest/gtest.h>

#include "duct/DiagonalDuct.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(DiagonalDuctScreens, WithBendFlanges) {
  test::TestDrive t;
  duct::DiagonalDuct dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("diagonal_duct"), qRgb(0, 255, 0)), 100);
}
