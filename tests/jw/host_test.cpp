#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "jw/Files.h"
#include "jw/host/Batch.h"
#include "jw/host/Process.h"
#include "tests/jw/JwTestDrive.h"

using app::BatchMode;
using test::kFigureBatch;

TEST(HostBatch, ReadsThePromptsOfEveryBatchThePanelWrites) {
  jw::Batch figure = jw::ParseBatch(app::BatchLines(BatchMode::Figure, "S字管"));
  ASSERT_EQ(figure.points.size(), 1u);
  EXPECT_EQ(figure.points[0].number, 1);
  EXPECT_EQ(figure.points[0].prompt, "【S字管】配置位置を指示してください。");
  EXPECT_FALSE(figure.handsDrawing);
  EXPECT_EQ(figure.program, R"(\Tavrin\exe\FigPlace.exe)");

  jw::Batch pipe = jw::ParseBatch(app::BatchLines(BatchMode::PipeLine, ""));
  ASSERT_EQ(pipe.points.size(), 2u);
  EXPECT_EQ(pipe.points[1].number, 2);
  EXPECT_EQ(pipe.points[1].prompt, "【配管作図】終点位置を指示してください。");
  EXPECT_EQ(pipe.program, R"(\Tavrin\exe\PipeRun.exe)");

  jw::Batch takeoff = jw::ParseBatch({"@REM 積算情報読込みバッチファイル", "@echo off", "goto  EXE", "REM  #jww", "REM  #h1",
                                      "REM  #hc    【積算情報読込み】", "REM  #g1", "REM  #e", ":EXE",
                                      R"(\Tavrin\exe\TakeoffRead.exe)"});
  EXPECT_TRUE(takeoff.points.empty());
  EXPECT_TRUE(takeoff.handsDrawing);
  EXPECT_EQ(takeoff.selectionPrompt, "【積算情報読込み】");

  EXPECT_THROW(jw::ParseBatch({"@echo off", ":EXE", "x.exe"}), jw::Error);
  EXPECT_THROW(jw::ParseBatch({"REM  #jww", "REM  #e", ":EXE", ""}), jw::Error);
}

TEST(Host, AskedPointsMustMatchTheBatch) {
  test::JwTestDrive t;
  t.WriteBatch(BatchMode::StraightDuct);
  EXPECT_THROW(t.Run(kFigureBatch, {{0, 0}}), jw::Error);
  EXPECT_FALSE(std::filesystem::exists(t.root() / "jww" / "drawing.txt"));
}

TEST(Host, AProgramThatLeavesTheCheckLineAddsNothing) {
  test::JwTestDrive t;
  t.Write(R"(\jww\noop.bat)", {"REM  #jww", "REM  #1 点", "REM  #e", ":EXE", R"(\Tavrin\exe\TakeoffRead.exe)"});
  jw::HostReport report = t.Run(R"(\jww\noop.bat)", {{1, 2}});
  EXPECT_EQ(report.added, 0u);
  EXPECT_EQ(t.Lines(R"(\jww\jwc_temp.txt)"), (std::vector<std::string>{"hq", "hp1 1 2"}));
  EXPECT_TRUE(std::filesystem::exists(report.png));
}

TEST(Host, ADrawingWithALineItCannotKeepIsLeftAlone) {
  test::JwTestDrive t;
  t.Write(R"(\jww\drawing.txt)", {"lg0", " 0 0 1 1", "pt 5 5"});
  t.Write(R"(\Tavrin\set\DrawData.txt)", {" 0 0 10 0"});
  t.WriteBatch(BatchMode::Figure);
  EXPECT_THROW(t.Run(kFigureBatch, {{0, 0}}), jw::Error);
  EXPECT_EQ(t.Lines(R"(\jww\drawing.txt)"), (std::vector<std::string>{"lg0", " 0 0 1 1", "pt 5 5"}));
}

TEST(Host, PicturesShowTheDrawing) {
  test::JwTestDrive t;
  t.Write(R"(\Tavrin\set\DrawData.txt)", {"lg0", "ly0", "lt1", "lc8", " 0 0 100 0", "lt2", "lc6", "ci 50 0 40"});
  t.WriteBatch(BatchMode::Figure);
  jw::HostReport report = t.Run(kFigureBatch, {{0, 0}});
  std::ifstream svgFile(report.svg);
  std::string svg((std::istreambuf_iterator<char>(svgFile)), {});
  EXPECT_NE(svg.find("stroke=\"#e60000\" points=\"20,"), std::string::npos) << svg.substr(0, 400);
  EXPECT_NE(svg.find("stroke=\"#0000ff\" stroke-dasharray=\"6,3\""), std::string::npos);

  std::ifstream pngFile(report.png, std::ios::binary);
  std::string png((std::istreambuf_iterator<char>(pngFile)), {});
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");
  EXPECT_LT(png.size(), 40000u) << "a line drawing on white is deflated, not stored";
}

TEST(JwFiles, FindJwCadAsThePanelDoesAndNamesCaseInsensitively) {
  test::JwTestDrive t;
  jw::Files files(t.root());
  EXPECT_EQ(files.JwFolder(), R"(\jww\)");
  std::filesystem::create_directories(t.root() / "Program Files" / "jw_cad" / "jww");
  std::ofstream(t.root() / "Program Files" / "jw_cad" / "jww" / "jw_win.exe") << "";
  EXPECT_EQ(files.JwFolder(), R"(\Program Files\Jw_cad\jww\)");
  EXPECT_EQ(files.Locate(R"(\PROGRAM FILES\JW_CAD\JWW\jwc_temp.txt)"),
            t.root() / "Program Files" / "jw_cad" / "jww" / "jwc_temp.txt");
  t.Write(R"(\Tavrin\set\Path.ini)", {"2"});
  EXPECT_EQ(files.JwFolder(), R"(\jww\)");
  std::ofstream(t.root() / "jww" / "jw_win.exe") << "";
  t.Write(R"(\Tavrin\set\Path.ini)", {"1"});
  EXPECT_EQ(files.JwFolder(), R"(\jww\)");
}

TEST(JwFiles, AProgramWithoutItsDriveSaysSoAndFails) {
  std::string program = std::string(TAVRIN_JW_PROGRAMS) + "/FigPlace";
  EXPECT_EQ(jw::RunProcess({program}, {{"TAVRIN_DRIVE", ""}}), 1);
  EXPECT_EQ(jw::RunProcess({program}, {{"TAVRIN_DRIVE", "/nonexistent/drive"}}), 1);
}
