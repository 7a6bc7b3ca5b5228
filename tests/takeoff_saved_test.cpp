#include <gtest/gtest.h>

#include "takeoff/ResultsDialog.h"
#include "takeoff/SavedResult.h"
#include "tests/TakeoffFixture.h"
#include "ui/headless/Driver.h"

using Lines = std::vector<std::string>;
using namespace takeoff;

namespace {

class SavedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteNameLists(t);
    test::WriteExtract(t, test::Extract({{}, {.pipeKind = 1, .mainSize = 80, .distance = 15}}, {{.length = 250}}));
  }
  std::filesystem::path Saved(const std::string& name) { return t.root() / "Tavrin" / "SekisanData" / name; }
  test::TestDrive t;
};

struct Results {
  explicit Results(test::TestDrive& t) : dialog(t.env()), user(dialog) { dialog.UserInit(); }
  ResultsDialog dialog;
  ui::Driver user;
};

}  // namespace

// Loading rebuilds the straight portions of combined fittings, which are
// not saved, so that a reloaded result keeps its pipe metres.
TEST_F(SavedTest, SaveAndLoadGiveTheSameTables) {
  Results first(t);
  first.user.Click("集計開始");
  first.user.Type(std::to_string(kTitle), "工事A");
  t.services().files = {Saved("工事A.sdt")};
  first.user.Click("集計結果保存");
  const ui::FileRequest& save = t.services().fileRequests.back();
  EXPECT_TRUE(save.save);
  EXPECT_TRUE(save.confirmOverwrite);
  EXPECT_EQ(save.fileName, "工事A");
  EXPECT_EQ(save.defaultExtension, "sdt");
  EXPECT_EQ(save.filter, "*.sdt");
  EXPECT_EQ(save.folder, t.root() / "Tavrin" / "SekisanData");
  EXPECT_EQ(t.Lines(R"(\Tavrin\SekisanData\工事A.sdt)"),
            (Lines{"0:給水:ＴＳ継手:エルボ~50|@:000:", "0:給水:ＴＳ継手:エルボ~80･50|VP:015:",
                   "1:給水:塩ビ管:SGP白:50|250:000:"}));

  Results second(t);
  t.services().files = {Saved("工事A.sdt")};
  second.user.Click("集計結果読込");
  EXPECT_FALSE(t.services().fileRequests.back().save);
  EXPECT_EQ(t.services().fileRequests.back().fileName, "*.sdt");
  EXPECT_EQ(t.MessageTexts().back(), "データ読込み完了。");
  EXPECT_EQ(second.user.Text(std::to_string(kTitle)), "工事A");
  EXPECT_EQ(second.dialog.tally().pipes, first.dialog.tally().pipes);
  for (int table : {kFittingTable, kPipeTable}) {
    const ui::TableModel& shown = second.dialog.form().Table(table);
    const ui::TableModel& tallied = first.dialog.form().Table(table);
    ASSERT_EQ(shown.RowCount(), tallied.RowCount());
    for (int row = 0; row < shown.RowCount(); ++row)
      for (int col = 0; col < shown.ColumnCount(); ++col) EXPECT_EQ(shown.Cell(row, col), tallied.Cell(row, col));
  }
  EXPECT_EQ(second.dialog.form().Table(kPipeTable).Cell(1, 5), "0.15");
}

TEST_F(SavedTest, TheTitleIsTheNameUpToItsFirstDot) {
  t.Write(R"(\Tavrin\SekisanData\本館.3F.sdt)", {"0:給水:ＴＳ継手:エルボ~50|@:000:"});
  Results r(t);
  t.services().files = {Saved("本館.3F.sdt")};
  r.user.Click("集計結果読込");
  EXPECT_EQ(r.user.Text(std::to_string(kTitle)), "本館");
  EXPECT_EQ(TitleOf(".sdt"), "");
}

TEST_F(SavedTest, QuestionsAndMessages) {
  Results r(t);
  r.user.Click("集計結果保存");
  ASSERT_EQ(t.services().messages.size(), 1u);
  EXPECT_EQ(t.services().messages[0].text, "保存するデータがありません。");
  EXPECT_EQ(t.services().messages[0].title, "\t確認");
  EXPECT_TRUE(t.services().fileRequests.empty());

  r.user.Click("集計開始");
  t.services().answers = {ui::Answer::Cancel};
  r.user.Click("集計結果読込");
  EXPECT_EQ(t.MessageTexts().back(), "現在の集計結果は破棄されます\n（加算されません）\nよろしいですか？ ");
  EXPECT_TRUE(t.services().fileRequests.empty());
  r.user.Click("集計結果保存");  // cancelled in the file dialog
  EXPECT_EQ(t.services().fileRequests.back().fileName, "*.sdt");
}

// A file that cannot be read leaves the results that were there.
TEST_F(SavedTest, AFailedLoadKeepsTheResults) {
  Results r(t);
  r.user.Click("集計開始");
  r.user.Type(std::to_string(kTitle), "旧");
  t.services().files = {Saved("ない.sdt")};
  r.user.Click("集計結果読込");
  EXPECT_EQ(t.services().messages.back().title, "Tavrin");
  EXPECT_EQ(r.dialog.tally().fittings.size(), 2u);
  EXPECT_EQ(r.user.Text(std::to_string(kTitle)), "旧");
  EXPECT_EQ(r.dialog.form().Table(kFittingTable).RowCount(), 3);
}

TEST(SavedResult, OtherLinesAreIgnoredAndDerivedEntriesRebuilt) {
  Tally tally = LoadedTally({"0:a:b:c~80･50|VP:015:", "x", "", "0", "1:a:b:VP:50|015:000:*", "1:p:q:r:20|100:000:"});
  EXPECT_EQ(tally.fittings, (Lines{"a:b:c~80･50|VP:015:", ""}));
  EXPECT_EQ(tally.pipes, (Lines{"p:q:r:20|100:000:", "a:b:VP:50|015:000:*"}));
  EXPECT_EQ(SavedLines(tally), (Lines{"0:a:b:c~80･50|VP:015:", "0:", "1:p:q:r:20|100:000:"}));
}
