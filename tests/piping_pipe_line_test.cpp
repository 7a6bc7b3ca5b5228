#include <gtest/gtest.h>

#include "piping/Marker.h"
#include "piping/PipeLineDialog.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using namespace piping;

namespace {

struct PipeLine {
  test::TestDrive t;
  PipeLineDialog dialog{t.env()};
  ui::Driver user{dialog};
  PipeLine() { dialog.UserInit(); }
  std::vector<std::string> Marker() { return t.Lines(R"(\Tavrin\HaikanSet\KanSekisan.ini)"); }
};

}  // namespace

TEST(MarkerCodes, ThreeDigitsForZeroTo999Only) {
  EXPECT_EQ(ThreeDigitCode(0), "000");
  EXPECT_EQ(ThreeDigitCode(7), "007");
  EXPECT_EQ(ThreeDigitCode(999), "999");
  EXPECT_EQ(ThreeDigitCode(1000), "");
  EXPECT_EQ(ThreeDigitCode(-1), "");
  EXPECT_EQ(MarkerRadius(9, 111), "0.91119");
  EXPECT_EQ(MarkerRadius(4, 1000), "0.44");
}

TEST(PipeLine, WritesTheThreeFilesForThePipeDrawingProgram) {
  PipeLine p;
  p.t.Write(R"(\Tavrin\HaikanSet\SekisanSet.ini)", {"0", "0", "9", "1", "2", "F"});
  p.user.SelectIndex(kPipeNameList, 2);
  p.user.Select(kSizeList, "50");
  EXPECT_EQ(p.dialog.form().Text(kOuterLabel), "作図外径=60.5");
  p.user.Click(kFixed45);
  p.user.Click(kPipeTakeoff);
  p.user.Select(kPipeClassification, "給湯");
  p.user.Select(kPipeKind, "SGP(黒)");
  p.user.Type(kSlope, "45");
  p.user.Click("配置実行");
  EXPECT_EQ(p.dialog.form().Text(kPipeStatus), "配置できます。");
  EXPECT_EQ(p.t.Lines(R"(\Tavrin\HaikanSet\Haikan.ini)"),
            (std::vector<std::string>{"0", "2", "1", "4", "60.5", "-", "1", "0"}));
  EXPECT_EQ(p.t.Lines(R"(\Tavrin\HaikanSet\HaikanInp.ini)"),
            (std::vector<std::string>{"2", "6", "1", "0", "1", "給湯", "SGP(黒)", "45"}));
  EXPECT_EQ(p.Marker(), (std::vector<std::string>{"1", "1", "2", "F", "50", "0.92229", "0.80038", "0.70027",
                                                  "0.60036", "0.50505", "0.40454", "0.30013", "0.20002",
                                                  "0.10001"}));
}

TEST(PipeLine, RoundDuctsHaveNoPipeKindList) {
  PipeLine p;
  p.user.SelectIndex(kPipeNameList, 12);
  EXPECT_EQ(p.dialog.form().Text(kPipeKind), "丸ダクト");
  EXPECT_TRUE(p.dialog.form().Items(kPipeKind).empty());
  p.user.Select(kSizeList, "200");
  p.user.Click("配置実行");
  std::vector<std::string> marker = p.Marker();
  ASSERT_EQ(marker.size(), 14u);
  EXPECT_EQ(marker[6], "0.80008");  // no classification
  EXPECT_EQ(marker[7], "0.70007");
  EXPECT_EQ(marker[8], "0.60136");
  EXPECT_EQ(marker[11], "0.30063");
}

TEST(PipeLine, AnotherPipeAsksForTheSizeAgain) {
  PipeLine p;
  p.user.SelectIndex(kPipeNameList, 0);
  p.user.Select(kSizeList, "20");
  p.user.SelectIndex(kPipeNameList, 6);
  EXPECT_EQ(p.dialog.form().Text(kOuterLabel), "");
  p.user.Click("配置実行");
  EXPECT_EQ(p.t.MessageTexts(), std::vector<std::string>{"呼径を選択してください。"});
  EXPECT_FALSE(p.t.Exists(R"(\Tavrin\HaikanSet\Haikan.ini)"));
}

TEST(PipeLine, ReopensWithTheStoredChoices) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\HaikanSet\HaikanInp.ini)", {"6", "3", "0", "1", "1", "冷媒", "Lタイプ", "10"});
  PipeLineDialog dialog(t.env());
  dialog.UserInit();
  EXPECT_EQ(dialog.form().Selection(kPipeNameList), 6);
  EXPECT_EQ(dialog.form().Selection(kSizeList), 3);
  EXPECT_EQ(dialog.form().Text(kOuterLabel), "作図外径=19.05");
  EXPECT_EQ(dialog.form().Text(kPipeKind), "Lタイプ");
  EXPECT_EQ(dialog.form().Text(kPipeClassification), "冷媒");
  EXPECT_TRUE(dialog.form().Checked(kPipeCurrentLayer));
  EXPECT_TRUE(dialog.form().Enabled(kSlope));
  EXPECT_EQ(dialog.form().Text(kSlope), "10");
}

// A pipe whose name line is missing has no name: its marker carries 0.
TEST(PipeLine, AnEmptyPipeNameIsCodedAsNone) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\HaikanSet\HaikanName.ini)", {"VP", "HIVP", "SGP"});
  PipeLineDialog dialog(t.env());
  dialog.UserInit();
  ui::Driver user(dialog);
  user.SelectIndex(kPipeNameList, 5);
  EXPECT_EQ(dialog.form().Items(kPipeNameList)[5], "");
  user.Select(kSizeList, "50");
  user.Click("配置実行");
  auto marker = t.Lines(R"(\Tavrin\HaikanSet\KanSekisan.ini)");
  ASSERT_EQ(marker.size(), 14u);
  EXPECT_EQ(marker[8], "0.60006");
  user.SelectIndex(kPipeNameList, 2);
  user.Select(kSizeList, "50");
  user.Click("配置実行");
  EXPECT_EQ(t.Lines(R"(\Tavrin\HaikanSet\KanSekisan.ini)")[8], "0.60036");
}

TEST(PipeLine, AFailedOpeningClosesWithoutWriting) {
  test::TestDrive t;
  t.Remove(R"(\Tavrin\HaikanSet\KanBunruiName.ini)");
  PipeLineDialog dialog(t.env());
  dialog.UserInit();
  EXPECT_EQ(t.services().messages.size(), 1u);
  EXPECT_TRUE(dialog.form().ended());
}

TEST(PipeLine, APipeWhoseListCannotBeReadLeavesThePipeBefore) {
  PipeLine p;
  p.t.Remove(R"(\Tavrin\HaikanSet\Gaikei_Doukan.ini)");
  p.user.SelectIndex(kPipeNameList, 2);
  p.user.Select(kSizeList, "50");
  p.user.SelectIndex(kPipeNameList, 6);
  ASSERT_EQ(p.t.services().messages.size(), 1u);
  EXPECT_EQ(p.dialog.form().Selection(kPipeNameList), 2);
  p.user.Click("配置実行");
  EXPECT_EQ(p.t.Lines(R"(\Tavrin\HaikanSet\HaikanInp.ini)")[0], "2");
  EXPECT_EQ(p.t.Lines(R"(\Tavrin\HaikanSet\Haikan.ini)")[4], "60.5");
}
