#include "ui/HostFiles.h"

#include <fstream>
#include <iterator>
#include <random>

namespace ui {
namespace fs = std::filesystem;

namespace {

std::string Describe(const fs::path& file, bool writing) {
  return writing ? "ファイル " + Utf8Of(file) + " に書き込めません。"
                 : "ファイル " + Utf8Of(file) + " が見つかりません。";
}

std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return text;
}

}  // namespace

fs::path PathFromUtf8(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8Of(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

FileError::FileError(const fs::path& file, bool writing) : std::runtime_error(Describe(file, writing)), file_(file) {}

FileError::FileError(const fs::path& file, Unreadable)
    : std::runtime_error("ファイル " + Utf8Of(file) + " を読み込めません。"), file_(file) {}

void WriteFileAtomically(const fs::path& file, std::string_view bytes) {
  static std::mt19937 random{std::random_device{}()};
  fs::path temporary = file;
  temporary += ".tmp" + std::to_string(random() % 1000000);
  std::error_code ec;
  if (!fs::is_directory(file.parent_path(), ec)) throw FileError(file, true);
  bool ok;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    ok = static_cast<bool>(out);
  }
  if (ok) fs::rename(temporary, file, ec), ok = !ec;
  if (!ok) {
    fs::remove(temporary, ec);
    throw FileError(file, true);
  }
}

std::string ReadFileBytes(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) throw FileError(file, false);
  std::ifstream in(file, std::ios::binary);
  if (!in) throw FileError(file, FileError::kUnreadable);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) throw FileError(file, FileError::kUnreadable);
  return bytes;
}

fs::path LocateUnder(const fs::path& root, std::string_view windowsPath) {
  std::string_view rest = windowsPath;
  if (rest.size() >= 2 && rest[1] == ':') rest.remove_prefix(2);
  fs::path current = root;
  bool searching = true;
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = rest.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = rest.size();
    std::string name(rest.substr(start, end - start));
    start = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (current != root) current = current.parent_path();
      continue;
    }
    std::error_code ec;
    if (searching && !fs::exists(current / PathFromUtf8(name), ec)) {
      std::string wanted = AsciiLower(name);
      bool found = false;
      for (const auto& entry : fs::directory_iterator(current, ec)) {
        std::string candidate = Utf8Of(entry.path().filename());
        if (AsciiLower(candidate) == wanted) {
          name = candidate;
          found = true;
          break;
        }
      }
      searching = found;
    }
    current /= PathFromUtf8(name);
  }
  return current;
}

}  // namespace ui
