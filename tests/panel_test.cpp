#include <gtest/gtest.h>

#include "app/CommandPanel.h"
#include "app/CommandTable.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

#include <sys/resource.h>

#include <csignal>
#include <map>

using ui::Driver;

namespace {

const char* kBatch = R"(\jww\作図.bat)";
const char* kCommand = R"(\Tavrin\set\Command.ini)";

std::vector<std::string> Block(const std::vector<std::string>& presets, int k) {
  return std::vector<std::string>(presets.begin() + 7 * (k - 1), presets.begin() + 7 * k);
}

// A panel opened on the drive, as the start-up does.
struct Panel {
  explicit Panel(test::TestDrive& t) : panel(t.env()), user(panel) { panel.UserInit(); }
  app::CommandPanel panel;
  Driver user;
};

}  // namespace

TEST(CommandPanel, StartUpCopiesTheSelectedPreset) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\Sentaku.ini)", {"3"});
  t.Write(R"(\Tavrin\set\DakutoSet.ini)", {"stale"});
  Panel p(t);
  auto presets = t.Lines(R"(\Tavrin\set\DakutoSubSet.ini)");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DakutoSet.ini)"), Block(presets, 3));
  EXPECT_TRUE(p.user.Checked("1303"));
  auto memos = t.Lines(R"(\Tavrin\set\Memo.ini)");
  EXPECT_EQ(p.user.Text("1402"), "属性は【" + memos[2] + "】が選択されています。");
  EXPECT_EQ(p.user.Text("1301"), memos[0]);
  EXPECT_EQ(p.panel.form().layout().caption, "Tavrin【配管・ダクト】");
}

// Without the placing programs Jw_cad could place nothing: said at start.
TEST(CommandPanel, TheStatusLineSaysWhenAPlacingProgramIsMissing) {
  test::TestDrive t;
  t.Remove(R"(\Tavrin\exe\DuctRun.exe)");
  Panel p(t);
  EXPECT_EQ(p.user.Text("1402"), R"(\Tavrin\exe\DuctRun.exe がありません。Jw_cadで作図できません。)");
}

TEST(CommandPanel, PresetFourCopiesLines22To28) {
  test::TestDrive t;
  Panel p(t);
  p.user.Click("1304");
  auto presets = t.Lines(R"(\Tavrin\set\DakutoSubSet.ini)");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DakutoSet.ini)"),
            std::vector<std::string>(presets.begin() + 21, presets.begin() + 28));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Sentaku.ini)"), std::vector<std::string>{"4"});
  EXPECT_EQ(p.user.Text("1402"), "属性は【" + t.Lines(R"(\Tavrin\set\Memo.ini)")[3] + "】が選択されています。");
}

TEST(CommandPanel, ASelectionOutsideOneToSixFallsBackToPresetOne) {
  for (std::string bad : {"0", "7", "abc"}) {
    test::TestDrive t;
    t.Write(R"(\Tavrin\set\Sentaku.ini)", {bad});
    Panel p(t);
    EXPECT_TRUE(p.user.Checked("1301")) << bad;
    EXPECT_EQ(t.Lines(R"(\Tavrin\set\Sentaku.ini)"), std::vector<std::string>{"1"});
    EXPECT_EQ(t.Lines(R"(\Tavrin\set\DakutoSet.ini)"), Block(t.Lines(R"(\Tavrin\set\DakutoSubSet.ini)"), 1));
    EXPECT_TRUE(t.services().messages.empty());
  }
}

TEST(CommandPanel, AnEmptyMemoGivesAnEmptyName) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\Memo.ini)", {"", "b"});
  Panel p(t);
  EXPECT_EQ(p.user.Text("1402"), "属性は【】が選択されています。");
  EXPECT_EQ(p.panel.form().Text(1301), "");
  EXPECT_EQ(p.panel.form().Text(1306), "");
}

TEST(CommandPanel, ACommandWritesItsBatchBeforeAndItsNumberAfter) {
  test::TestDrive t;
  Panel p(t);
  std::vector<std::string> seen;
  t.services().drivers.push_back([&](ui::DialogHandler& d) {
    seen = t.Lines(kBatch);  // the batch is there while the dialog is open
    EXPECT_FALSE(t.Exists(kCommand) && t.Lines(kCommand)[0] == "4");
    Driver(d).Click("終了");
  });
  p.user.Click("一般両エルボ");
  ASSERT_EQ(seen.size(), 10u);
  EXPECT_EQ(seen[5], "REM  #0  【一般両エルボ】配置位置を指示してください。");
  EXPECT_EQ(t.Lines(kCommand), std::vector<std::string>{"4"});
  EXPECT_TRUE(p.user.Checked("一般両エルボ"));
}

TEST(CommandPanel, EveryRowOpensItsDialogAndWritesWhatItsTableSays) {
  const std::map<int, std::string> captions = {
      {1101, "割込分岐：三方向"}, {1102, "割込分岐：２方向・双方向・T方向"}, {1103, "エルボ：一般両エルボ"},
      {1104, "消音付エルボ"}, {1105, "エルボ上下：単独"}, {1106, "エルボ上下：連続"}, {1107, "突付け分岐枝管"},
      {1108, "短管・片落管"}, {1109, "S字管"}, {1110, "内貼り付ボックス"}, {1111, "アネモ+ユニネック"},
      {1112, "アネモ+ボックス"}, {1113, "角形制気口+ボックス作図"}, {1114, "フレキダクト作図"},
      {1115, "振り上げダクト作図"}, {1116, "ダクトアップダウン"}, {1117, "ダンパー作図"}, {1118, "直管作図"},
      {1201, "配置部材選択メニュー"}, {1202, "配管継手・部材属性設定"}, {1203, "配管線作図"}, {1204, "線属性設定"},
      {1205, "積算結果表"}, {1206, "積算設定"}};
  for (const auto* table : {&app::DuctCommands(), &app::PipeCommands()}) {
    for (const app::Command& command : *table) {
      test::TestDrive t;
      Panel p(t);
      t.Remove(kCommand);
      t.Remove(kBatch);
      std::string opened;
      t.services().fallbackDriver = [&](ui::DialogHandler& d) {
        opened = d.form().layout().caption;
        d.UserClose();
      };
      p.panel.UserClick(command.buttonId);
      SCOPED_TRACE(command.caption);
      EXPECT_EQ(opened, captions.at(command.buttonId));
      EXPECT_TRUE(t.services().messages.empty()) << t.services().messages[0].text;
      EXPECT_EQ(t.Exists(kBatch), command.title.has_value());
      if (command.title) {
        // The title comes back unchanged through code page 932.
        EXPECT_EQ(t.Lines(kBatch), app::BatchLines(command.mode, *command.title));
      }
      if (command.number) EXPECT_EQ(t.Lines(kCommand), std::vector<std::string>{std::to_string(*command.number)});
      else EXPECT_FALSE(t.Exists(kCommand));
    }
  }
}

TEST(CommandPanel, TitlesThatDifferFromTheirCaptions) {
  test::TestDrive t;
  Panel p(t);
  t.services().fallbackDriver = [](ui::DialogHandler& d) { d.UserClose(); };
  p.user.Click("角形制気口+ボックス");
  EXPECT_EQ(t.Lines(kBatch)[5], "REM  #0  【角形制気+ボックス】配置位置を指示してください。");
  p.user.Click("割込分岐：三方向　　　　");
  EXPECT_EQ(t.Lines(kBatch)[5], "REM  #0  【割込分岐：三方向】配置位置を指示してください。");
  EXPECT_EQ(t.Lines(kCommand), std::vector<std::string>{"2"});
}

TEST(CommandPanel, SizeSelectionWritesABatchButNoCommandNumber) {
  test::TestDrive t;
  Panel p(t);
  t.Remove(kCommand);
  t.services().fallbackDriver = [](ui::DialogHandler& d) { d.UserClose(); };
  p.user.Click("サイズ選択");
  EXPECT_EQ(t.Lines(kBatch)[10], R"(\Tavrin\exe\PipeRun.exe)");
  EXPECT_FALSE(t.Exists(kCommand));
}

TEST(CommandPanel, TheAttributeButtonWritesNeitherFile) {
  test::TestDrive t;
  Panel p(t);
  t.Remove(kCommand);
  t.Remove(kBatch);
  t.services().drivers.push_back([](ui::DialogHandler& d) { Driver(d).Click("OK"); });
  p.user.Click("1307");
  EXPECT_FALSE(t.Exists(kCommand));
  EXPECT_FALSE(t.Exists(kBatch));
}

TEST(CommandPanel, AMissingJwwFolderStopsTheCommandWithAFileError) {
  test::TestDrive t;
  std::filesystem::remove_all(t.root() / "jww");
  Panel p(t);
  p.user.Click("S字管");
  ASSERT_EQ(t.services().messages.size(), 1u);
  EXPECT_EQ(t.services().messages[0].title, "Tavrin");
  EXPECT_NE(t.services().messages[0].text.find("作図.bat"), std::string::npos);
  EXPECT_TRUE(t.services().unexpectedDialogs.empty());  // the dialog never opened
  EXPECT_FALSE(p.panel.form().ended());
}

TEST(CommandPanel, AMissingSettingsFileIsReportedAndThePanelStaysOpen) {
  test::TestDrive t;
  t.Remove(R"(\Tavrin\set\Memo.ini)");
  Panel p(t);
  ASSERT_EQ(t.services().messages.size(), 1u);
  EXPECT_NE(t.services().messages[0].text.find("Memo.ini"), std::string::npos);
  EXPECT_FALSE(p.panel.form().ended());
  p.user.Click("終了");
  EXPECT_TRUE(p.panel.form().ended());
}

TEST(CommandPanel, HelpOpensTheManualThroughTheShell) {
  test::TestDrive t;
  Panel p(t);
  p.user.Click("ヘルプ");
  ASSERT_EQ(t.services().opened.size(), 1u);
  EXPECT_EQ(t.services().opened[0], t.root() / "Tavrin" / "Mnl" / "Manual.htm");
  EXPECT_EQ(p.user.Text("1401"), "ヘルプ");
  EXPECT_FALSE(t.services().waitCursor);
}

TEST(CommandPanel, ADriveThatCannotBeWrittenShowsTheFileAndKeepsThePanel) {
  test::TestDrive t;
  auto before = t.Lines(R"(\Tavrin\set\DakutoSet.ini)");
  rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit none = saved;
  none.rlim_cur = 0;
  setrlimit(RLIMIT_FSIZE, &none);
  {
    Panel p(t);
    p.user.Click("1302");
    EXPECT_FALSE(p.panel.form().ended());
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  ASSERT_FALSE(t.services().messages.empty());
  EXPECT_NE(t.services().messages[0].text.find("DakutoSet.ini"), std::string::npos);
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DakutoSet.ini)"), before);
}
