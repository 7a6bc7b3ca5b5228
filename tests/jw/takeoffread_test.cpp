#include <gtest/gtest.h>

#include <map>

#include "jw/TakeoffRead.h"
#include "tests/jw/JwTestDrive.h"

namespace {

using Lines = std::vector<std::string>;

const Lines kTakeoffBatch = {"@REM 積算情報読込みバッチファイル", "@echo off", "goto  EXE", "REM  #jww", "REM  #h1",
                             "REM  #hc    【積算情報読込み】", "REM  #g1", "REM  #e", ":EXE",
                             R"(\Tavrin\exe\TakeoffRead.exe)"};

}  // namespace

TEST(TakeoffRead, WritesTheCirclesAfterTheLineTypeTheyAreDrawnIn) {
  std::vector<jw::Item> drawing = jw::ParseExchange(
      {"hq", "lt1", " 0 0 1 1", "ci 5 5 10", "lc3", "ci 5 5 20 0 90 1 0", "lt9", " 0 0 2 2", "ci 1 2 0.91119", "lt9",
       "ci 1 2 0.80018", "lt2", " 3 3 4 4", "lt9", "ci 3 3 0.5"},
      "jwc_temp.txt");
  EXPECT_EQ(jw::MarkerExtract(drawing), (Lines{"lt1", "ci 5 5 10", "ci 5 5 20 0 90 1 0", "lt9", "ci 1 2 0.91119",
                                               "ci 1 2 0.80018", "ci 3 3 0.5"}));
}

// The markers placed by FigPlace and PipeRun come out of the drawing in the
// grammar the tally reads: every circle of a marker after "lt9", with one
// centre text, nine circles for a fitting and ten for a pipe.
TEST(TakeoffRead, ExtractsTheMarkersThatTheOtherProgramsPlaced) {
  test::JwTestDrive t;
  Lines fitting = {"lg0", "ly2", "lt1", "lc2", " 0.000000e+000 0.000000e+000 1.000000e+002 0.000000e+000", "lt9"};
  for (const char* r : {"9.111900e-001", "8.001800e-001", "7.000700e-001", "6.001600e-001", "5.050500e-001",
                        "4.050400e-001", "3.001300e-001", "2.002200e-001", "1.000100e-001"})
    fitting.push_back(std::string("ci 0.000000e+000 0.000000e+000 ") + r);
  t.Write(R"(\Tavrin\set\DrawData.txt)", fitting);
  t.WriteBatch(app::BatchMode::Figure);
  t.Run(test::kFigureBatch, {{1000.5, 500}});

  t.Write(R"(\Tavrin\HaikanSet\Haikan.ini)", {"0", "3", "1", "8", "60.5", "-", "0", "0"});
  t.Write(R"(\Tavrin\HaikanSet\KanSekisan.ini)", {"1", "0", "0", "0", "50", "0.92229", "0.80018", "0.70027", "0.60036",
                                                  "0.50505", "0.40004", "0.30013", "0.20002", "0.10001"});
  t.WriteBatch(app::BatchMode::PipeLine);
  t.Run(test::kFigureBatch, {{1100, 0}, {3600, 0}});

  t.Write(R"(\jww\積算.bat)", kTakeoffBatch);
  jw::HostReport report = t.Run(R"(\jww\積算.bat)", {});
  EXPECT_EQ(report.added, 0u);
  EXPECT_EQ(report.prompts, (Lines{"【積算情報読込み】 → 全図形"}));

  Lines extract = t.Lines(R"(\Tavrin\HaikanSet\Toridasi.txt)");
  std::map<std::string, Lines> radii;  // by "x y"
  bool lineType9 = false;
  for (const std::string& line : extract) {
    if (line.starts_with("lt")) lineType9 = line.starts_with("lt9");
    if (!line.starts_with("ci ")) continue;
    ASSERT_TRUE(lineType9) << line;
    size_t r = line.find_last_of(' ');
    radii[line.substr(3, r - 3)].push_back(line.substr(r + 1));
  }
  ASSERT_EQ(radii.size(), 2u);
  EXPECT_EQ(radii["1000.5 500"], (Lines{"0.91119", "0.80018", "0.70007", "0.60016", "0.50505", "0.40504", "0.30013",
                                        "0.20022", "0.10001"}));
  EXPECT_EQ(radii["2350 0"], (Lines{"0.92229", "0.80018", "0.70027", "0.60036", "0.50505", "0.40004", "0.30013",
                                    "0.20002", "0.12501", "1"}));
}
