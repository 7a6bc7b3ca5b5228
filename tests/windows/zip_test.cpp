// Tavrin-windows.zip as a Windows user unpacks it at the root of a drive.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>

#include "tests/PlayScripts.h"
#include "tests/windows/Wine.h"
#include "ui/System.h"

namespace fs = std::filesystem;

namespace {

// The DLLs a program imports, as objdump lists them.
std::set<std::string> ImportedDlls(const fs::path& program) {
  std::set<std::string> dlls;
  FILE* listing = popen(("x86_64-w64-mingw32-objdump -p '" + program.string() + "'").c_str(), "r");
  char line[512];
  while (listing && fgets(line, sizeof line, listing)) {
    std::string text = line;
    size_t at = text.find("DLL Name: ");
    if (at == std::string::npos) continue;
    std::string name = text.substr(at + 10);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    dlls.insert(name);
  }
  if (listing) pclose(listing);
  return dlls;
}

}  // namespace

TEST(WindowsZip, IsADriveRootWithTheFiveProgramsTheInstalledDataAndTheNote) {
  REQUIRE_WINE(false);
  test::TestDrive t;
  const fs::path unpacked = t.root() / "unpacked";
  fs::create_directories(unpacked);
  ASSERT_EQ(std::system(("cd '" + unpacked.string() + "' && cmake -E tar xf '" + TAVRIN_WINDOWS_ZIP + "'").c_str()), 0);

  const std::set<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll",   "comdlg32.dll",
                                        "comctl32.dll", "shell32.dll",  "winspool.drv", "ole32.dll",
                                        "msvcrt.dll",   "advapi32.dll"};
  for (const char* program : {"Tavrin.exe", "FigPlace.exe", "DuctRun.exe", "PipeRun.exe", "TakeoffRead.exe"}) {
    const fs::path file = unpacked / "Tavrin" / "exe" / program;
    ASSERT_TRUE(fs::exists(file)) << program;
    for (const std::string& dll : ImportedDlls(file))
      EXPECT_TRUE(system.count(dll)) << program << " needs " << dll << ", which Windows does not bring";
  }
  // The data as the first start installs it: Shift-JIS with CR LF.
  const auto installed = test::FilesUnder(t.root() / "Tavrin"), zipped = test::FilesUnder(unpacked / "Tavrin");
  EXPECT_GT(installed.size(), 50u);
  for (const auto& [name, bytes] : installed) {
    if (name.starts_with("exe/")) continue;  // the programs, above
    auto it = zipped.find(name);
    if (it == zipped.end()) ADD_FAILURE() << name << " is not in the zip";
    else EXPECT_TRUE(it->second == bytes) << name << " differs";
  }
  EXPECT_TRUE(fs::exists(unpacked / "Tavrin" / "TS" ));
  EXPECT_FALSE(fs::exists(unpacked / "jww"));  // Jw_cad's folder is the user's
  const std::string note = test::FilesUnder(unpacked)["INSTALL-ja.txt"];
  EXPECT_EQ(note.substr(0, 6), "Tavrin");
  EXPECT_NE(note.find(ui::Utf8ToCp932("インストール")), std::string::npos);
  EXPECT_NE(note.find("\r\n"), std::string::npos);
}
