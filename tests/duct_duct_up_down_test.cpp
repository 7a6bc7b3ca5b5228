#include <gtest/gtest.h>

#include "duct/DuctUpDown.h"
#include "tests/FigureLines.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"
#include "ui/headless/Driver.h"

using U = duct::DuctUpDown;
using test::RecordLines;

namespace {

const char* kDrawData = R"(\Tavrin\set\DrawData.txt)";

class DuctUpDownTest : public ::testing::Test {
 protected:
  DuctUpDownTest() {
    t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "25", "50", "50"});
    dialog.UserInit();
  }
  // The side sketch's example: H 250, G 300, C 150, U 100, V 200, middle 500.
  void Example() {
    user.Type(U::kHeight, "250");
    user.Type(U::kSecond, "300");
    user.Type(U::kThird, "150");
    user.Type(U::kStraightU, "100");
    user.Type(U::kStraightV, "200");
    user.Type(U::kMiddle, "500");
  }
  test::TestDrive t;
  U dialog{t.env()};
  ui::Driver user{dialog};
};

}  // namespace

TEST_F(DuctUpDownTest, StepAndTotalLength) {
  Example();
  user.Type(U::kEndWidth, "400");
  user.Type(U::kMiddleWidth, "400");
  user.Click("両側");
  EXPECT_EQ(user.Text(U::kStepLength), "308");  // √(525² − 425²) = 308.2
  EXPECT_EQ(user.Text(U::kTotal), "1716");
  const std::vector<std::string> lines = RecordLines(dialog.figure());
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "1,1,-50,200,0,200");
  // The far end mirrors the start about the middle, right after the first
  // stepped part's 12 records: its extension ends at T + M.
  EXPECT_EQ(lines[12], "1,1,1716,200,1766,200");
  EXPECT_EQ(lines[24], "1,1,1183,200,533,200");  // the middle part's sides
  EXPECT_EQ(lines[25], "1,1,1183,-200,533,-200");
  EXPECT_EQ(user.Text(U::kStatus), "設定後配置実行をクリック");
}

TEST_F(DuctUpDownTest, TheOffsetFollowsTheWidths) {
  Example();
  user.Type(U::kEndWidth, "400");
  user.Type(U::kMiddleWidth, "400");
  user.Type(U::kOffset, "30");
  user.Click("表示更新");
  EXPECT_EQ(user.Text(U::kOffset), "0");  // equal widths never keep an offset
  user.Select(U::kMiddleWidthList, "500");
  EXPECT_EQ(user.Text(U::kOffset), "50");
  user.Type(U::kOffset, "25");
  user.Select(U::kEndWidthList, "550");  // wider ends leave the offset as typed
  EXPECT_EQ(user.Text(U::kOffset), "25");
  user.Select(U::kEndWidthList, "450");
  EXPECT_EQ(user.Text(U::kOffset), "25");
  user.Type(U::kMiddleWidth, "455");
  user.Select(U::kEndWidthList, "400");
  EXPECT_EQ(user.Text(U::kOffset), "27.5");
  // A second decimal is cut off, not rounded.
  user.Type(U::kMiddleWidth, "549.5");
  user.Select(U::kEndWidthList, "400");
  EXPECT_EQ(user.Text(U::kOffset), "74.7");
  user.Type(U::kEndWidth, "299.9");
  user.Select(U::kMiddleWidthList, "450");
  EXPECT_EQ(user.Text(U::kOffset), "75");
}

TEST_F(DuctUpDownTest, GoingUpSwapsSeenAndHiddenBends) {
  Example();
  user.Type(U::kEndWidth, "400");
  user.Type(U::kMiddleWidth, "400");
  user.Click("片側");
  user.Click("下側");
  EXPECT_EQ(RecordLines(dialog.figure())[3], "1,1,187,200,187,-200");  // at 0.75·H
  EXPECT_EQ(RecordLines(dialog.figure())[6], "2,4,62,200,62,-200");    // at 0.25·H
  user.Click("上側");
  EXPECT_EQ(RecordLines(dialog.figure())[3], "2,4,187,200,187,-200");
  EXPECT_EQ(RecordLines(dialog.figure())[6], "1,1,62,200,62,-200");
  EXPECT_EQ(RecordLines(dialog.figure())[8], "2,4,187,200,62,-200");  // the diagonal stays hidden
}

TEST_F(DuctUpDownTest, ImpossibleInputIsRefusedAndNothingPlaced) {
  Example();
  t.Write(kDrawData, {"previous"});
  user.Type(U::kEndWidth, "400");
  user.Type(U::kMiddleWidth, "500");
  user.Type(U::kOffset, "-10");
  user.Click("表示更新");
  EXPECT_EQ(t.MessageTexts().back(), "オフセット値にマイナスは入力できません。");
  EXPECT_EQ(t.services().messages.back().title, "入力確認");
  EXPECT_EQ(dialog.figure().count(), 0);
  user.Click("配置実行");
  EXPECT_EQ(t.Lines(kDrawData), std::vector<std::string>{"previous"});

  // A middle part far higher than the end part leaves no real step length.
  user.Type(U::kOffset, "50");
  user.Type(U::kHeight, "100");
  user.Type(U::kSecond, "500");
  user.Type(U::kThird, "0");
  user.Click("配置実行");
  EXPECT_EQ(t.MessageTexts().back(), "H・G・Cの寸法では段差部の長さが求まりません。寸法を確認してください。");
  EXPECT_EQ(t.Lines(kDrawData), std::vector<std::string>{"previous"});
  EXPECT_NE(user.Text(U::kStatus), "<<配置できます>>");
}

TEST(DuctUpDownPlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("duct_up_down.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(kDrawData),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " -1.000000e+002 1.000000e+002 0.000000e+000 1.000000e+002",
                " -1.000000e+002 -1.000000e+002 0.000000e+000 -1.000000e+002",
                " 0.000000e+000 1.000000e+002 2.500000e+001 1.000000e+002",
                " 2.500000e+001 1.000000e+002 1.980000e+002 1.500000e+002",
                " 1.980000e+002 1.500000e+002 2.730000e+002 1.500000e+002",
                " 2.500000e+001 1.000000e+002 7.500000e+001 1.000000e+002",
                " 7.500000e+001 1.000000e+002 2.480000e+002 1.500000e+002",
                " 7.500000e+001 1.000000e+002 7.500000e+001 -1.000000e+002",
                " 2.480000e+002 1.500000e+002 2.480000e+002 -1.500000e+002",
                " 0.000000e+000 -1.000000e+002 2.500000e+001 -1.000000e+002",
                " 2.500000e+001 -1.000000e+002 1.980000e+002 -1.500000e+002",
                " 1.980000e+002 -1.500000e+002 2.730000e+002 -1.500000e+002",
                " 2.500000e+001 -1.000000e+002 7.500000e+001 -1.000000e+002",
                " 7.500000e+001 -1.000000e+002 2.480000e+002 -1.500000e+002",
                " 7.500000e+001 -1.000000e+002 7.500000e+001 1.000000e+002",
                " 2.480000e+002 -1.500000e+002 2.480000e+002 1.500000e+002",
                "lt2", "lc1",
                " 2.500000e+001 1.000000e+002 2.500000e+001 -1.000000e+002",
                " 1.980000e+002 1.500000e+002 1.980000e+002 -1.500000e+002",
                " 7.500000e+001 1.000000e+002 2.500000e+001 -1.000000e+002",
                " 2.480000e+002 1.500000e+002 1.980000e+002 -1.500000e+002",
                "lt1",
                " 4.000000e+001 1.000000e+002 4.000000e+001 -1.000000e+002",
                "lc2",
                " 0.000000e+000 1.250000e+002 0.000000e+000 -1.250000e+002",
                "lc1",
                " 2.330000e+002 1.500000e+002 2.330000e+002 -1.500000e+002",
                " 3.130000e+002 1.500000e+002 3.130000e+002 -1.500000e+002",
                "lc2",
                " 2.730000e+002 1.750000e+002 2.730000e+002 -1.750000e+002",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Updown.ini)"),
            (std::vector<std::string>{"200", "300", "100", "100", "100", "50", "200", "50", "50", "1", "2", "1", "1",
                                      "0", "0", "0"}));
  // The drawing name sums the first 13 lines only.
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawName.ini)").at(0).substr(0, 15), "UPD_1923D000000");
}
