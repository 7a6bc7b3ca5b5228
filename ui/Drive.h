// The file side of the program. Every path the program speaks of is a
// Windows path from the root of the current drive ("\Tavrin\set\Memo.ini");
// the drive maps it to a folder of the host, looking names up without regard
// to case as Windows does. Files on disk are Shift-JIS (code page 932) text
// with CR LF line ends; inside the program text is UTF-8. Files are written
// whole through a temporary file and a rename, so a failed write never leaves
// a half file behind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ui/HostFiles.h"
#include "ui/System.h"

namespace ui {

// Text files by host path: CP932 with CR LF on disk, UTF-8 lines in memory.
std::vector<std::string> ReadTextFile(const std::filesystem::path& file);
void WriteTextFile(const std::filesystem::path& file, const std::vector<std::string>& lines);
// The lines of a UTF-8 text file of the program's own (a script, a note),
// LF or CR LF; a FileError when it cannot be read.
std::vector<std::string> ReadUtf8File(const std::filesystem::path& file);

class Drive {
 public:
  explicit Drive(std::filesystem::path root);

  const std::filesystem::path& root() const { return root_; }

  // Host path of a Windows path under the root (LocateUnder).
  std::filesystem::path Locate(std::string_view windowsPath) const;
  bool Exists(std::string_view windowsPath) const;

  std::vector<std::string> ReadLines(std::string_view windowsPath) const;
  void WriteLines(std::string_view windowsPath, const std::vector<std::string>& lines) const;

 private:
  std::filesystem::path root_;
};

}  // namespace ui
