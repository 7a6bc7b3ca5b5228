#include <gtest/gtest.h>

#include "tests/jw/JwTestDrive.h"

namespace {

// The pipe-line command: a 20 mm steel pipe (鋼管（ＭＤ継手）) for 給水, SGP(白), level.
const std::vector<std::string> kPipeLine = {
    "press サイズ選択",   "select-index 1101 2",   "select 1102 20",      "click 積算情報を付加する",
    "select 1107 給水",   "select 1109 SGP(白)",   "type 1112 0",         "click 配置実行",
    "expect 1117 配置できます。", "click 終了", "click 終了"};

void Play(const test::JwTestDrive& t, const std::vector<std::string>& script) {
  test::PlayResult run = test::Play(t, script);
  ASSERT_TRUE(run.ok) << run.output;
}

}  // namespace

// Both roads of the system, from the panel to the drawing and back to the
// tally: a general elbow and an air terminal, a catalogue fitting with take-off
// information and a pipe line are prepared on the panel and placed by the
// stand-in for Jw_cad; the take-off batch extracts the markers, and
// "集計開始" counts the fitting and sums the pipe metres.
TEST(Road, FromThePanelToTheDrawingAndBackToTheTally) {
  test::JwTestDrive t;
  Play(t, test::ScriptFile("general_elbow.play"));
  jw::HostReport elbow = t.Run(test::kFigureBatch, {{-1500, 1500}});
  EXPECT_GT(elbow.added, 10u);
  Play(t, test::ScriptFile("anemo_box.play"));
  EXPECT_GT(t.Run(test::kFigureBatch, {{1200, 800}}).added, 4u);

  Play(t, test::ScriptFile("piping_catalogue_takeoff.play"));  // a 20A elbow with 500 mm of straight pipe
  EXPECT_EQ(t.Run(test::kFigureBatch, {{3000, 0}}).added, 23u + 9);  // 22 lines and the outer arc, the marker

  Play(t, kPipeLine);
  jw::HostReport pipe = t.Run(test::kFigureBatch, {{0, 0}, {2500, 0}});
  EXPECT_EQ(pipe.added, 2u + 10);
  // The drawing, to look at.
  std::filesystem::create_directories(TAVRIN_SCREENSHOTS);
  std::filesystem::copy_file(pipe.png, std::filesystem::path(TAVRIN_SCREENSHOTS) / "jw_road.png",
                             std::filesystem::copy_options::overwrite_existing);

  Play(t, {"press 集計", "click 読込開始", "expect-message 外部変形>積算.batを実行後、集計開始をクリックしてください。",
           "click 終了", "click 終了"});
  EXPECT_EQ(t.Run(R"(\jww\積算.bat)", {}).added, 0u);

  Play(t, {"press 集計", "click 集計開始", "expect-message 集計終了しました。",
           "expect-cell 1001 1 1 給水", "expect-cell 1001 1 2 ねじ込み継手", "expect-cell 1001 1 4 20",
           "expect-cell 1001 1 5 1",
           "click 配管",
           "expect-cell 1002 1 1 給水", "expect-cell 1002 1 2 ねじ込み継手",
           "expect-cell 1002 1 3 SGP(白)", "expect-cell 1002 1 5 0.50",
           "expect-cell 1002 2 2 鋼管（ＭＤ継手）", "expect-cell 1002 2 3 SGP(白)", "expect-cell 1002 2 4 20",
           "expect-cell 1002 2 5 2.50",
           "click 終了", "click 終了"});
}
