#include <gtest/gtest.h>

#include "duct/ElbowUpDown.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(ElbowUpDownScreens, UpAndDown) {
  test::TestDrive t;
  duct::ElbowUpDown dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("elbow_up_down"), qRgb(0, 255, 0)), 100);
  dialog.UserClick(duct::ElbowUpDown::kDown);
  dialog.UserEdit(duct::ElbowUpDown::kSectionWidth, "300");
  dialog.UserClick(duct::ElbowUpDown::kUpdate);
  EXPECT_GT(test::CountColour(screen.Save("elbow_up_down_narrower"), qRgb(255, 0, 0)) +
                test::CountColour(screen.Grab(), qRgb(128, 128, 128)),
            50);
  // Turned by 45 degrees, mirrored and placed by a corner, it still fits the preview.
  dialog.UserClick(duct::ElbowUpDown::kRotation45);
  dialog.UserClick(duct::ElbowUpDown::kMirror);
  dialog.UserClick(duct::ElbowUpDown::kAtNearA);
  EXPECT_GT(test::CountColour(screen.Save("elbow_up_down_corner_45"), qRgb(0, 255, 0)), 100);
}
