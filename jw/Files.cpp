#include "jw/Files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "jw/Exchange.h"
#include "ui/Text.h"

namespace jw {
namespace fs = std::filesystem;

namespace {

#ifndef _WIN32
std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return text;
}
#endif

// The entry of the folder with this name: natively an existing one whose
// name differs only in case is taken, as Windows would.
fs::path Child(const fs::path& folder, const std::string& name) {
#ifndef _WIN32
  std::error_code ec;
  if (fs::exists(folder / name, ec)) return folder / name;
  const std::string wanted = AsciiLower(name);
  for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec))
    if (AsciiLower(it->path().filename().string()) == wanted) return it->path();
#endif
  return folder / name;
}

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

fs::path Files::Locate(std::string_view windowsPath) const {
  fs::path path = root_;
  for (const std::string& part : ui::Split(windowsPath, '\\'))
    if (!part.empty()) path = Child(path, part);
  return path;
}

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
  std::vector<std::string> lines = ui::Split(bytes.str(), '\n');
  if (lines.back().empty()) lines.pop_back();
  for (std::string& line : lines)
    if (!line.empty() && line.back() == '\r') line.pop_back();
  return lines;
}

void WriteLinesTo(const fs::path& file, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  WriteBytesTo(file, bytes);
}

void WriteBytesTo(const fs::path& file, std::string_view bytes) {
  fs::path temporary = file;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) {
      std::error_code ec;
      fs::remove(temporary, ec);
      throw Unwritable(file.string());
    }
  }
  std::error_code ec;
  fs::rename(temporary, file, ec);
  if (ec) {
    fs::remove(temporary, ec);
    throw Unwritable(file.string());
  }
}

}  // namespace jw
