// The drive the placing programs work on, as a Windows program sees it:
// every path is a Windows path from the root of the current drive
// ("\Tavrin\set\DrawData.txt"). On Windows the root is the drive of the
// program's own path; elsewhere it is the folder named by the environment
// variable TAVRIN_DRIVE (the host stand-in sets it). Files are read and
// written as bytes, one line per CR LF (or LF); Japanese text passes
// through untouched in the code page it came in.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

class Files {
 public:
  explicit Files(std::filesystem::path root);
  // The drive of the running program; throws Error when it cannot tell.
  static Files OfThisProgram();

  const std::filesystem::path& root() const { return root_; }
  // The host path; existing names are matched without regard to case.
  std::filesystem::path Locate(std::string_view windowsPath) const;
  bool Exists(std::string_view windowsPath) const;

  // Throws Error naming the file when it is missing or unreadable.
  std::vector<std::string> Read(std::string_view windowsPath) const;
  // Writes the file whole through a temporary file and a rename, so that a
  // failed write leaves the old file as it was. Throws Error.
  void Write(std::string_view windowsPath, const std::vector<std::string>& lines) const;

  // Jw_cad's program folder, "\jww\" or "\Program Files\Jw_cad\jww\", chosen
  // from \Tavrin\set\Path.ini and the Jw_cad copies present as the panel does.
  std::string JwFolder() const;
  // The exchange file jwc_temp.txt in Jw_cad's folder.
  std::string ExchangeFile() const { return JwFolder() + "jwc_temp.txt"; }

 private:
  std::filesystem::path root_;
};

// Reads the file as bytes and splits it into lines (LinesOf).
std::vector<std::string> ReadLinesOf(const std::filesystem::path& file);
// The lines of a file's bytes, split at CR LF or LF.
std::vector<std::string> LinesOf(std::string_view bytes);
// Writes the lines with CR LF, whole, through a temporary file and a rename.
void WriteLinesTo(const std::filesystem::path& file, const std::vector<std::string>& lines);

}  // namespace jw
