#include <gtest/gtest.h>

#include "duct/DuctUpDown.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

using U = duct::DuctUpDown;

TEST(DuctUpDownScreens, BothSidesToAWiderMiddle) {
  test::TestDrive t;
  U dialog(t.env());
  test::Screen screen(dialog);
  dialog.UserSelect(U::kMiddleWidthList, dialog.form().FindItem(U::kMiddleWidthList, "500"));
  dialog.UserClick(U::kFlange);
  EXPECT_GT(test::CountColour(screen.Save("duct_up_down"), qRgb(0, 255, 0)), 100);
}
