#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "duct/ElbowUpDown.h"
#include "tests/FigureLines.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"
#include "ui/headless/Driver.h"

using duct::ElbowUpDown;
using E = duct::ElbowUpDown;
using test::RecordLines;

namespace {

class ElbowUpDownTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<ElbowUpDown>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  // W, S, D, H and c typed, then "表示更新".
  void Sizes(const std::string& w, const std::string& s, const std::string& d, const std::string& h,
             const std::string& c) {
    user->Type(E::kWidth, w);
    user->Type(E::kSectionWidth, s);
    user->Type(E::kDepth, d);
    user->Type(E::kHeight, h);
    user->Type(E::kCollar, c);
    user->Click("表示更新");
  }
  test::TestDrive t;
  std::unique_ptr<ElbowUpDown> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST_F(ElbowUpDownTest, RunLengthFromTheLargerOfDepthAndHeight) {
  Open();
  user->Click("0.5R");
  Sizes("400", "400", "250", "250", "13");
  EXPECT_EQ(user->Text(E::kRunLength), "138");
  user->Click("1R");
  EXPECT_EQ(user->Text(E::kRunLength), "263");
  user->Click("0.5R");
  user->Type(E::kHeight, "300");
  EXPECT_EQ(user->Text(E::kStatus), "《表示更新をクリック》");
  user->Type(E::kRunLength, "999");  // a typed run length lasts until the next update
  user->Click("表示更新");
  EXPECT_EQ(user->Text(E::kRunLength), "163");
  // Writing the run length is the update itself: the preview is not stale.
  EXPECT_EQ(user->Text(E::kStatus), "設定後配置実行をクリック");
}

TEST_F(ElbowUpDownTest, UpWithEverySideEqual) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "25", "100", "50"});
  Open();
  user->Click("上がり");
  user->Click(E::kSymbol1);
  Sizes("400", "400", "300", "300", "50");
  EXPECT_EQ(dialog->figure().records()[0], "50,450.000000,200.000000,150.000000,200.000000,");
  EXPECT_EQ(RecordLines(dialog->figure()),
            (std::vector<std::string>{
                "1,1,350,200,300,200", "1,1,350,-200,300,-200",
                "1,1,-150,200,150,200", "1,1,150,200,150,-200", "1,1,150,-200,-150,-200", "1,1,-150,-200,-150,200",
                "1,1,300,200,175,200", "1,1,300,-200,175,-200",
                "1,3,350,225,350,-225",
                "1,1,-175,-225,-175,225", "1,1,-175,225,175,225", "1,1,175,225,175,-225", "1,1,175,-225,-175,-225",
                "1,2,310,200,310,-200",
                "1,1,-150,200,150,-200", "1,1,150,200,-150,-200",
            }));
  // Without an angle width there is no angle line.
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"0", "25", "100", "50"});
  Open();
  for (const std::string& line : RecordLines(dialog->figure())) EXPECT_NE(line.substr(0, 3), "1,2") << line;
}

TEST_F(ElbowUpDownTest, SectionWiderAndNarrowerThanTheDuct) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "25", "100", "50"});
  Open();
  user->Click("上がり");
  user->Click(E::kSymbol1 + 2);
  Sizes("400", "500", "300", "300", "50");  // s = 250 > 200: wider on both sides
  std::vector<std::string> up = RecordLines(dialog->figure());
  ASSERT_EQ(up.size(), 18u);
  // hidden to the far corner, then seen up to the flange square's near side
  EXPECT_EQ(up[6], "2,4,300,200,-150,250");
  EXPECT_EQ(up[7], "1,1,300,200,175,241");
  EXPECT_EQ(up[16], "1,1,0,0,150,-250");  // symbol 3: the half diagonal, then the diagonal
  EXPECT_EQ(up[17], "1,1,150,250,-150,-250");

  // Down into a section narrower on both sides: three of its sides and both
  // transitions' ends are hidden, and so is the symbol.
  user->Click("下がり");
  user->Click(E::kSymbol1);
  Sizes("400", "300", "300", "300", "50");
  EXPECT_EQ(RecordLines(dialog->figure()),
            (std::vector<std::string>{
                "1,1,350,200,300,200", "1,1,350,-200,300,-200",
                "2,4,-150,150,150,150", "2,4,150,150,150,-150", "2,4,150,-150,-150,-150", "1,1,-150,-150,-150,150",
                "1,1,-150,150,300,200", "1,1,-175,175,75,175", "2,4,300,200,150,150",
                "1,1,-150,-150,300,-200", "1,1,-175,-175,75,-175", "2,4,300,-200,150,-150",
                "1,3,350,225,350,-225",
                "1,1,-175,-175,-175,175",
                "1,2,310,200,310,-200",
                "2,4,-150,150,150,-150", "2,4,150,150,-150,-150",
            }));

  // Down into a section as wide as the duct on the B side and wider on the A side.
  Sizes("300", "400", "300", "300", "50");
  user->Type(E::kHalfA, "100");
  user->Click("表示更新");
  ASSERT_EQ(user->Text(E::kHalfB), "200");
  std::vector<std::string> down = RecordLines(dialog->figure());
  EXPECT_EQ(down[2], "1,1,-150,200,150,200");
  EXPECT_EQ(down[6], "1,1,300,200,150,200");  // the equal B side runs to the near corner
  EXPECT_EQ(down[7], "1,1,-175,-225,175,-225");  // the wider A side: the flange square's edge ...
  EXPECT_EQ(down[8], "1,1,-150,-200,300,-100");
  EXPECT_EQ(down[10], "1,1,300,-100,150,-200");
  EXPECT_EQ(down[13], "1,1,-175,225,175,225");  // the flange square's B side
  EXPECT_EQ(down[14], "1,1,175,225,175,200");
}

TEST_F(ElbowUpDownTest, EveryConstructionIsClosedUpToTheEndFlange) {
  Open();
  for (const char* shape : {"上がり", "下がり"}) {
    for (const char* section : {"300", "400", "500"}) {  // narrower, as wide as and wider than the duct
      user->Click(shape);
      Sizes("400", section, "300", "300", "50");
      EXPECT_EQ(test::Describe(test::GapsBesideEndFlanges(dialog->figure())), "") << shape << " " << section;
    }
  }
}

TEST_F(ElbowUpDownTest, TheHalvesAlwaysAddUpToTheWidth) {
  Open();
  user->Type(E::kWidth, "401");
  EXPECT_EQ(user->Text(E::kHalfA), "200");
  EXPECT_EQ(user->Text(E::kHalfB), "201");
  user->Type(E::kHalfA, "150");
  EXPECT_EQ(user->Text(E::kHalfB), "251");
  user->Type(E::kHalfB, "300");
  EXPECT_EQ(user->Text(E::kHalfA), "101");
  // The sizes: W and S from one list, H and D from another.
  user->Select(E::kWidthList, "500");
  EXPECT_EQ(user->Text(E::kSectionWidth), "500");
  EXPECT_EQ(user->Text(E::kHalfA), "250");
  user->Select(E::kHeightList, "350");
  EXPECT_EQ(user->Text(E::kDepth), "350");
  EXPECT_EQ(user->Text(E::kHeight), "350");
  EXPECT_EQ(user->Text(E::kRunLength), ui::FormatWhole(350 * 0.5 + ui::ToReal(user->Text(E::kCollar))));
}

TEST_F(ElbowUpDownTest, TheReferencePointGoesToThePlacementPoint) {
  Open();
  user->Click("上がり");
  Sizes("400", "400", "300", "300", "50");
  user->Click(E::kAtNearA);  // (D/2, -S/2)
  EXPECT_EQ(RecordLines(dialog->figure())[3], "1,1,0,400,0,0");
  user->Click(E::kAtFarB);  // (-D/2, S/2)
  EXPECT_EQ(RecordLines(dialog->figure())[2], "1,1,0,0,300,0");
}

TEST_F(ElbowUpDownTest, PlacingWritesSettingsAndDrawingNameAndReopens) {
  Open();
  user->Click("下がり");
  user->Click(E::kSymbol1 + 1);
  user->Click("1R");
  user->Click(E::kAtFarA);
  user->Click("左右反転");
  user->Click(E::kRotation45);
  Sizes("400", "400", "300", "300", "50");
  user->Click("配置実行");
  EXPECT_EQ(user->Text(E::kStatus), "<<配置できます>>");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Jyoge.ini)"),
            (std::vector<std::string>{"300", "400", "350", "0", "400", "200", "200", "45", "50", "4", "2", "2", "2",
                                      "1", "0", "300"}));
  std::string name = t.Lines(R"(\Tavrin\set\DrawName.ini)").at(0);
  EXPECT_EQ(name.substr(0, 3), "ES_");
  Open();
  EXPECT_TRUE(user->Checked("下がり"));
  EXPECT_TRUE(user->Checked(E::kSymbol1 + 1));
  EXPECT_TRUE(user->Checked(E::kAtFarA));
  EXPECT_TRUE(user->Checked(E::kRotation45));
  EXPECT_EQ(user->Text(E::kStatus), "設定後配置実行をクリック");
  EXPECT_EQ(dialog->angle(), 45);
}

TEST_F(ElbowUpDownTest, NoShapeDrawsNothingAndAnUnknownRadiusCountsAsHalf) {
  std::vector<std::string> lines = t.Lines(R"(\Tavrin\set\Jyoge.ini)");
  lines[10] = "3";
  lines[12] = "7";
  t.Write(R"(\Tavrin\set\Jyoge.ini)", lines);
  Open();
  EXPECT_FALSE(user->Checked("上がり"));
  EXPECT_FALSE(user->Checked("下がり"));
  EXPECT_EQ(dialog->figure().count(), 0);
  EXPECT_EQ(ui::ToReal(user->Text(E::kRunLength)),
            std::trunc(std::max(ui::ToReal(lines[0]), ui::ToReal(lines[15])) * 0.5 + ui::ToReal(lines[8])));
  // Nothing to draw is nothing to place: the drawing data stays as it was.
  t.Write(R"(\Tavrin\set\DrawData.txt)", {"previous"});
  user->Click("配置実行");
  ASSERT_EQ(t.services().messages.size(), 1u);
  EXPECT_EQ(t.services().messages[0].title, "入力確認");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"), std::vector<std::string>{"previous"});
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Jyoge.ini)"), lines);
  EXPECT_NE(user->Text(E::kStatus), "<<配置できます>>");
}

TEST(ElbowUpDownPlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("elbow_up_down.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 3.500000e+002 2.000000e+002 3.000000e+002 2.000000e+002",
                " 3.500000e+002 -2.000000e+002 3.000000e+002 -2.000000e+002",
                " -1.500000e+002 2.000000e+002 1.500000e+002 2.000000e+002",
                " 1.500000e+002 2.000000e+002 1.500000e+002 -2.000000e+002",
                " 1.500000e+002 -2.000000e+002 -1.500000e+002 -2.000000e+002",
                " -1.500000e+002 -2.000000e+002 -1.500000e+002 2.000000e+002",
                " 3.000000e+002 2.000000e+002 1.750000e+002 2.000000e+002",
                " 3.000000e+002 -2.000000e+002 1.750000e+002 -2.000000e+002",
                " 3.500000e+002 2.250000e+002 3.500000e+002 -2.250000e+002",
                " -1.750000e+002 -2.250000e+002 -1.750000e+002 2.250000e+002",
                " -1.750000e+002 2.250000e+002 1.750000e+002 2.250000e+002",
                " 1.750000e+002 2.250000e+002 1.750000e+002 -2.250000e+002",
                " 1.750000e+002 -2.250000e+002 -1.750000e+002 -2.250000e+002",
                "lc1",
                " 3.100000e+002 2.000000e+002 3.100000e+002 -2.000000e+002",
                "lc2",
                " 1.500000e+002 2.000000e+002 -1.500000e+002 -2.000000e+002",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawName.ini)").at(0).substr(0, 14), "ES_3489D800000");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"7"});
}
