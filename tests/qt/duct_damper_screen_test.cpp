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

TEST(DamperScreens, EachKindHasAGuideOfItsOwn) {
  test::TestDrive t;
  duct::Damper dialog(t.env());
  test::Screen screen(dialog);
  const char* names[] = {"vd", "md", "cd", "fd", "fd_plus"};
  std::vector<QImage> guides;
  for (int kind = 0; kind < 5; ++kind) {
    dialog.UserClick(duct::Damper::kKind1 + kind);
    // The guide sketch: left of the preview, above the kind buttons.
    guides.push_back(screen.Save(std::string("damper_guide_") + names[kind]).copy(0, 0, 350, 220));
  }
  for (int a = 0; a < 5; ++a)
    for (int b = a + 1; b < 5; ++b) EXPECT_NE(guides[a], guides[b]) << names[a] << " and " << names[b];
}
