#include "jw/Files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "jw/Exchange.h"
#include "ui/HostFiles.h"
#include "ui/Text.h"

namespace jw {
namespace fs = std::filesystem;

namespace {

Error Unreadable(const std::string& name) { return Error("ファイル " + name + " が読めません。"); }
Error Unwritable(const std::string& name) { return Error("ファイル " + name + " に書き込めません。"); }

}  // namespace

Files::Files(fs::path root) : root_(std::move(root)) {}

Files Files::OfThisProgram() {
#ifdef _WIN32
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n == MAX_PATH) throw Error("プログラムのドライブが分かりません。");
  fs::path exe(path);
  return Files(exe.root_name() / exe.root_directory());
#else
  const char* root = std::getenv("TAVRIN_DRIVE");
  if (!root || !*root) throw Error("環境変数 TAVRIN_DRIVE にドライブのルートのフォルダを指定してください。");
  std::error_code ec;
  if (!fs::is_directory(root, ec)) throw Error(std::string("TAVRIN_DRIVE のフォルダ ") + root + " がありません。");
  return Files(root);
#endif
}

fs::path Files::Locate(std::string_view windowsPath) const { return ui::LocateUnder(root_, windowsPath); }

bool Files::Exists(std::string_view windowsPath) const {
  std::error_code ec;
  return fs::exists(Locate(windowsPath), ec);
}

std::vector<std::string> Files::Read(std::string_view windowsPath) const {
  fs::path file = Locate(windowsPath);
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) throw Error("ファイル " + std::string(windowsPath) + " がありません。");
  try {
    return ReadLinesOf(file);
  } catch (const Error&) {
    throw Unreadable(std::string(windowsPath));
  }
}

void Files::Write(std::string_view windowsPath, const std::vector<std::string>& lines) const {
  try {
    WriteLinesTo(Locate(windowsPath), lines);
  } catch (const Error&) {
    throw Unwritable(std::string(windowsPath));
  }
}

std::string Files::JwFolder() const {
  const std::string jww = R"(\jww\)";
  int p = ui::ToInt(ui::LineAt(Read(R"(\Tavrin\set\Path.ini)"), 1));
  bool inJww = Exists(R"(\jww\jw_win.exe)");
  bool inProgramFiles = Exists(R"(\Program Files\jw_cad\jww\jw_win.exe)");
  // Only a Jw_cad that lives in Program Files alone runs from there; the
  // panel writes its batches to \jww\ in every other case.
  if ((p == 0 || p == 1) && inProgramFiles && !inJww) return R"(\Program Files\Jw_cad\jww\)";
  return jww;
}

std::vector<std::string> ReadLinesOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw Unreadable(file.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw Unreadable(file.string());
  return LinesOf(bytes.str());
}

std::vector<std::string> LinesOf(std::string_view bytes) {
  std::vector<std::string> lines = ui::Split(bytes, '\n');
  if (lines.back().empty()) lines.pop_back();
  for (std::string& line : lines)
    if (!line.empty() && line.back() == '\r') line.pop_back();
  return lines;
}

void WriteLinesTo(const fs::path& file, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  try {
    ui::WriteFileAtomically(file, bytes);
  } catch (const ui::FileError&) {
    throw Unwritable(file.string());
  }
}

}  // namespace jw
