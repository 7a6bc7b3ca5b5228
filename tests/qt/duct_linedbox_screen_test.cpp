#include <gtest/gtest.h>

#include "duct/LinedBox.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"
#include "ui/headless/Driver.h"

TEST(DuctScreens, LinedBox) {
  test::TestDrive t;
  duct::LinedBox dialog(t.env());
  test::Screen screen(dialog);
  QImage image = screen.Save("lined_box");
  EXPECT_GT(test::CountColour(image, qRgb(0, 255, 0)), 100);   // the box in the preview
  EXPECT_GT(test::CountColour(image, qRgb(255, 160, 0)), 100); // and its hatching
  ui::Driver user(dialog);
  user.Click(std::to_string(duct::LinedBox::kCorner));
  user.Click(std::to_string(duct::LinedBox::kRotation0 + 1));  // 45°
  EXPECT_GT(test::CountColour(screen.Save("lined_box_corner_45"), qRgb(0, 255, 0)), 100);
}
