#include "ui/HostFiles.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <fstream>
#include <iterator>
#include <optional>
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

namespace {

// Where a write goes: the file itself or, for a symbolic link, the file the
// link finally names.
fs::path Target(const fs::path& file) {
  fs::path target = file;
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(target, ec); ++hops) {
    fs::path link = fs::read_symlink(target, ec);
    if (ec) break;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return target;
}

bool ReadOnly(const fs::path& target, const fs::file_status& status) {
  constexpr fs::perms writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((status.permissions() & writable) == fs::perms::none) return true;
#ifndef _WIN32
  if (access(target.c_str(), W_OK) != 0) return true;
#endif
  return false;
}

bool WriteBytes(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

// The replacement takes over the mode of the file it replaces and, where
// the system lets it (root, or the owner itself), the owner.
bool KeepModeAndOwner(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::permissions(to, fs::status(from, ec).permissions(), ec);
  if (ec) return false;
#ifndef _WIN32
  struct stat old;
  if (stat(from.c_str(), &old) == 0 && chown(to.c_str(), old.st_uid, old.st_gid) != 0) {
    // Someone else's file that we may write: it becomes ours, as an editor
    // that replaces it would leave it.
  }
#endif
  return true;
}

// A file written to its temporary file beside the target, waiting for the
// rename; the old bytes are kept when they may have to be put back.
struct Staged {
  fs::path file, target, temporary;
  std::optional<std::string> old;
};

Staged Stage(const fs::path& file, std::string_view bytes, bool keepOld) {
  static std::mt19937 random{std::random_device{}()};
  Staged staged{file, Target(file), {}, std::nullopt};
  std::error_code ec;
  fs::file_status status = fs::symlink_status(staged.target, ec);
  bool exists = fs::exists(status);
  if (fs::is_symlink(status) || (exists && (!fs::is_regular_file(status) || ReadOnly(staged.target, status))) ||
      !fs::is_directory(staged.target.parent_path(), ec))
    throw FileError(file, true);
  try {
    if (exists && keepOld) staged.old = ReadFileBytes(staged.target);
  } catch (const FileError&) {
    throw FileError(file, true);  // a file whose bytes could not be put back is not replaced
  }
  staged.temporary = staged.target;
  staged.temporary += ".tmp" + std::to_string(random() % 1000000);
  if (!WriteBytes(staged.temporary, bytes) || (exists && !KeepModeAndOwner(staged.target, staged.temporary))) {
    fs::remove(staged.temporary, ec);
    throw FileError(file, true);
  }
  return staged;
}

void Discard(const std::vector<Staged>& staged, size_t from) {
  std::error_code ec;
  for (size_t i = from; i < staged.size(); ++i) fs::remove(staged[i].temporary, ec);
}

// Puts a renamed file back as it was: its old bytes, or no file.
void Restore(const Staged& staged) {
  std::error_code ec;
  if (!staged.old) {
    fs::remove(staged.target, ec);
    return;
  }
  try {
    WriteFileAtomically(staged.target, *staged.old);
  } catch (const FileError&) {
  }
}

}  // namespace

void WriteFileAtomically(const fs::path& file, std::string_view bytes) {
  WriteFilesTogether({FileBytes{file, std::string(bytes)}});
}

void WriteFilesTogether(const std::vector<FileBytes>& files) {
  std::vector<Staged> staged;
  try {
    for (const FileBytes& f : files) staged.push_back(Stage(f.file, f.bytes, files.size() > 1));
  } catch (const FileError&) {
    Discard(staged, 0);
    throw;
  }
  for (size_t i = 0; i < staged.size(); ++i) {
    std::error_code ec;
    fs::rename(staged[i].temporary, staged[i].target, ec);
    if (ec) {
      Discard(staged, i);
      for (size_t j = 0; j < i; ++j) Restore(staged[j]);
      throw FileError(staged[i].file, true);
    }
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
