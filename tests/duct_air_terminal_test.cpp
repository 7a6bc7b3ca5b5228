#include <gtest/gtest.h>

#include "duct/AnemoBox.h"
#include "duct/AnemoUnineck.h"
#include "duct/GrilleBox.h"
#include "tests/FigureOutline.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"
#include "ui/headless/Driver.h"

using duct::AnemoBox;
using duct::AnemoUnineck;
using duct::GrilleBox;
using ui::GetListField;
using ui::ToReal;

using test::CountLines;

namespace {

const char* kDrawData = R"(\Tavrin\set\DrawData.txt)";

class AnemoBoxTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<AnemoBox>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  test::TestDrive t;
  std::unique_ptr<AnemoBox> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST_F(AnemoBoxTest, SquareDuctFlangeAndAngleLines) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"5", "3", "100", "50"});
  Open();
  user->Click("ボックス+角ダクト");
  user->Type(AnemoBox::kBoxSize, "500");
  user->Type(AnemoBox::kDuctLength, "150");
  user->Type(AnemoBox::kDuctWidth, "350");
  user->Click("表示更新");
  EXPECT_EQ(CountLines(dialog->figure(), 400, 178, 400, -178), 1);
  EXPECT_EQ(CountLines(dialog->figure(), 395, 175, 395, -175), 1);
}

TEST_F(AnemoBoxTest, TheStepLineDecidesHowOftenTheRightSideIsDrawn) {
  Open();
  user->Click("ボックス+丸ダクト");
  user->Type(AnemoBox::kBoxSize, "500");
  if (!user->Checked("内貼り有")) user->Click("内貼り有");
  if (user->Checked("段差書込み有")) user->Click("段差書込み有");
  EXPECT_EQ(CountLines(dialog->figure(), 250, -250, 250, 250), 2);
  user->Click("段差書込み有");
  EXPECT_EQ(CountLines(dialog->figure(), 250, -250, 250, 250), 1);
}

TEST_F(AnemoBoxTest, ASizeSetsNeckAnemostatAndBox) {
  Open();
  user->Click("丸アネモ");
  user->Type(AnemoBox::kMargin, "100");
  user->Focus(AnemoBox::kNeck);  // a linked box focused last must not undo the choice
  user->Select(AnemoBox::kSizeList, "#25");
  EXPECT_EQ(user->Text(AnemoBox::kNeck), "248");
  EXPECT_EQ(user->Text(AnemoBox::kAnemostat), "540");
  EXPECT_EQ(user->Text(AnemoBox::kBoxSize), "448");
  user->Click("角アネモ");
  EXPECT_EQ(user->Text(AnemoBox::kAnemostat), "530");
}

TEST_F(AnemoBoxTest, LinkedBoxesFollowTheOneBeingTyped) {
  Open();
  user->Type(AnemoBox::kNeck, "200");
  user->Type(AnemoBox::kMargin, "50");
  EXPECT_EQ(user->Text(AnemoBox::kBoxSize), "300");
  user->Type(AnemoBox::kBoxSize, "405");
  EXPECT_EQ(user->Text(AnemoBox::kMargin), "102");  // (405 - 200) / 2 cut to a whole number
  EXPECT_EQ(user->Text(AnemoBox::kStatus), "《表示更新をクリック》");
  // The linked box changes only on focus: typing into the margin without
  // focusing it (the box size was focused last) recomputes nothing.
  dialog->UserEdit(AnemoBox::kMargin, "10");
  EXPECT_EQ(user->Text(AnemoBox::kBoxSize), "405");
}

TEST_F(AnemoBoxTest, PlacingStoresEverythingAndReopeningRestoresIt) {
  Open();
  user->Click("羽子板形ボックス");
  user->Click("角アネモ");
  user->Click("内貼り有");
  user->Click("左右反転");
  user->Click("現在のレイヤに作図");
  user->Click(AnemoBox::kRotation0 + 3);  // 135 degrees
  user->Type(AnemoBox::kPaddle, "321");
  user->Click("配置実行");
  EXPECT_EQ(user->Text(AnemoBox::kStatus), "<<配置できます>>");
  auto first = t.Lines(kDrawData);
  user->Click("配置実行");
  EXPECT_EQ(t.Lines(kDrawData), first);
  auto settings = t.Lines(R"(\Tavrin\set\AnemoB.ini)");
  ASSERT_EQ(settings.size(), 17u);
  EXPECT_EQ(settings[6], "135");
  EXPECT_EQ(settings[11], "1");
  EXPECT_EQ(settings[16], "1");

  Open();
  EXPECT_TRUE(user->Checked("羽子板形ボックス"));
  EXPECT_TRUE(user->Checked("角アネモ"));
  EXPECT_TRUE(user->Checked("内貼り有"));
  EXPECT_TRUE(user->Checked("左右反転"));
  EXPECT_TRUE(user->Checked("現在のレイヤに作図"));
  EXPECT_TRUE(user->Checked(AnemoBox::kRotation0 + 3));
  EXPECT_EQ(user->Text(AnemoBox::kPaddle), "321");
  EXPECT_EQ(user->Text(AnemoBox::kStatus), "設定後配置実行をクリック");
  EXPECT_EQ(dialog->angle(), 135);
}

// A dialog whose opening stopped shows what its files do not say: it closes
// after the message, so that it can neither place nor save.
TEST(AnemoBoxOpening, AMissingFileStopsTheOpeningAndClosesTheDialog) {
  for (const char* file : {"AnemoB.tec", "DakutoSet.ini", "KyotuSet.ini", "AnemoB.ini"}) {
    test::TestDrive t;
    t.Remove(std::string(R"(\Tavrin\set\)") + file);
    AnemoBox dialog(t.env());
    dialog.UserInit();
    ASSERT_EQ(t.services().messages.size(), 1u) << file;
    EXPECT_NE(t.services().messages[0].text.find(file), std::string::npos);
    EXPECT_TRUE(dialog.form().ended()) << file;
    EXPECT_FALSE(t.Exists(kDrawData));
  }
}

TEST(AirTerminalPlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("anemo_box.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(kDrawData),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 4.000000e+002 1.500000e+002 2.500000e+002 1.500000e+002",
                " 2.500000e+002 2.500000e+002 -2.500000e+002 2.500000e+002",
                " -2.500000e+002 2.500000e+002 -2.500000e+002 -2.500000e+002",
                " -2.500000e+002 -2.500000e+002 2.500000e+002 -2.500000e+002",
                " 2.500000e+002 -2.500000e+002 2.500000e+002 2.500000e+002",
                " 2.500000e+002 -1.500000e+002 4.000000e+002 -1.500000e+002",
                " 4.000000e+002 1.750000e+002 4.000000e+002 -1.750000e+002",
                "lc1",
                " 3.600000e+002 1.500000e+002 3.600000e+002 -1.500000e+002",
                "lt2",
                "ci 0.000000e+000 0.000000e+000 1.240000e+002 0.000000e+000 3.600000e+002 1 0",
                "ly3", "lt1", "lc5",
                "ci 0.000000e+000 0.000000e+000 2.700000e+002 0.000000e+000 3.600000e+002 1 0",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"12"});
}

TEST(AirTerminalPlay, UnineckFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("anemo_unineck.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(kDrawData),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 6.000000e+002 1.250000e+002 2.727178e+002 1.250000e+002",
                " 6.000000e+002 -1.250000e+002 2.727178e+002 -1.250000e+002",
                " 6.000000e+002 1.250000e+002 6.000000e+002 -1.250000e+002",
                "ci 0.000000e+000 0.000000e+000 3.000000e+002 0.000000e+000 3.600000e+002 1 0",
                "lt2", "lc1",
                "ci 0.000000e+000 0.000000e+000 1.240000e+002 0.000000e+000 3.600000e+002 1 0",
                "ly3", "lt1", "lc5",
                "ci 0.000000e+000 0.000000e+000 2.700000e+002 0.000000e+000 3.600000e+002 1 0",
            }));
}

TEST(AirTerminalPlay, GrilleBoxByItsCornerLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("grille_box.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(kDrawData),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 0.000000e+000 0.000000e+000 0.000000e+000 4.000000e+002",
                " 0.000000e+000 4.000000e+002 5.000000e+002 4.000000e+002",
                " 5.000000e+002 4.000000e+002 5.000000e+002 0.000000e+000",
                " 5.000000e+002 0.000000e+000 0.000000e+000 0.000000e+000",
                "ly3", "lc5",
                " 1.000000e+002 1.000000e+002 1.000000e+002 3.000000e+002",
                " 1.000000e+002 3.000000e+002 4.000000e+002 3.000000e+002",
                " 4.000000e+002 3.000000e+002 4.000000e+002 1.000000e+002",
                " 4.000000e+002 1.000000e+002 1.000000e+002 1.000000e+002",
                " 1.000000e+002 1.000000e+002 4.000000e+002 3.000000e+002",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\KakuBox.ini)"),
            (std::vector<std::string>{"300", "200", "100", "25", "0", "2", "2", "0", "0", "0"}));
}

TEST(AnemoUnineck, AWideDuctIsRefusedWithAMessage) {
  test::TestDrive t;
  t.Write(kDrawData, {"previous"});
  AnemoUnineck dialog(t.env());
  dialog.UserInit();
  ui::Driver user(dialog);
  user.Type(AnemoUnineck::kChamber, "300");
  user.Type(AnemoUnineck::kDuctWidth, "400");
  user.Click("表示更新");
  EXPECT_TRUE(dialog.figure().finite());  // the preview still draws
  user.Click("配置実行");
  EXPECT_EQ(t.MessageTexts().back(), "ダクト巾Wはチャンバー径R以下にしてください。");
  EXPECT_EQ(t.Lines(kDrawData), std::vector<std::string>{"previous"});
  EXPECT_NE(user.Text(AnemoUnineck::kStatus), "<<配置できます>>");
}

TEST(AnemoUnineck, ASizeSetsNeckDuctChamberAndAnemostat) {
  test::TestDrive t;
  AnemoUnineck dialog(t.env());
  dialog.UserInit();
  ui::Driver user(dialog);
  EXPECT_EQ(user.Text(AnemoUnineck::kStatus), "設定後配置実行をクリック");
  user.Click("角アネモ");
  user.Select(AnemoUnineck::kSizeList, "#20");
  EXPECT_EQ(user.Text(AnemoUnineck::kNeck), "198");
  EXPECT_EQ(user.Text(AnemoUnineck::kDuctWidth), "198");
  EXPECT_EQ(user.Text(AnemoUnineck::kChamber), "400");
  EXPECT_EQ(user.Text(AnemoUnineck::kAnemostat), "440");
  user.Type(AnemoUnineck::kChamber, "410");
  EXPECT_EQ(user.Text(AnemoUnineck::kStatus), "設定後配置実行をクリック");  // R alone marks nothing stale
  user.Type(AnemoUnineck::kDuctLength, "200");
  EXPECT_EQ(user.Text(AnemoUnineck::kStatus), "《表示更新をクリック》");
}

TEST(GrilleBox, CornerPlacementAndPreviewScale) {
  test::TestDrive t;
  GrilleBox dialog(t.env());
  dialog.UserInit();
  ui::Driver user(dialog);
  user.Type(GrilleBox::kWidth, "400");
  user.Type(GrilleBox::kHeight, "300");
  user.Select(GrilleBox::kMarginList, "50");
  user.Click(GrilleBox::kCentre);
  EXPECT_EQ(user.Text(GrilleBox::kBoxWidth), "500");
  EXPECT_EQ(user.Text(GrilleBox::kBoxHeight), "400");
  const std::string& first = dialog.figure().records()[1];
  EXPECT_EQ(first.substr(0, 40), "1,1,1,-250.000000,-200.000000,-250.00000");
  user.Click(GrilleBox::kCorner);
  EXPECT_EQ(dialog.figure().records()[1].substr(0, 32), "1,1,1,0.000000,0.000000,0.000000");
  EXPECT_EQ(dialog.figure().records()[2].substr(0, 40), "1,1,1,0.000000,400.000000,500.000000,400");
  // Items of the margin list are sorted as text.
  EXPECT_EQ(dialog.form().Items(GrilleBox::kMarginList),
            (std::vector<std::string>{"100", "125", "150", "50", "75"}));
  // Enter does not close the dialog: its placing button is not the default.
  user.Enter();
  EXPECT_FALSE(dialog.form().ended());
}
