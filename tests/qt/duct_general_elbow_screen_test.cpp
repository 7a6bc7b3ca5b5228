#include <gtest/gtest.h>

#include "duct/GeneralElbow.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(DuctScreens, GeneralElbow) {
  test::TestDrive t;
  duct::GeneralElbow dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("general_elbow"), qRgb(0, 255, 0)), 100);
  ui::Form& form = dialog.form();
  form.SetText(duct::GeneralElbow::kElbowAngle, "45");
  form.SetText(duct::GeneralElbow::kDownstreamWidth, "300");
  dialog.UserClick(duct::GeneralElbow::kUpdate);
  EXPECT_GT(test::CountColour(screen.Save("general_elbow_reducing"), qRgb(0, 255, 0)), 100);
}
