// The byte side of the files on the drive, without any text conversion, so
// that the placing programs can share it: Windows paths looked up under a
// root folder without regard to case, whole-file writes, and the error that
// names a file.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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

// Bytes written whole through a temporary file beside the target and a
// rename, so that a failure leaves the old file as it was and no temporary
// file behind. A file the user protected is not replaced: a read-only file
// (the write bits cleared, as Windows' read-only attribute; honoured even
// where the system would let the write through, as for root) or a folder in
// its place is a FileError. A replaced file keeps its mode and, where the
// system allows, its owner; a symbolic link is written through to its
// target. Throws FileError naming the file.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Several files written together: each is written to its temporary file
// first and the renames follow only when all were written, so that either
// every file is new or every file is as it was.
struct FileBytes {
  std::filesystem::path file;
  std::string bytes;
};
void WriteFilesTogether(const std::vector<FileBytes>& files);

// The whole file as bytes. Throws FileError.
std::string ReadFileBytes(const std::filesystem::path& file);

}  // namespace ui
