#include <gtest/gtest.h>

#include <algorithm>

#include "duct/StraightDuct.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using duct::StraightDuct;

namespace {

const char* kChoku = R"(\Tavrin\set\Choku.ini)";
const char* kChokuSet = R"(\Tavrin\set\ChokuSet.ini)";

class StraightDuctTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<StraightDuct>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  // How many template lines the paint draws in the disabled grey.
  int GreyedLines() {
    ui::RecordingCanvas canvas;
    dialog->UserPaint(canvas);
    int greyed = 0;
    for (size_t i = 0; i + 1 < canvas.calls.size(); ++i)
      if (canvas.calls[i] == "pen (192,192,192) solid") ++greyed;
    return greyed;
  }
  test::TestDrive t;
  std::unique_ptr<StraightDuct> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST_F(StraightDuctTest, PlacingWritesTheRunFilesAndNoDrawingData) {
  t.Write(R"(\Tavrin\set\DrawData.txt)", {"previous"});
  t.Write(R"(\Tavrin\set\DakutoSet.ini)", {"1-2-3-4", "5-6-7-8", "9-10-11-12", "0-0-0-0"});
  Open();
  user->Type(StraightDuct::kPitch, "1750");
  user->Click("フランジのみ割込み作図");
  user->Click(StraightDuct::kStyle1 + 2);
  user->Click(StraightDuct::kRightEnd);
  user->Click("45°固定");
  user->Click("配置実行");
  EXPECT_EQ(user->Text(StraightDuct::kStatus), "<<配置できます>>");
  EXPECT_EQ(t.Lines(kChoku),
            (std::vector<std::string>{"300", "40", "25", "1750", "3", "2", "1", "0", "0", "1"}));
  // Duct body, then the flange joints (line 3), then the angle lines (line 2).
  EXPECT_EQ(t.Lines(kChokuSet), (std::vector<std::string>{"1", "2", "3", "4", "9", "10", "11", "12", "5", "6",
                                                          "7", "8"}));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"), std::vector<std::string>{"previous"});
}

TEST_F(StraightDuctTest, AnEndNotToBeDrawnIsGreyedInTheSketch) {
  Open();
  EXPECT_EQ(GreyedLines(), 0);
  user->Click(StraightDuct::kRightEnd);
  const int right = GreyedLines();
  EXPECT_EQ(right, 6);  // the right end's two side pieces and its flange's outline
  user->Click(StraightDuct::kLeftEnd);
  EXPECT_EQ(GreyedLines(), 2 * right);
}

TEST_F(StraightDuctTest, StatusFollowsTheFieldsAndReopeningRestoresThem) {
  t.Remove(R"(\Tavrin\set\KyotuSet.ini)");  // the straight duct reads none of the common lengths
  Open();
  EXPECT_EQ(user->Text(StraightDuct::kStatus), "設定後配置実行をクリック");
  user->Type(StraightDuct::kAngleOut, "30");
  EXPECT_EQ(user->Text(StraightDuct::kStatus), "《表示更新をクリック》");
  user->Select(StraightDuct::kSizeList, "650");
  EXPECT_EQ(user->Text(StraightDuct::kSize), "650");
  EXPECT_EQ(user->Text(StraightDuct::kStatus), "設定後配置実行をクリック");
  user->Click("ダクト線のみ作図");
  user->Click("現在のレイヤに作図");
  user->Click("配置実行");
  Open();
  EXPECT_EQ(user->Text(StraightDuct::kSize), "650");
  EXPECT_EQ(user->Text(StraightDuct::kAngleOut), "30");
  EXPECT_TRUE(user->Checked("ダクト線のみ作図"));
  EXPECT_TRUE(user->Checked("現在のレイヤに作図"));
  EXPECT_EQ(user->Text(StraightDuct::kStatus), "設定後配置実行をクリック");
  EXPECT_TRUE(t.services().messages.empty());
}

TEST(StraightDuctPlay, PreparesARunFromThePanel) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("straight_duct.play"));
  ASSERT_TRUE(run.ok) << run.output;
  std::vector<std::string> batch = t.Lines(R"(\jww\作図.bat)");
  ASSERT_EQ(batch.size(), 11u);
  EXPECT_EQ(batch[5], "REM  #1 【直管作図】基点位置を指示してください。");
  EXPECT_EQ(batch[10], R"(\Tavrin\exe\DuctRun.exe)");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Choku.ini)"),
            (std::vector<std::string>{"450", "40", "25", "1820", "1", "2", "0", "1", "0", "0"}));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\ChokuSet.ini)"),
            (std::vector<std::string>{"0", "2", "1", "2", "0", "2", "1", "2", "0", "2", "1", "1"}));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"13"});
}

// The pictures of the styles and DuctRun.exe follow this note.
TEST_F(StraightDuctTest, TheDialogSaysThePointsGoClockwise) {
  Open();
  const auto& controls = dialog->form().layout().controls;
  EXPECT_TRUE(std::any_of(controls.begin(), controls.end(),
                          [](const ui::Control& c) { return c.caption == "※ポイント指示は時計回り"; }));
}
