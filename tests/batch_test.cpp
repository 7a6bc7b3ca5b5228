#include <gtest/gtest.h>

#include <fstream>

#include "app/BatchFile.h"
#include "tests/TestDrive.h"
#include "ui/Drive.h"

using app::BatchMode;

namespace {

const char* kJww = R"(\jww\作図.bat)";
const char* kProgramFiles = R"(\Program Files\Jw_cad\jww\作図.bat)";

void Touch(test::TestDrive& t, const std::string& relative) {
  auto file = t.root() / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "";
}

}  // namespace

TEST(BatchFile, ModeZeroLinesAreByteExact) {
  test::TestDrive t;
  app::WriteBatchFile(t.env(), BatchMode::Figure, "一般両エルボ");
  std::string bytes = t.Bytes(kJww);
  std::vector<std::string> lines = t.Lines(kJww);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "@REM 作図用バッチファイル" + std::string(24, ' '));
  EXPECT_EQ(lines[2], "goto  EXE");
  EXPECT_EQ(lines[5], "REM  #0  【一般両エルボ】配置位置を指示してください。");
  EXPECT_EQ(lines[9], R"(\Tavrin\exe\FigPlace.exe)");
  EXPECT_EQ(bytes.find("\r\n"), 49u);  // first line in code page 932
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST(BatchFile, FirstLinesOfTheOtherModes) {
  test::TestDrive t;
  app::WriteBatchFile(t.env(), BatchMode::StraightDuct, "直管作図");
  EXPECT_EQ(t.Bytes(kJww).find("\r\n"), 48u);
  EXPECT_EQ(t.Lines(kJww).size(), 11u);
  EXPECT_EQ(t.Lines(kJww)[6], "REM  #2 【直管作図】終点位置を指示してください。");
  EXPECT_EQ(t.Lines(kJww)[10], R"(\Tavrin\exe\DuctRun.exe)");
  app::WriteBatchFile(t.env(), BatchMode::PipeLine, "配管線作図");
  EXPECT_EQ(t.Bytes(kJww).find("\r\n"), 25u);
  EXPECT_EQ(t.Lines(kJww)[5], "REM  #1 【配管作図】基点位置を指示してください。");
  EXPECT_EQ(t.Lines(kJww)[10], R"(\Tavrin\exe\PipeRun.exe)");
}

TEST(HostLocation, FollowsPathIniAndTheJwCadCopies) {
  struct Row {
    std::string path;
    bool jww, programFiles;
    std::optional<std::string> batch;
    std::string message;
  };
  const std::string m0 = "JWWのセットアップ先を￥jww￥にしてください。";
  const std::string m1 = "JWWのセットアップ先を￥Jww￥にしてください。";
  const std::vector<Row> rows = {
      {"0", true, true, kJww, ""},        {"0", false, true, std::nullopt, m0}, {"0", false, false, kJww, ""},
      {"1", true, true, kJww, ""},        {"1", false, true, kProgramFiles, ""}, {"1", false, false, std::nullopt, m1},
      {"1", true, false, kJww, ""},       {"2", false, true, kJww, ""},          {"x", false, true, std::nullopt, m0},
  };
  for (const Row& row : rows) {
    test::TestDrive t;
    t.Write(R"(\Tavrin\set\Path.ini)", {row.path});
    if (row.jww) Touch(t, "jww/jw_win.exe");
    if (row.programFiles) Touch(t, "Program Files/jw_cad/jww/jw_win.exe");
    app::HostLocation host = app::DecideHostLocation(t.drive());
    SCOPED_TRACE(row.path + " " + std::to_string(row.jww) + std::to_string(row.programFiles));
    EXPECT_EQ(host.batchPath, row.batch);
    EXPECT_EQ(host.message, row.message);
  }
}

TEST(HostLocation, ADeclinedBatchShowsTheMessageAndWritesNothing) {
  test::TestDrive t;
  Touch(t, "Program Files/jw_cad/jww/jw_win.exe");
  app::WriteBatchFile(t.env(), BatchMode::Figure, "S字管");
  ASSERT_EQ(t.services().messages.size(), 1u);
  EXPECT_EQ(t.services().messages[0].title, "環境確認");
  EXPECT_FALSE(t.Exists(kJww));
  EXPECT_FALSE(t.Exists(kProgramFiles));
}

TEST(HostLocation, TheProgramFilesBatchGoesBesideJwCad) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\Path.ini)", {"1"});
  Touch(t, "Program Files/jw_cad/jww/jw_win.exe");
  app::WriteBatchFile(t.env(), BatchMode::Figure, "ダンパー");
  EXPECT_EQ(t.Lines(kProgramFiles)[5], "REM  #0  【ダンパー】配置位置を指示してください。");
}

TEST(CommandLog, HoldsOneDecimalLine) {
  test::TestDrive t;
  app::RecordCommand(t.drive(), 26);
  EXPECT_EQ(t.Bytes(R"(\Tavrin\set\Command.ini)"), "26\r\n");
}
