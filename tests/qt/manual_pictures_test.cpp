// The manual's pictures: the panel and the dialog of each of its commands as
// it opens on a new drive. They are taken here, with the screenshots, and
// compared with the pictures the manual ships, so that the manual never shows
// a dialog that has since changed: a difference fails, and running the test
// with TAVRIN_UPDATE_MANUAL=1 writes the new pictures into the shipped data
// (resources/install/Tavrin/Mnl/img) to be committed with the change.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cstdlib>

#include "app/CommandPanel.h"
#include "app/CommandTable.h"
#include "settings/AttributeDialog.h"
#include "tests/TestDrive.h"
#include "tests/qt/QtTestSupport.h"

namespace {

const QString kShipped = TAVRIN_SOURCE_DATA "/Tavrin/Mnl/img/";

// Takes the dialog's picture and holds it against the shipped one.
void CheckPicture(ui::DialogHandler& dialog, const std::string& name) {
  test::Screen screen(dialog);
  QImage taken = screen.Save("manual/" + name).convertToFormat(QImage::Format_RGB32);
  QString shipped = kShipped + QString::fromStdString(name) + ".png";
  if (std::getenv("TAVRIN_UPDATE_MANUAL")) {
    QDir().mkpath(kShipped);
    ASSERT_TRUE(taken.save(shipped));
    return;
  }
  QImage before(shipped);
  ASSERT_FALSE(before.isNull()) << shipped.toStdString() << " is missing: run with TAVRIN_UPDATE_MANUAL=1";
  EXPECT_TRUE(before.convertToFormat(QImage::Format_RGB32) == taken)
      << "the manual's picture " << name << ".png shows the dialog as it was: look at build/screenshots/manual/"
      << name << ".png and run the Qt tests with TAVRIN_UPDATE_MANUAL=1 to ship it";
}

}  // namespace

TEST(ManualPictures, ThePanel) {
  test::TestDrive t;
  app::CommandPanel panel(t.env());
  CheckPicture(panel, "panel");
}

TEST(ManualPictures, EveryCommandsDialog) {
  for (const auto* table : {&app::DuctCommands(), &app::PipeCommands()}) {
    for (const app::Command& command : *table) {
      test::TestDrive t;
      std::unique_ptr<ui::DialogHandler> dialog = command.open(t.env());
      CheckPicture(*dialog, "cmd" + std::to_string(command.buttonId));
    }
  }
  test::TestDrive t;
  settings::AttributeDialog attributes(t.env());
  CheckPicture(attributes, "cmd" + std::to_string(app::kAttributeButton));
}
