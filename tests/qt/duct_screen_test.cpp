#include <gtest/gtest.h>

#include "duct/AnemoBox.h"
#include "duct/AnemoUnineck.h"
#include "duct/GrilleBox.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(DuctScreens, AnemoBox) {
  test::TestDrive t;
  duct::AnemoBox dialog(t.env());
  test::Screen screen(dialog);
  QImage image = screen.Save("anemo_box");
  EXPECT_GT(test::CountColour(image, qRgb(0, 255, 0)), 100);  // the box in the preview
}

TEST(DuctScreens, AnemoUnineck) {
  test::TestDrive t;
  duct::AnemoUnineck dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("anemo_unineck"), qRgb(0, 255, 0)), 100);
}

TEST(DuctScreens, GrilleBox) {
  test::TestDrive t;
  duct::GrilleBox dialog(t.env());
  test::Screen screen(dialog);
  EXPECT_GT(test::CountColour(screen.Save("grille_box"), qRgb(0, 255, 0)), 100);
}
