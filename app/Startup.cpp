#include "app/Startup.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace app {
namespace fs = std::filesystem;

const char* const kUsage =
    "使い方: tavrin [--drive DIR] [--play FILE [--gui]]\n"
    "  --drive DIR   DIR をドライブのルート（C:\\）として使う\n"
    "  --play FILE   画面を出さずに FILE の操作を実行する（失敗すると終了コード 1）\n"
    "  --gui         --play の操作を画面のダイアログに入力として送る\n";

Options ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    bool hasValue = i + 1 < arguments.size();
    if (a == "--drive" && hasValue) {
      options.drive = ui::PathFromUtf8(arguments[++i]);
    } else if (a == "--play" && hasValue) {
      options.play = ui::PathFromUtf8(arguments[++i]);
    } else if (a == "--gui") {
      options.gui = true;
    } else if (a == "--help" || a == "-h") {
      options.help = true;
    } else if (a == "-platform" && hasValue) {
      ++i;  // Qt's own option
    } else {
      options.error = "不明なオプション: " + a;
    }
  }
  return options;
}

fs::path ChooseDriveRoot(const std::optional<fs::path>& option) {
  if (option) return *option;
#ifdef _WIN32
  return ui::ProgramFile().root_path();
#endif
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return fs::path(prefix) / "drive_c";
  const char* home = std::getenv("HOME");
  fs::path homeDir = home && *home ? fs::path(home) : fs::current_path();
  std::error_code ec;
  if (fs::is_directory(homeDir / ".wine" / "drive_c", ec)) return homeDir / ".wine" / "drive_c";
  return homeDir / ".local" / "share" / "tavrin" / "drive";
}

ShippedData FindShippedData() {
  const fs::path program = ui::ProgramFile();
#ifdef _WIN32
  return ShippedData(program.parent_path().parent_path().parent_path(), true);
#else
  std::error_code ec;
  fs::path installed = program.parent_path().parent_path() / TAVRIN_INSTALLED_DATA;
  if (!program.empty() && fs::is_directory(installed / "Tavrin", ec)) return installed;
  return fs::path(TAVRIN_SOURCE_DATA);
#endif
}

namespace {

bool IsText(const fs::path& file) {
  static const std::set<std::string> extensions = {".ini", ".tec", ".ajc", ".htm", ".txt", ".bat", ".sdt"};
  std::string ext = file.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extensions.count(ext) != 0;
}

void CopyShippedFile(const fs::path& from, const fs::path& to, bool onDrive) {
  std::string bytes = ui::ReadFileBytes(from);
  if (onDrive || !IsText(from)) return ui::WriteFileAtomically(to, bytes);
  std::vector<std::string> lines;
  std::istringstream text(bytes);
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  ui::WriteTextFile(to, lines);
}

}  // namespace

bool InstallIfNeeded(const ui::Drive& drive, const ShippedData& shipped) {
  if (drive.Exists(R"(\Tavrin)")) return false;
  std::error_code ec;
  // On Windows the program itself lies in the data's folder (\Tavrin\exe\),
  // so the data is there only with its settings.
  const fs::path source = ui::LocateUnder(shipped.folder, "Tavrin");
  if (!fs::is_directory(ui::LocateUnder(source, "set"), ec)) throw ui::FileError(ui::LocateUnder(source, "set"), false);
  fs::create_directories(drive.root(), ec);
  if (!fs::is_directory(drive.root(), ec)) throw ui::FileError(drive.root(), true);
  // The data goes to a folder of its own first and becomes \Tavrin\ whole,
  // so that an installation that fails half-way is tried again next time.
  const fs::path staging = drive.root() / "Tavrin.installing";
  fs::remove_all(staging, ec);
  fs::create_directories(staging, ec);
  if (ec) throw ui::FileError(drive.root() / "Tavrin", true);
  try {
    std::error_code walk;
    for (auto it = fs::recursive_directory_iterator(source, walk); !walk && it != fs::recursive_directory_iterator();
         it.increment(walk)) {
      fs::path target = staging / fs::relative(it->path(), source);
      if (it->is_directory()) {
        fs::create_directories(target, ec);
        if (ec) throw ui::FileError(target, true);
      } else if (it->is_regular_file()) {
        CopyShippedFile(it->path(), target, shipped.onDrive);
      }
    }
    if (walk) throw ui::FileError(source, false);
    for (const char* folder : {"set", "HaikanSet", "SekisanData", "Mnl", "exe"}) {
      fs::create_directories(staging / folder, ec);
      if (ec) throw ui::FileError(staging / folder, true);
    }
    fs::rename(staging, drive.root() / "Tavrin", ec);
    if (ec) throw ui::FileError(drive.root() / "Tavrin", true);
  } catch (...) {
    fs::remove_all(staging, ec);
    throw;
  }
  // A drive without Jw_cad gets the folder where Jw_cad would be, so that
  // the placement batches have somewhere to go.
  if (!drive.Exists(R"(\jww)") && !drive.Exists(R"(\Program Files\Jw_cad\jww)")) {
    fs::create_directories(drive.root() / "jww", ec);
    if (ec) throw ui::FileError(drive.root() / "jww", true);
  }
  return true;
}

ui::Picture AppIcon() {
  return ui::Picture{32, 32, [](ui::Canvas& canvas) {
                       canvas.FillRect({0, 0, 32, 32}, {192, 192, 192});
                       // A square-duct elbow in plan, coming up from below and turning right.
                       canvas.SetPen({0, 128, 0});
                       canvas.Arc({8, 4, 36, 36}, 26, 4, 8, 22);
                       canvas.Arc({18, 14, 16, 16}, 26, 14, 18, 22);
                       for (auto [x1, y1, x2, y2] : {std::array{8, 22, 8, 31}, std::array{18, 22, 18, 31},
                                                     std::array{26, 4, 31, 4}, std::array{26, 14, 31, 14}}) {
                         canvas.MoveTo(x1, y1);
                         canvas.LineTo(x2, y2);
                       }
                       // Its two flanges.
                       canvas.SetPen({0, 0, 255});
                       canvas.MoveTo(5, 28);
                       canvas.LineTo(22, 28);
                       canvas.MoveTo(29, 1);
                       canvas.LineTo(29, 18);
                     }};
}

}  // namespace app
