// jwhost: the Jw_cad stand-in on the command line.
#include <cstdio>
#include <string>

#include "jw/host/Host.h"

namespace {

const char* const kUsage =
    "使い方: jwhost --drive DIR [--drawing FILE] [--layer G-L] [--programs DIR | --wine PREFIX] BATCH [X,Y ...]\n"
    "  --drive DIR       DIR をドライブのルート（C:\\）とする\n"
    "  --drawing FILE    図面のファイル（既定: バッチと同じフォルダの drawing.txt）\n"
    "  --layer G-L       現在のレイヤグループとレイヤ（既定: 0-0）\n"
    "  --programs DIR    ネイティブの FigPlace などのあるフォルダ（既定: jwhost と同じフォルダ）\n"
    "  --wine PREFIX     ドライブの \\Tavrin\\exe\\ の .exe を Wine（PREFIX）で実行する\n"
    "  BATCH             ドライブ上のバッチファイル（例: \\jww\\作図.bat）\n"
    "  X,Y               指示点（バッチの求める順に）\n";

bool ReadPoint(const std::string& text, jw::Point& p) {
  size_t comma = text.find(',');
  return comma != std::string::npos && jw::ReadNumber(text.substr(0, comma), p.x) &&
         jw::ReadNumber(text.substr(comma + 1), p.y);
}

std::filesystem::path OwnFolder() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  jw::HostRequest request;
  std::filesystem::path programs = OwnFolder(), winePrefix;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    bool hasValue = i + 1 < argc;
    if (a == "--drive" && hasValue) {
      request.drive = argv[++i];
    } else if (a == "--drawing" && hasValue) {
      request.drawing = argv[++i];
    } else if (a == "--layer" && hasValue) {
      std::string layer = argv[++i];
      size_t dash = layer.find('-');
      request.current.group = layer.substr(0, dash);
      request.current.layer = dash == std::string::npos ? "0" : layer.substr(dash + 1);
    } else if (a == "--programs" && hasValue) {
      programs = argv[++i];
    } else if (a == "--wine" && hasValue) {
      winePrefix = argv[++i];
    } else if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (request.batch.empty() && !a.starts_with("--")) {
      request.batch = a;
    } else if (jw::Point p; !request.batch.empty() && ReadPoint(a, p)) {
      request.points.push_back(p);
    } else {
      std::fprintf(stderr, "jwhost: 不明な引数: %s\n%s", a.c_str(), kUsage);
      return 2;
    }
  }
  if (request.drive.empty() || request.batch.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    if (winePrefix.empty()) {
      request.start = jw::NativePrograms(programs);
    } else {
      std::optional<std::filesystem::path> wine = jw::FindWine();
      if (!wine) throw jw::Error("Wine がありません。");
      request.start = jw::WinePrograms(*wine, std::filesystem::absolute(winePrefix));
    }
    jw::HostReport report = jw::RunBatch(request);
    for (const std::string& prompt : report.prompts) std::printf("%s\n", prompt.c_str());
    std::printf("図面に %zu 個の図形を加えました: %s\n%s\n%s\n", report.added, report.drawing.c_str(),
                report.svg.c_str(), report.png.c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "jwhost: %s\n", e.what());
    return 1;
  }
}
