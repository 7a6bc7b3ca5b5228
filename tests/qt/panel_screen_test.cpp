#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "app/CommandPanel.h"
#include "settings/AttributeDialog.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

TEST(PanelScreen, ShowsTheRealPanel) {
  test::TestDrive t;
  app::CommandPanel panel(t.env());
  test::Screen screen(panel);
  QImage image = screen.Save("panel");
  EXPECT_GT(image.width(), 600);
  auto* status = qobject_cast<QLabel*>(screen.window().widget(app::kStatusLabel));
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->text().toStdString(), "属性は【標準】が選択されています。");
  // The status label's grey background is painted.
  EXPECT_GT(test::CountColour(image, qRgb(192, 192, 192)), 1000);
  auto* elbow = qobject_cast<QPushButton*>(screen.window().widget(1103));
  ASSERT_NE(elbow, nullptr);
  EXPECT_TRUE(elbow->isCheckable());
  EXPECT_EQ(elbow->text().toStdString(), "一般両エルボ");
}

TEST(PanelScreen, TheStatusLineShowsAMissingPlacingProgramWhole) {
  test::TestDrive t;
  t.Remove(R"(\Tavrin\exe\TakeoffRead.exe)");
  app::CommandPanel panel(t.env());
  test::Screen screen(panel);
  screen.Save("panel_without_programs");
  auto* status = qobject_cast<QLabel*>(screen.window().widget(app::kStatusLabel));
  ASSERT_NE(status, nullptr);
  EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()), status->width());
}

TEST(PanelScreen, ShowsTheAttributeDialog) {
  test::TestDrive t;
  settings::AttributeDialog dialog(t.env());
  test::Screen screen(dialog);
  QImage image = screen.Save("attribute_dialog");
  EXPECT_GT(test::CountColour(image, qRgb(225, 0, 0)), 50);  // the red note
}
