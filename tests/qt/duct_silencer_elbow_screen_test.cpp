#include <gtest/gtest.h>

#include "duct/SilencerElbow.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

using duct::SilencerElbow;

TEST(DuctScreens, SilencerElbow) {
  test::TestDrive t;
  SilencerElbow dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("silencer_elbow"), qRgb(0, 255, 0)), 100);
  dialog.UserClick(SilencerElbow::kRound);
  EXPECT_GT(test::CountColour(screen.Save("silencer_elbow_round"), qRgb(0, 255, 0)), 100);
}
