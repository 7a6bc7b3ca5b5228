#include <gtest/gtest.h>

#include "duct/Damper.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(DamperScreens, EveryKind) {
  test::TestDrive t;
  duct::Damper dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("damper_vd"), qRgb(0, 255, 0)), 100);  // the duct in the preview
  dialog.UserClick(duct::Damper::kKind1 + 2);
  screen.Save("damper_cd");
  dialog.UserClick(duct::Damper::kKind1 + 4);
  dialog.UserClick(duct::Damper::kHatched);
  EXPECT_GT(test::CountColour(screen.Save("damper_fd_plus"), qRgb(255, 160, 0)), 20);  // the hatching
}
