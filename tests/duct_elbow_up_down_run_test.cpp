#include <gtest/gtest.h>

#include "duct/ElbowUpDownRun.h"
#include "tests/FigureLines.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"
#include "ui/headless/Driver.h"

using R = duct::ElbowUpDownRun;
using test::RecordLines;

namespace {

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class ElbowUpDownRunTest : public ::testing::Test {
 protected:
  ElbowUpDownRunTest() {
    t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "25", "100", "50"});
    Open();
  }
  void Open() {
    dialog = std::make_unique<R>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  // The straight shape: upstream W1 x H1, downstream W2 x H2 (split evenly), E.
  void Straight(const char* shape, const std::string& w1, const std::string& h1, const std::string& w2,
                const std::string& h2) {
    user->Click("ストレート");
    user->Click(shape);
    user->Type(R::kWidth, w1);
    user->Type(R::kHeight, h1);
    user->Type(R::kDownWidth, w2);
    user->Type(R::kDownHeight, h2);
    user->Type(R::kStraightLength, "200");
    user->Click("表示更新");
  }
  test::TestDrive t;
  std::unique_ptr<R> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST_F(ElbowUpDownRunTest, UpstreamSizesCarryOverToTheDownstreamDuct) {
  user->Click("ストレート");
  user->Select(R::kWidthList, "400");
  EXPECT_EQ(user->Text(R::kWidth), "400");
  EXPECT_EQ(user->Text(R::kDownWidth), "400");
  EXPECT_EQ(user->Text(R::kHalfA), "200");
  EXPECT_EQ(user->Text(R::kHalfB), "200");
  user->Type(R::kHalfA, "150");
  EXPECT_EQ(user->Text(R::kHalfB), "250");
  user->Type(R::kHeight, "350");
  EXPECT_EQ(user->Text(R::kDownHeight), "350");
  EXPECT_EQ(user->Text(R::kStatus), "《表示更新をクリック》");
  user->Click("左右反転");  // rebuilds: the preview is current again
  EXPECT_EQ(user->Text(R::kStatus), "設定後配置実行をクリック");

  // The L-shape: the upstream height becomes the downstream width, and the
  // straight boxes are out of use but keep their values.
  user->Click("Ｌ形");
  EXPECT_FALSE(dialog->form().Enabled(R::kWidth));
  EXPECT_FALSE(dialog->form().Enabled(R::kHalfA));
  EXPECT_TRUE(dialog->form().Enabled(R::kOuter));
  user->Type(R::kLHeight, "250");
  EXPECT_EQ(user->Text(R::kDownWidth), "250");
  EXPECT_EQ(user->Text(R::kHalfA), "125");
  EXPECT_EQ(user->Text(R::kHalfB), "125");
  user->Select(R::kLWidthList, "500");
  EXPECT_EQ(user->Text(R::kDownHeight), "500");
  user->Click("配置実行");
  std::vector<std::string> saved = t.Lines(R"(\Tavrin\set\Jyoge2.ini)");
  ASSERT_EQ(saved.size(), 19u);
  EXPECT_EQ(saved[0], "400");
  EXPECT_EQ(saved[1], "350");
  EXPECT_EQ(saved[9], "2");
  Open();
  EXPECT_TRUE(user->Checked("Ｌ形"));
  EXPECT_EQ(user->Text(R::kHalfA), "125");
  EXPECT_EQ(user->Text(R::kLengthRiser), saved[15]);
  EXPECT_EQ(user->Text(R::kStatus), "設定後配置実行をクリック");
  EXPECT_FALSE(t.Exists(R"(\Tavrin\set\DrawName.ini)"));
}

TEST_F(ElbowUpDownRunTest, StraightUpperWithEqualSizes) {
  user->Click(R::kSymbol1);
  Straight("上変形", "400", "300", "400", "300");
  EXPECT_EQ(RecordLines(dialog->figure()),
            (std::vector<std::string>{
                "1,3,-500,225,-500,-225", "1,3,500,225,500,-225",
                "1,1,-175,225,-175,-225", "1,1,-150,200,-150,-200",
                "1,2,-460,200,-460,-200", "1,2,460,-200,460,200",
                "1,1,-500,200,-175,200", "1,1,-500,-200,-175,-200",
                "1,1,300,200,500,200", "1,1,300,-200,500,-200",
                "1,1,-150,200,-150,-200",
                "1,1,-175,225,175,225", "1,1,175,225,175,200", "1,1,-150,200,500,200",
                "1,1,-175,-225,175,-225", "1,1,175,-225,175,-200", "1,1,-150,-200,500,-200",
                "2,4,-150,-200,150,200", "2,4,-150,200,150,-200", "2,4,150,200,150,-200",
            }));
  EXPECT_EQ(user->Text(R::kLengthUp), "350");
  EXPECT_EQ(user->Text(R::kLengthDown), "350");
  EXPECT_EQ(user->Text(R::kLengthRiser), "300");
  EXPECT_EQ(user->Text(R::kLengthL), "-");
  // Without an angle width the angle lines still stand, on the end flanges.
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"0", "25", "100", "50"});
  Open();
  Straight("上変形", "400", "300", "400", "300");
  EXPECT_EQ(RecordLines(dialog->figure())[4], "1,2,-500,200,-500,-200");
  EXPECT_EQ(RecordLines(dialog->figure())[5], "1,2,500,-200,500,200");
}

TEST_F(ElbowUpDownRunTest, EveryConstructionIsClosedUpToTheEndFlanges) {
  for (const char* shape : {"ストレート", "Ｌ形"}) {
    for (const char* level : {"下変形", "上変形"}) {
      for (const char* align : {"外合せ", "芯合せ", "内合せ"}) {
        for (const char* downWidth : {"300", "400", "500"}) {
          user->Click(shape);
          user->Click(level);
          if (dialog->form().Enabled(R::kOuter)) user->Click(align);
          user->Type(R::kStraightLength, "200");
          user->Type(R::kDownWidth, downWidth);
          user->Type(R::kDownHeight, downWidth);
          user->Click("表示更新");
          EXPECT_EQ(test::Describe(test::GapsBesideEndFlanges(dialog->figure())), "")
              << shape << level << align << downWidth;
        }
      }
    }
  }
}

TEST_F(ElbowUpDownRunTest, StraightUpperToANarrowerOrWiderDownstreamDuct) {
  Straight("上変形", "400", "300", "300", "200");  // downstream sides at ±150, starting at 150 + 100
  std::vector<std::string> narrower = RecordLines(dialog->figure());
  EXPECT_EQ(narrower[1], "1,3,450,175,450,-175");
  EXPECT_EQ(narrower[8], "1,1,250,150,450,150");
  EXPECT_EQ(std::vector<std::string>(narrower.begin() + 11, narrower.begin() + 16),
            (std::vector<std::string>{"1,1,-150,200,150,200", "1,1,-150,200,250,150", "1,1,150,200,250,150",
                                      "1,1,-175,225,175,225", "1,1,175,225,175,187"}));

  Straight("上変形", "400", "300", "500", "200");  // wider: the downstream duct starts at H1
  std::vector<std::string> wider = RecordLines(dialog->figure());
  EXPECT_EQ(wider[1], "1,3,500,275,500,-275");
  EXPECT_EQ(std::vector<std::string>(wider.begin() + 11, wider.begin() + 15),
            (std::vector<std::string>{"2,4,-150,200,150,200", "2,4,150,200,300,250", "1,1,-150,200,300,250",
                                      "1,1,-175,225,75,225"}));
}

TEST_F(ElbowUpDownRunTest, StraightLowerFromAWiderOrNarrowerUpstreamDuct) {
  Straight("下変形", "400", "300", "300", "300");  // the riser is narrower than the upstream duct
  std::vector<std::string> narrower = RecordLines(dialog->figure());
  EXPECT_EQ(narrower[0], "1,3,-500,225,-500,-225");
  EXPECT_EQ(std::vector<std::string>(narrower.begin() + 12, narrower.begin() + 15),
            (std::vector<std::string>{"1,1,-500,200,-300,200", "1,1,-300,200,-175,158", "1,1,-300,200,-75,175"}));

  Straight("下変形", "400", "200", "500", "300");  // wider: the upstream end moves out
  std::vector<std::string> wider = RecordLines(dialog->figure());
  EXPECT_EQ(wider[0], "1,3,-450,225,-450,-225");
  EXPECT_EQ(wider[2], "1,2,-410,200,-410,-200");
  EXPECT_EQ(std::vector<std::string>(wider.begin() + 12, wider.begin() + 15),
            (std::vector<std::string>{"1,1,-450,200,-250,200", "1,1,-250,200,-175,237", "2,4,-250,200,150,250"}));
}

TEST_F(ElbowUpDownRunTest, LLowerAlignedOnTheOuterSide) {
  user->Click("Ｌ形");
  user->Click("下変形");
  user->Click("外合せ");
  user->Type(R::kLWidth, "400");
  user->Type(R::kLHeight, "300");
  user->Type(R::kDownHeight, "300");
  user->Type(R::kStraightLength, "200");
  user->Click(R::kAtCentre);
  // The riser's far side on the upstream duct's outer side: x from -200 to
  // 100, its centre (-50, 0) at the placement point.
  std::vector<std::string> lines = RecordLines(dialog->figure());
  EXPECT_EQ(lines[0], "1,3,275,-500,-175,-500");
  EXPECT_EQ(lines[1], "1,3,500,175,500,-175");
  EXPECT_EQ(lines[4], "1,1,175,-150,175,-175");  // the riser flange starts at its near side
  EXPECT_TRUE(Has(lines, "1,1,250,-500,250,-300"));  // narrower on the +x side
  EXPECT_TRUE(Has(lines, "1,1,250,-300,150,-150"));  // its far taper ends on the riser's side
  EXPECT_TRUE(Has(lines, "1,1,250,-300,216,-150"));  // and so does the near one
  EXPECT_TRUE(Has(lines, "1,1,-150,-500,-150,-175"));  // equal on the outer side
  EXPECT_EQ(user->Text(R::kLengthL), "350");
  EXPECT_EQ(user->Text(R::kLengthUp), "-");
}

TEST_F(ElbowUpDownRunTest, SymbolAndReferencePointOnAnOffCentreRiser) {
  user->Click(R::kSymbol1 + 2);
  Straight("下変形", "300", "300", "300", "300");
  user->Type(R::kHalfA, "100");  // the riser from -200 to 100 across
  user->Click(R::kAtNearBottom);  // (x1, y0) at the placement point
  std::vector<std::string> lines = RecordLines(dialog->figure());
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"2,4,-300,0,0,300", "2,4,-150,150,0,0", "2,4,0,300,0,0"}));
}

TEST(ElbowUpDownRunPlay, WritesItsOwnBatchAndPlacesLineByLine) {
  test::TestDrive t;
  t.Write(R"(\jww\作図.bat)", {"an earlier command's batch"});
  test::PlayResult run = test::Play(t, test::ScriptFile("elbow_up_down_run.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(R"(\jww\作図.bat)").at(5), "REM  #0  【エルボ上下：連続】配置位置を指示してください。");
  std::vector<std::string> data = t.Lines(R"(\Tavrin\set\DrawData.txt)");
  ASSERT_EQ(data.size(), 28u);
  EXPECT_EQ(std::vector<std::string>(data.begin(), data.begin() + 7),
            (std::vector<std::string>{"lg0", "ly2", "lt1", "lc2",
                                      " -5.000000e+002 2.250000e+002 -5.000000e+002 -2.250000e+002",
                                      " 5.000000e+002 2.250000e+002 5.000000e+002 -2.250000e+002",
                                      " -1.750000e+002 2.250000e+002 -1.750000e+002 -2.250000e+002"}));
  EXPECT_EQ(std::vector<std::string>(data.end() - 5, data.end()),
            (std::vector<std::string>{"lt2", "lc1", " -1.500000e+002 -2.000000e+002 1.500000e+002 2.000000e+002",
                                      " -1.500000e+002 2.000000e+002 1.500000e+002 -2.000000e+002",
                                      " 1.500000e+002 2.000000e+002 1.500000e+002 -2.000000e+002"}));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"24"});
}
