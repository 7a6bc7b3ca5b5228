#include "app/BatchFile.h"

#include "settings/Paths.h"
#include "ui/Drive.h"
#include "ui/Text.h"

namespace app {

std::vector<std::string> BatchLines(BatchMode mode, const std::string& title) {
  const std::string head = "@REM 作図用バッチファイル";
  switch (mode) {
    case BatchMode::Figure:
      return {head + std::string(24, ' '),
              "@echo off",
              "goto  EXE",
              "REM  #jww",
              "REM  #h0",
              "REM  #0  【" + title + "】配置位置を指示してください。",
              "REM  #g1",
              "REM  #e",
              ":EXE",
              R"(\Tavrin\exe\FigPlace.exe)"};
    case BatchMode::StraightDuct:
      return {head + std::string(23, ' '),
              "@echo off",
              "goto  EXE",
              "REM  #jww",
              "REM  #h0",
              "REM  #1 【直管作図】基点位置を指示してください。",
              "REM  #2 【直管作図】終点位置を指示してください。",
              "REM  #g1",
              "REM  #e",
              ":EXE",
              R"(\Tavrin\exe\DuctRun.exe)"};
    case BatchMode::PipeLine:
      return {head,
              "@echo off",
              "goto  EXE",
              "REM  #jww",
              "REM  #h0",
              "REM  #1 【配管作図】基点位置を指示してください。",
              "REM  #2 【配管作図】終点位置を指示してください。",
              "REM  #g1",
              "REM  #e",
              ":EXE",
              R"(\Tavrin\exe\PipeRun.exe)"};
  }
  return {};
}

HostLocation DecideHostLocation(const ui::Drive& drive) {
  const std::string jww = R"(\jww\作図.bat)";
  const std::string programFiles = R"(\Program Files\Jw_cad\jww\作図.bat)";
  int p = ui::ToInt(ui::LineAt(drive.ReadLines(settings::SetFile("Path.ini")), 1));
  bool j = drive.Exists(R"(\jww\jw_win.exe)");
  bool pf = drive.Exists(R"(\Program Files\jw_cad\jww\jw_win.exe)");
  if (p == 0) {
    if (!j && pf) return {std::nullopt, "JWWのセットアップ先を￥jww￥にしてください。"};
    return {jww, ""};
  }
  if (p == 1) {
    if (j) return {jww, ""};  // with or without a Program Files copy: Jw_cad is in \jww\.
    if (pf) return {programFiles, ""};
    return {std::nullopt, "JWWのセットアップ先を￥Jww￥にしてください。"};
  }
  return {jww, ""};
}

void WriteBatchFile(ui::Env env, BatchMode mode, const std::string& title) {
  HostLocation host = DecideHostLocation(env.drive);
  if (!host.batchPath) {
    env.services.Message(host.message, "環境確認");
    return;
  }
  env.drive.WriteLines(*host.batchPath, BatchLines(mode, title));
}

void RecordCommand(const ui::Drive& drive, int number) {
  drive.WriteLines(settings::SetFile("Command.ini"), {std::to_string(number)});
}

}  // namespace app
