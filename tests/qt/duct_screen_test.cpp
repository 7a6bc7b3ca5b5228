#include <gtest/gtest.h>

#include "duct/AnemoBox.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(DuctScreens, AnemoBox) {
  test::TestDrive t;
  duct::AnemoBox dialog(t.env());
  test::Screen screen(dialog);
  QImage image = screen.Save("anemo_box");
  EXPECT_GT(test::CountColour(image, qRgb(0, 255, 0)), 100);  // the box in the preview
}
