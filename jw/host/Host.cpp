#include "jw/host/Host.h"

#include <cstdlib>

#include "jw/host/Batch.h"
#include "jw/host/Process.h"
#include "jw/host/Render.h"
#include "ui/Drive.h"
#include "ui/Text.h"

namespace jw {
namespace fs = std::filesystem;

namespace {

std::string ProgramName(const std::string& program) {
  std::string name = program.substr(program.find_last_of('\\') + 1);
  if (name.size() > 4 && ui::CompareNoCase(name.substr(name.size() - 4), ".exe") == 0) name.resize(name.size() - 4);
  return name;
}

// A drive letter of the Wine prefix that leads to the folder: one that
// already does, else the first one free (or left dangling by a drive that is gone).
std::string DriveLetter(const fs::path& prefix, const fs::path& folder) {
  fs::path devices = prefix / "dosdevices";
  std::error_code ec;
  fs::create_directories(devices, ec);
  for (char letter = 'd'; letter <= 'y'; ++letter) {
    fs::path link = devices / (std::string(1, letter) + ":");
    if (fs::equivalent(link, folder, ec)) return std::string(1, letter) + ":";
  }
  for (char letter = 'd'; letter <= 'y'; ++letter) {
    fs::path link = devices / (std::string(1, letter) + ":");
    if (fs::exists(link, ec)) continue;
    fs::remove(link, ec);  // a link to a drive that is gone
    fs::create_directory_symlink(fs::absolute(folder), link, ec);
    if (!ec) return std::string(1, letter) + ":";
  }
  throw Error("Wine のドライブ文字が空いていません: " + devices.string());
}

std::string FolderOf(const std::string& windowsPath) {
  size_t at = windowsPath.find_last_of('\\');
  return at == std::string::npos ? "\\" : windowsPath.substr(0, at + 1);
}

std::string PointText(Point p) { return FormatNumber(p.x) + " " + FormatNumber(p.y); }

// The records of a file that holds nothing else; anything else would be
// lost when the drawing is written again, so it is refused.
std::vector<Record> RecordsOnly(const std::vector<Item>& items, const std::string& name, const Attributes& current) {
  for (const Item& item : items)
    if (item.kind != Item::Kind::Attribute && item.kind != Item::Kind::Shape)
      throw Error(name + " に図形として読めない行があります: " + item.text);
  return Records(items, current);
}

// What the program wrote back, unless it left Jw_cad's file as it was.
std::vector<Record> WrittenBack(const fs::path& file, const Attributes& current) {
  std::vector<Item> items = ParseExchange(ReadLinesOf(file), "jwc_temp.txt");
  if (HasCheckLine(items)) return {};
  return RecordsOnly(items, "jwc_temp.txt", current);
}

}  // namespace

ProgramStarter NativePrograms(fs::path folder) {
  return [folder](const Files& drive, const std::string& program) {
    fs::path file = folder / ProgramName(program);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) throw Error("プログラム " + file.string() + " がありません。");
    return RunProcess({file.string()}, {{"TAVRIN_DRIVE", drive.root().string()}});
  };
}

ProgramStarter WinePrograms(fs::path wine, fs::path prefix) {
  return [wine, prefix](const Files& drive, const std::string& program) {
    // No Mono or Gecko for a new prefix: console programs need neither.
    const std::vector<std::pair<std::string, std::string>> environment = {
        {"WINEPREFIX", prefix.string()}, {"WINEDEBUG", "-all"}, {"WINEDLLOVERRIDES", "mscoree,mshtml="}};
    // A new prefix is set up before a drive letter is added to it: Wine
    // does not finish setting up a prefix whose drive letters exist already.
    std::error_code ec;
    if (!fs::is_directory(prefix / "drive_c", ec) && RunProcess({wine.string(), "wineboot", "--init"}, environment) != 0)
      throw Error("Wine の環境 " + prefix.string() + " を作れません。");
    return RunProcess({wine.string(), DriveLetter(prefix, drive.root()) + program}, environment);
  };
}

std::optional<fs::path> FindWine() {
  std::error_code ec;
  if (const char* path = std::getenv("PATH"))
    for (const std::string& folder : ui::Split(path, ':'))
      for (const char* name : {"wine", "wine64"})
        if (!folder.empty() && fs::is_regular_file(fs::path(folder) / name, ec)) return fs::path(folder) / name;
  if (fs::is_regular_file("/usr/lib/wine/wine64", ec)) return fs::path("/usr/lib/wine/wine64");
  return std::nullopt;
}

std::vector<Record> ReadDrawing(const fs::path& file) {
  std::error_code ec;
  if (!fs::exists(file, ec)) return {};
  return RecordsOnly(ParseExchange(ReadLinesOf(file), file.string()), file.string(), {});
}

HostReport RunBatch(const HostRequest& request) {
  const Files drive(request.drive);
  const Batch batch = ParseBatch(drive.Read(request.batch));
  if (request.points.size() != batch.points.size())
    throw Error("このバッチファイルは " + std::to_string(batch.points.size()) + " 点の指示を求めていますが、" +
                std::to_string(request.points.size()) + " 点が与えられました。");

  HostReport report;
  report.drawing = request.drawing.empty() ? drive.Locate(FolderOf(request.batch) + "drawing.txt") : request.drawing;
  std::vector<Record> drawing = ReadDrawing(report.drawing);

  std::vector<std::string> exchange = {"hq"};
  for (size_t i = 0; i < batch.points.size(); ++i) {
    const PointPrompt& asked = batch.points[i];
    exchange.push_back("hp" + std::to_string(asked.number) + " " + PointText(request.points[i]));
    report.prompts.push_back(ui::Cp932ToUtf8(asked.prompt) + " → " + PointText(request.points[i]));
  }
  if (!batch.selectionPrompt.empty()) report.prompts.push_back(ui::Cp932ToUtf8(batch.selectionPrompt) + " → 全図形");
  if (batch.handsDrawing) {
    ExchangeWriter writer;
    for (const Record& record : drawing) writer.Add(record);
    exchange.insert(exchange.end(), writer.lines().begin(), writer.lines().end());
  }
  const fs::path exchangeFile = drive.Locate(FolderOf(request.batch) + "jwc_temp.txt");
  WriteLinesTo(exchangeFile, exchange);

  if (int code = request.start(drive, batch.program); code != 0)
    throw Error(batch.program + " が終了コード " + std::to_string(code) + " で終わりました。図面には何も加えていません。");
  std::vector<Record> added = WrittenBack(exchangeFile, request.current);
  report.added = added.size();
  drawing.insert(drawing.end(), added.begin(), added.end());

  ExchangeWriter writer;
  for (const Record& record : drawing) writer.Add(record);
  WriteLinesTo(report.drawing, writer.lines());
  report.svg = fs::path(report.drawing).replace_extension(".svg");
  report.png = fs::path(report.drawing).replace_extension(".png");
  RenderDrawing(drawing, report.svg, report.png);
  return report;
}

}  // namespace jw
