// Every drop list whose choice lands in a box shows the entry equal to the
// box's text, or none: as the dialog opens, and after anything types in it.
#include <gtest/gtest.h>

#include "app/CommandTable.h"
#include "duct/FittingDialog.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

TEST(DuctSizeLists, ShowTheEntryTheirBoxHolds) {
  int checked = 0;
  for (const app::Command& command : app::DuctCommands()) {
    test::TestDrive t;
    std::unique_ptr<ui::DialogHandler> dialog = command.open(t.env());
    auto* fitting = dynamic_cast<duct::FittingDialog*>(dialog.get());
    ASSERT_NE(fitting, nullptr);
    dialog->UserInit();
    ui::Form& form = dialog->form();
    ui::Driver user(*dialog);
    for (const duct::ListedBox& listed : fitting->listedBoxes()) {
      SCOPED_TRACE(command.caption + " list " + std::to_string(listed.list));
      const std::vector<std::string>& items = form.Items(listed.list);
      ASSERT_FALSE(items.empty());
      const std::string& held = form.Text(listed.box);
      EXPECT_EQ(form.Text(listed.list), form.FindItem(listed.list, held) >= 0 ? held : "");
      if (!form.Enabled(listed.box) || !form.Visible(listed.box)) continue;
      user.Type(listed.box, items.back());
      EXPECT_EQ(form.Selection(listed.list), static_cast<int>(items.size()) - 1);
      user.Type(listed.box, "12345");
      EXPECT_EQ(form.Selection(listed.list), -1);
      EXPECT_EQ(form.Text(listed.list), "");
      ++checked;
    }
  }
  EXPECT_GE(checked, 30);
}
