#include <gtest/gtest.h>

#include "tests/TakeoffFixture.h"

TEST(TakeoffPlay, TalliesAnExtractFromThePanel) {
  test::TestDrive t;
  test::PrepareTallyScript(t);
  test::PlayResult run = test::Play(t, test::ScriptFile("takeoff_tally.play"));
  EXPECT_TRUE(run.ok) << run.output;
  EXPECT_NE(run.output.find("dialog 「積算結果表」"), std::string::npos);
  EXPECT_EQ(t.Lines(R"(\jww\積算.bat)").size(), 10u);
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"26"});
  EXPECT_EQ(t.Lines(R"(\Tavrin\SekisanData\本館３階.sdt)").size(), 4u);
  EXPECT_TRUE(t.Exists(R"(\Tavrin\SekisanData\本館３階.csv)"));
}

TEST(TakeoffPlay, ExpectCellFailsOnAnotherTextOrAControlThatIsNoTable) {
  test::TestDrive t;
  test::WriteNameLists(t);
  EXPECT_TRUE(test::Play(t, {"press 集計", "expect-cell 1001 0 5 個数", "click 終了"}).ok);
  EXPECT_FALSE(test::Play(t, {"press 集計", "expect-cell 1001 0 5 総m"}).ok);
  EXPECT_FALSE(test::Play(t, {"press 集計", "expect-cell 1001 100 0 x"}).ok);
  EXPECT_FALSE(test::Play(t, {"press 集計", "expect-cell 読込開始 0 0 x"}).ok);
}
