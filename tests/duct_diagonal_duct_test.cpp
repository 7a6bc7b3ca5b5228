#include <gtest/gtest.h>

#include "duct/DiagonalDuct.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"
#include "ui/headless/Driver.h"

using D = duct::DiagonalDuct;

namespace {

const char* kDrawData = R"(\Tavrin\set\DrawData.txt)";

class DiagonalDuctTest : public ::testing::Test {
 protected:
  DiagonalDuctTest() {
    t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "25", "100", "50"});
    dialog.UserInit();
  }
  // The example duct: 400 x 250 rising 500, 100 straight at either end.
  void Example() {
    user.Type(D::kWidth, "400");
    user.Type(D::kHeight, "250");
    user.Type(D::kRise, "500");
    user.Type(D::kStartStraight, "100");
    user.Type(D::kEndStraight, "100");
    user.Click("0.5R");
  }
  test::TestDrive t;
  D dialog{t.env()};
  ui::Driver user{dialog};
};

}  // namespace

TEST_F(DiagonalDuctTest, PlanLengthFromTheAngleRoundedToTen) {
  Example();
  user.Type(D::kSlope, "45");
  user.Click("角度指定");
  EXPECT_EQ(user.Text(D::kTotal), "910");  // 907.1
  EXPECT_EQ(user.Text(D::kStatus), "設定後配置実行をクリック");
  user.Type(D::kStartStraight, "103");  // 910.1
  EXPECT_EQ(user.Text(D::kStatus), "《表示更新をクリック》");
  user.Click("表示更新");
  EXPECT_EQ(user.Text(D::kTotal), "910");
  user.Type(D::kStartStraight, "98");  // 905.1
  user.Click("表示更新");
  EXPECT_EQ(user.Text(D::kTotal), "910");
  user.Type(D::kStartStraight, "97");  // 904.1
  user.Click("表示更新");
  EXPECT_EQ(user.Text(D::kTotal), "900");
}

TEST_F(DiagonalDuctTest, AngleFromTheTotalLength) {
  Example();
  user.Type(D::kTotal, "1004");
  user.Click("全長指定");
  EXPECT_EQ(user.Text(D::kSlope), "38.4");  // the first tenth of a degree within 1 mm of 1004
  EXPECT_EQ(user.Text(D::kTotal), "1000");
  // Nothing within 1000 mm keeps 45 degrees.
  user.Type(D::kTotal, "99999");
  user.Click("表示更新");
  EXPECT_EQ(user.Text(D::kSlope), "45");
}

TEST_F(DiagonalDuctTest, WithoutBendFlangesAStraightDuct) {
  Example();
  user.Type(D::kSlope, "45");
  user.Click("角度指定");
  if (user.Checked("上フランジ作図有")) user.Click("上フランジ作図有");
  if (user.Checked("下フランジ作図有")) user.Click("下フランジ作図有");
  user.Click(D::kAtEndB + 2);  // the end on the -y side
  std::vector<std::string> records = dialog.figure().records();
  ASSERT_EQ(records.size(), 11u);
  EXPECT_EQ(records[0], "50,910.000000,225.000000,100.000000,225.000000,");
  // the end on the -y side at the placement point, the duct sides running to it
  EXPECT_TRUE(ui::StartsWith(records[1], "1,1,1,-1010.000000,400.000000,-910.000000,400.000000,")) << records[1];
  EXPECT_TRUE(ui::StartsWith(records[9], "1,1,1,-910.000000,400.000000,0.000000,400.000000,")) << records[9];
  EXPECT_TRUE(ui::StartsWith(records[10], "1,1,1,-910.000000,0.000000,0.000000,0.000000,")) << records[10];
}

TEST_F(DiagonalDuctTest, ASlopeOfZeroIsRefused) {
  Example();
  t.Write(kDrawData, {"previous"});
  user.Click("角度指定");
  user.Type(D::kSlope, "0");
  user.Click("表示更新");
  EXPECT_EQ(t.MessageTexts().back(), "振り角度は0より大きく90より小さい値を入力してください。");
  EXPECT_EQ(dialog.figure().count(), 0);
  user.Click("配置実行");
  EXPECT_EQ(t.Lines(kDrawData), std::vector<std::string>{"previous"});
  EXPECT_NE(user.Text(D::kStatus), "<<配置できます>>");
  // The search never needs a typed angle.
  user.Click("全長指定");
  user.Click("配置実行");
  EXPECT_EQ(user.Text(D::kStatus), "<<配置できます>>");
}

TEST_F(DiagonalDuctTest, HiddenButtonsKeepTheirSettingsLines) {
  std::vector<std::string> lines = t.Lines(R"(\Tavrin\set\Furiage.ini)");
  ASSERT_EQ(lines.size(), 18u);
  lines[13] = "8";
  lines[14] = "2";
  t.Write(R"(\Tavrin\set\Furiage.ini)", lines);
  D reopened(t.env());
  reopened.UserInit();
  ui::Driver again(reopened);
  again.Click("配置実行");
  std::vector<std::string> saved = t.Lines(R"(\Tavrin\set\Furiage.ini)");
  EXPECT_EQ(saved[13], "8");
  EXPECT_EQ(saved[14], "2");
  EXPECT_EQ(saved, lines);
}

TEST(DiagonalDuctPlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("diagonal_duct.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(kDrawData),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " -1.000000e+002 1.000000e+002 0.000000e+000 1.000000e+002",
                " -1.000000e+002 -1.000000e+002 0.000000e+000 -1.000000e+002",
                " 6.700000e+002 1.000000e+002 7.700000e+002 1.000000e+002",
                " 6.700000e+002 -1.000000e+002 7.700000e+002 -1.000000e+002",
                "lc1",
                " 4.000000e+001 1.000000e+002 4.000000e+001 -1.000000e+002",
                " 6.300000e+002 1.000000e+002 6.300000e+002 -1.000000e+002",
                "lc2",
                " 0.000000e+000 1.250000e+002 0.000000e+000 -1.250000e+002",
                " 6.700000e+002 1.250000e+002 6.700000e+002 -1.250000e+002",
                " 6.150000e+002 -1.200000e+002 5.250000e+002 -1.200000e+002",
                " 5.250000e+002 -1.200000e+002 5.250000e+002 1.200000e+002",
                " 5.250000e+002 1.200000e+002 6.150000e+002 1.200000e+002",
                " 5.450000e+002 -1.000000e+002 5.450000e+002 1.000000e+002",
                "lt2", "lc1",
                " 5.950000e+002 -1.000000e+002 5.950000e+002 1.000000e+002",
                " 5.950000e+002 1.000000e+002 5.450000e+002 -1.000000e+002",
                "lt1", "lc2",
                " 1.450000e+002 -1.200000e+002 5.500000e+001 -1.200000e+002",
                " 5.500000e+001 -1.200000e+002 5.500000e+001 1.200000e+002",
                " 5.500000e+001 1.200000e+002 1.450000e+002 1.200000e+002",
                " 7.500000e+001 -1.000000e+002 7.500000e+001 1.000000e+002",
                "lt2", "lc1",
                " 1.250000e+002 -1.000000e+002 1.250000e+002 1.000000e+002",
                " 1.250000e+002 1.000000e+002 7.500000e+001 -1.000000e+002",
                "lt1", "lc2",
                " 0.000000e+000 1.000000e+002 5.500000e+001 1.000000e+002",
                " 7.500000e+001 1.000000e+002 5.250000e+002 1.000000e+002",
                " 5.450000e+002 1.000000e+002 6.700000e+002 1.000000e+002",
                " 0.000000e+000 -1.000000e+002 5.500000e+001 -1.000000e+002",
                " 7.500000e+001 -1.000000e+002 5.250000e+002 -1.000000e+002",
                " 5.450000e+002 -1.000000e+002 6.700000e+002 -1.000000e+002",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Furiage.ini)"),
            (std::vector<std::string>{"200", "100", "300", "20", "670", "50", "50", "30", "1", "1", "1", "1", "1", "2",
                                      "1", "0", "0", "0"}));
  EXPECT_FALSE(t.Exists(R"(\Tavrin\set\DrawName.ini)"));
}
