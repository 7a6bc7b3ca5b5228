// The Windows build under Wine, for the tests: Tavrin.exe and the helpers
// built beside it, run in the one prefix that scripts/windows.sh sets up (a
// virtual desktop on the Xvfb display it starts). Without them a test skips
// itself, unless TAVRIN_WINE_REQUIRED is set, as the script sets it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace test {

// Why the Windows build cannot run here (empty when it can); with a display
// too, for the tests that show windows.
std::string WineMissing(bool display);
bool WineRequired();

#define REQUIRE_WINE(display)                                  \
  do {                                                         \
    if (std::string why = test::WineMissing(display); !why.empty()) { \
      if (test::WineRequired()) FAIL() << why;                 \
      GTEST_SKIP() << why;                                     \
    }                                                          \
  } while (0)

std::filesystem::path WinePrefix();
std::filesystem::path TavrinExe();
// Tavrin.exe where the zip puts it: \Tavrin\exe\ beside the shipped data.
std::filesystem::path UnpackedTavrinExe();
// A helper built beside Tavrin.exe for the tests (hold_file, codepage_dump).
std::filesystem::path WindowsHelper(const std::string& name);

// The path a Windows program sees for a host path: Wine maps the root to Z:.
std::string WindowsPath(const std::filesystem::path& host);

// Runs a Windows program under Wine in the prefix and returns its exit
// code; with an output, what it printed goes there.
int RunUnderWine(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                 std::string* output = nullptr);
// Starts one and returns its process id, for WaitFor.
int StartUnderWine(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                   const std::filesystem::path& output = {});
int WaitFor(int pid);

}  // namespace test
