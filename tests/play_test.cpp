#include <gtest/gtest.h>

#include "tests/TestDrive.h"
#include "ui/headless/PlayScript.h"

using test::Play;
using test::PlayResult;

TEST(PlayScript, PressesAPanelButtonAndClosesTheDialog) {
  test::TestDrive t;
  PlayResult run = Play(t, {"press 一般両エルボ", "click 終了", "click 終了"});
  EXPECT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(R"(\jww\作図.bat)")[5], "REM  #0  【一般両エルボ】配置位置を指示してください。");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"4"});
  EXPECT_NE(run.output.find("dialog 「エルボ：一般両エルボ」"), std::string::npos);
}

TEST(PlayScript, FailsOnWhatAUserCouldNotDo) {
  test::TestDrive t;
  PlayResult unknown = Play(t, {"press 存在しないボタン"});
  EXPECT_FALSE(unknown.ok);
  EXPECT_NE(unknown.output.find("line 1"), std::string::npos) << unknown.output;
  EXPECT_FALSE(Play(t, {"expect 1402 違う文"}).ok);
  EXPECT_FALSE(Play(t, {"frobnicate 1"}).ok);
  EXPECT_FALSE(Play(t, {"press 属性設定"}).ok);  // three buttons carry this caption
}

TEST(PlayScript, AnErrorMessageFailsTheRunUnlessExpected) {
  test::TestDrive t;
  std::filesystem::remove_all(t.root() / "jww");
  EXPECT_FALSE(Play(t, {"press S字管"}).ok);
  PlayResult expected = Play(t, {"press S字管", "expect-message ファイル " + (t.root() / "jww" / "作図.bat").string() +
                                            " に書き込めません。"});
  EXPECT_TRUE(expected.ok) << expected.output;
}

TEST(PlayScript, QuotedCaptionsAndEmptyTexts) {
  auto script = ui::ParseScript({"  # comment", "", "type 1003", "click \"a b\" rest", "expect-message x\\ny"});
  ASSERT_EQ(script.size(), 3u);
  EXPECT_EQ(script[0].control, "1003");
  EXPECT_EQ(script[0].rest, "");
  EXPECT_EQ(script[1].control, "a b");
  EXPECT_EQ(script[2].rest, "x\\ny");
  EXPECT_EQ(script[1].number, 4);
}
