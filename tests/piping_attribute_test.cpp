#include <gtest/gtest.h>

#include "piping/FittingAttributeDialog.h"
#include "piping/PipeLineAttributeDialog.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using namespace piping;

namespace {

const char* const kTugiteSet = R"(\Tavrin\HaikanSet\TugiteSet.ini)";
const char* const kHaikanSet = R"(\Tavrin\HaikanSet\HaikanSet.ini)";

}  // namespace

TEST(FittingAttributes, ShowsAFamilyAsLayerAndTypeColourFields) {
  test::TestDrive t;
  std::vector<std::string> lines(22, "0-3-1-2,0-3-2-2,0-3-5-1");
  lines[7] = "1-4-1-3,2-5-2-6,3-6-5-7";
  t.Write(kTugiteSet, lines);
  FittingAttributeDialog dialog(t.env());
  ui::Driver user(dialog);
  dialog.UserInit();
  EXPECT_EQ(dialog.form().Text(kFamilyBox), "ＴＳ継手");
  EXPECT_EQ(dialog.form().Text(kFamilyHeading), "【ＴＳ継手】の設定");
  user.SelectIndex(kFamilyBox, 7);
  EXPECT_EQ(dialog.form().Text(kFamilyHeading), "【銅管継手】の設定");
  EXPECT_EQ(dialog.form().Text(kPartLayer + 1), "2-5");
  EXPECT_EQ(dialog.form().Text(kPartTypeColour + 2), "5-7");
}

TEST(FittingAttributes, KeepsTheEditsOfEveryFamilyOnEveryClosingPath) {
  for (bool byEnter : {false, true}) {
    test::TestDrive t;
    FittingAttributeDialog dialog(t.env());
    ui::Driver user(dialog);
    dialog.UserInit();
    user.Type(kPartLayer, "1-1");
    user.SelectIndex(kFamilyBox, 3);
    user.Type(kPartTypeColour + 2, "6-9");
    user.SelectIndex(kFamilyBox, 12);
    user.Type(kPartTypeColour + 1, "3-4");  // the family on screen when closing
    if (byEnter) user.Enter();
    else user.Click("OK");
    ASSERT_TRUE(dialog.form().ended());
    std::vector<std::string> lines = t.Lines(kTugiteSet);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "1-1-1-2,0-3-2-2,0-3-5-1");
    EXPECT_EQ(lines[3], "0-3-1-2,0-3-2-2,0-3-6-9");
    EXPECT_EQ(lines[12], "0-3-1-2,0-3-3-4,0-3-5-1") << (byEnter ? "Enter" : "OK");
  }
}

TEST(FittingAttributes, EscLeavesTheFileAsItWas) {
  test::TestDrive t;
  std::vector<std::string> before = t.Lines(kTugiteSet);
  FittingAttributeDialog dialog(t.env());
  ui::Driver user(dialog);
  dialog.UserInit();
  user.Type(kPartLayer, "1-1");
  user.Close();
  EXPECT_TRUE(dialog.form().ended());
  EXPECT_EQ(t.Lines(kTugiteSet), before);
}

namespace {

struct PipeAttributes {
  test::TestDrive t;
  std::vector<std::string> before = t.Lines(kHaikanSet);
  PipeLineAttributeDialog dialog{t.env()};
  ui::Driver user{dialog};
  PipeAttributes() { dialog.UserInit(); }
  // Types the fields, presses OK and returns the messages shown.
  std::vector<std::string> Ok(const std::vector<std::pair<int, std::string>>& typeColours) {
    for (const auto& [row, text] : typeColours) user.Type(kPipeTypeColour + row, text);
    user.Click("OK");
    EXPECT_TRUE(dialog.form().ended());
    return t.MessageTexts();
  }
};

}  // namespace

TEST(PipeLineAttributes, ShowsTheThirteenPipes) {
  PipeAttributes p;
  EXPECT_EQ(p.dialog.form().Text(kPipeNameLabel + 12), "丸ダクト");
  EXPECT_EQ(p.dialog.form().Text(kPipeLayer), "0-2");
  EXPECT_EQ(p.dialog.form().Text(kPipeTypeColour), "1-2");
}

TEST(PipeLineAttributes, TheLastFailingCheckIsReportedAndNothingWritten) {
  {
    PipeAttributes p;
    EXPECT_EQ(p.Ok({{2, "12-5"}, {6, "0-3"}}), std::vector<std::string>{"線種番号に0は入力できません。"});
    EXPECT_EQ(p.t.services().messages[0].title, "入力確認");
    EXPECT_EQ(p.t.Lines(kHaikanSet), p.before);
  }
  {
    PipeAttributes p;
    EXPECT_EQ(p.Ok({{0, "2-256"}}), std::vector<std::string>{"線色番号に256以上は入力できません。"});
  }
  {
    PipeAttributes p;
    EXPECT_EQ(p.Ok({{4, "3-0"}, {5, "12-x"}}), std::vector<std::string>{"線色番号に0・または文字は入力できません。"});
  }
  {
    PipeAttributes p;
    EXPECT_EQ(p.Ok({{5, "12-3"}}), std::vector<std::string>{"線種番号に12以上は入力できません。"});
  }
}

TEST(PipeLineAttributes, ValidFieldsAreWritten) {
  PipeAttributes p;
  p.user.Type(kPipeLayer + 12, "1-A");
  EXPECT_TRUE(p.Ok({{0, "2-255"}, {12, "11-1"}}).empty());
  std::vector<std::string> lines = p.t.Lines(kHaikanSet);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "0-2-2-255");
  EXPECT_EQ(lines[12], "1-A-11-1");
}

TEST(FittingAttributes, AFailedOpeningClosesWithoutWriting) {
  test::TestDrive t;
  auto before = t.Lines(R"(\Tavrin\HaikanSet\TugiteSet.ini)");
  t.Remove(R"(\Tavrin\HaikanSet\TugiteName.ini)");
  FittingAttributeDialog dialog(t.env());
  dialog.UserInit();
  EXPECT_EQ(t.services().messages.size(), 1u);
  EXPECT_TRUE(dialog.form().ended());
  if (!dialog.form().ended()) dialog.UserEnter();
  EXPECT_EQ(t.Lines(R"(\Tavrin\HaikanSet\TugiteSet.ini)"), before);
}
