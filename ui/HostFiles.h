// The byte side of the files on the drive, without any text conversion, so
// that the placing programs can share it: Windows paths looked up under a
// root folder without regard to case, whole-file writes, and the error that
// names a file.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

// A file that cannot be opened, read or written. The message names the file;
// the dialog framework shows it and stops the current action.
class FileError : public std::runtime_error {
 public:
  // A file that is missing (not writing) or cannot be written.
  FileError(const std::filesystem::path& file, bool writing);
  // A file that is there but cannot be read, for example one that another
  // program keeps locked.
  enum Unreadable { kUnreadable };
  FileError(const std::filesystem::path& file, Unreadable);
  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

// Paths and UTF-8 text: the program's strings are UTF-8 on every platform,
// while a Windows path is made of UTF-16 names, so every conversion between
// the two goes through these.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8Of(const std::filesystem::path& path);

// Host path of a Windows path ("\Tavrin\set\Memo.ini", "C:/..." too) under
// the root: existing components are matched case-insensitively, missing ones
// keep the spelling given, and ".." never leaves the root.
std::filesystem::path LocateUnder(const std::filesystem::path& root, std::string_view windowsPath);

// Bytes written whole through a temporary file and a rename, so that a
// failure leaves the old file as it was. Throws FileError.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The whole file as bytes. Throws FileError.
std::string ReadFileBytes(const std::filesystem::path& file);

}  // namespace ui
