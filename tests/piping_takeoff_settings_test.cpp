#include <gtest/gtest.h>

#include "takeoff/TakeoffSettingsDialog.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using namespace takeoff;

namespace {

const char* const kForbidden = "： _ | ~ $　は使用できません。";

struct Opened {
  test::TestDrive t;
  TakeoffSettingsDialog dialog{t.env()};
  ui::Driver user{dialog};
  Opened() { dialog.UserInit(); }
  const std::vector<std::string>& Entries() { return dialog.form().Items(kEntries); }
  void Add(const std::string& text, int button) {
    user.Type(std::to_string(kInput), text);
    user.Click(std::to_string(button));
  }
};

}  // namespace

TEST(TakeoffSettings, OpensOnTheFittingClassifications) {
  Opened o;
  EXPECT_TRUE(o.dialog.form().Checked(kListFirst));
  EXPECT_EQ(o.Entries(), o.t.Lines(R"(\Tavrin\HaikanSet\TugiteBunruiName.ini)"));
  EXPECT_TRUE(o.dialog.form().Checked(kFittingOwnLayer));
  EXPECT_EQ(o.dialog.form().Text(kFittingLayer), "9");
}

TEST(TakeoffSettings, RefusesForbiddenCharactersOncePerKindAndPrefixesSilently) {
  Opened o;
  size_t before = o.Entries().size();
  o.Add("a|b~c", kAddLast);
  EXPECT_EQ(o.t.MessageTexts(), (std::vector<std::string>{kForbidden, kForbidden}));
  o.Add("x_y:z：", kAddFirst);
  EXPECT_EQ(o.t.MessageTexts().size(), 3u);  // the three separators count once
  o.Add("給", kAddLast);                     // the beginning of "給水"
  o.Add("GAS", kAddLast);
  o.Add("gas", kAddLast);  // the same without regard to case
  EXPECT_EQ(o.t.MessageTexts().size(), 3u);
  ASSERT_EQ(o.Entries().size(), before + 1);
  EXPECT_EQ(o.Entries().back(), "GAS");
  o.Add("", kAddFirst);
  EXPECT_EQ(o.Entries().size(), before + 1);
}

TEST(TakeoffSettings, PositionButtonsWorkOnTheSelectedEntryOnly) {
  Opened o;
  EXPECT_FALSE(o.dialog.form().Enabled(kDeleteSelection));
  EXPECT_THROW(o.user.Click(std::to_string(kInsertAtSelection)), ui::DriverError);
  o.user.SelectIndex(std::to_string(kEntries), 1);
  EXPECT_EQ(o.dialog.form().Text(kInput), "給水");
  o.Add("上水", kReplaceSelection);
  EXPECT_EQ(o.Entries()[1], "上水");
  EXPECT_EQ(o.dialog.form().Selection(kEntries), 1);
  o.Add("中水", kInsertAtSelection);
  EXPECT_EQ(o.Entries()[1], "中水");
  EXPECT_EQ(o.Entries()[2], "上水");
  EXPECT_EQ(o.dialog.form().Selection(kEntries), 2);  // still the entry that was chosen

  int last = static_cast<int>(o.Entries().size()) - 1;
  o.user.SelectIndex(std::to_string(kEntries), last);
  o.user.Click(std::to_string(kDeleteSelection));
  EXPECT_EQ(o.dialog.form().Selection(kEntries), -1);
  EXPECT_FALSE(o.dialog.form().Enabled(kReplaceSelection));
  o.user.SelectIndex(std::to_string(kEntries), 0);
  o.user.Click(std::to_string(kDeleteSelection));
  EXPECT_EQ(o.Entries()[0], "中水");
  EXPECT_EQ(o.dialog.form().Selection(kEntries), 0);
}

TEST(TakeoffSettings, SwitchingListsStoresTheShownOneFirst) {
  Opened o;
  o.user.Click(std::to_string(kListFirst + 1));
  o.Add("空調ドレン", kAddLast);
  o.user.Click(std::to_string(kListFirst + 2));
  EXPECT_EQ(o.t.Lines(R"(\Tavrin\HaikanSet\KanBunruiName.ini)").back(), "空調ドレン");
  EXPECT_EQ(o.Entries(), o.t.Lines(R"(\Tavrin\HaikanSet\KanName1.ini)"));
  EXPECT_EQ(o.dialog.form().Text(kInput), "");
}

TEST(TakeoffSettings, OkWritesTheListAndTheMarkerLayers) {
  Opened o;
  o.Add("空調", kAddFirst);
  o.user.Click(std::to_string(kPipeFixedLayer));
  o.user.Type(std::to_string(kPipeGroup), "2");
  o.user.Type(std::to_string(kPipeLayer), "F");
  o.user.Enter();
  EXPECT_TRUE(o.dialog.form().ended());
  EXPECT_EQ(o.t.Lines(R"(\Tavrin\HaikanSet\TugiteBunruiName.ini)")[0], "空調");
  EXPECT_EQ(o.t.Lines(R"(\Tavrin\HaikanSet\SekisanSet.ini)"),
            (std::vector<std::string>{"0", "0", "9", "1", "2", "F"}));
}

TEST(TakeoffSettings, AFailedOpeningClosesWithoutWriting) {
  test::TestDrive t;
  auto layers = t.Lines(R"(\Tavrin\HaikanSet\SekisanSet.ini)");
  t.Remove(R"(\Tavrin\HaikanSet\TugiteBunruiName.ini)");
  TakeoffSettingsDialog dialog(t.env());
  dialog.UserInit();
  EXPECT_EQ(t.services().messages.size(), 1u);
  EXPECT_TRUE(dialog.form().ended());
  if (!dialog.form().ended()) dialog.UserEnter();
  EXPECT_EQ(t.Lines(R"(\Tavrin\HaikanSet\SekisanSet.ini)"), layers);
  EXPECT_FALSE(t.Exists(R"(\Tavrin\HaikanSet\TugiteBunruiName.ini)"));
}

// A list that cannot be read leaves the list shown and its button checked
// together, so that edits go to the file they were made in.
TEST(TakeoffSettings, AListThatCannotBeReadKeepsTheShownListAndItsButton) {
  Opened o;
  o.t.Remove(R"(\Tavrin\HaikanSet\KanName1.ini)");
  o.user.Click(std::to_string(kListFirst + 2));
  ASSERT_EQ(o.t.services().messages.size(), 1u);
  EXPECT_NE(o.t.services().messages[0].text.find("KanName1.ini"), std::string::npos);
  EXPECT_TRUE(o.dialog.form().Checked(kListFirst));
  EXPECT_FALSE(o.dialog.form().Checked(kListFirst + 2));
  EXPECT_EQ(o.Entries(), o.t.Lines(R"(\Tavrin\HaikanSet\TugiteBunruiName.ini)"));
  o.Add("空調", kAddFirst);
  o.user.Enter();
  EXPECT_EQ(o.t.Lines(R"(\Tavrin\HaikanSet\TugiteBunruiName.ini)")[0], "空調");
  EXPECT_FALSE(o.t.Exists(R"(\Tavrin\HaikanSet\KanName1.ini)"));
}
