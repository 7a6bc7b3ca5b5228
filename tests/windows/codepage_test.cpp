#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "jw/host/Process.h"
#include "tests/TestDrive.h"
#include "tests/windows/Wine.h"

namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

// The Win32 code page functions and iconv convert every character and every
// byte sequence alike, so the two builds write the same files from the same
// text, whatever the user types.
TEST(CodePage, TheWindowsConversionIsTheNativeOne) {
  REQUIRE_WINE(false);
  test::TestDrive t;
  ASSERT_EQ(jw::RunProcess({TAVRIN_NATIVE_DUMP, (t.root() / "native.txt").string()}, {}), 0);
  ASSERT_EQ(test::RunUnderWine(test::WindowsHelper("codepage_dump"), {test::WindowsPath(t.root() / "windows.txt")}), 0);
  std::string native = Bytes(t.root() / "native.txt"), windows = Bytes(t.root() / "windows.txt");
  EXPECT_GT(native.size(), 1000000u);
  EXPECT_TRUE(native == windows) << "the dumps differ first at byte "
                                 << std::mismatch(native.begin(), native.end(), windows.begin(), windows.end()).first -
                                        native.begin();
}
