// The play scripts through Tavrin.exe under Wine leave on a drive the very
// bytes that the native build leaves: headlessly every script, and on the
// real Win32 dialogs the scripts that go through the panel, a fitting, the
// catalogue, the take-off and a message box.
#include <gtest/gtest.h>

#include "tests/PlayScripts.h"
#include "tests/windows/Wine.h"

namespace fs = std::filesystem;

namespace {

std::string TestName(const testing::TestParamInfo<std::string>& info) {
  return info.param.substr(0, info.param.size() - 5);
}

// Plays the script natively and with Tavrin.exe (with the options given) on
// two drives prepared alike, and compares every file on them.
void ExpectTheSameFiles(const std::string& script, const std::vector<std::string>& options) {
  test::TestDrive native, windows;
  test::PrepareFor(native, script);
  test::PrepareFor(windows, script);
  ASSERT_EQ(test::PlayWithTheProgram(native, script), 0);
  std::vector<std::string> arguments = {"--drive", test::WindowsPath(windows.root())};
  arguments.insert(arguments.end(), options.begin(), options.end());
  arguments.push_back(test::WindowsPath(fs::path(TAVRIN_TEST_DIR) / "play" / script));
  ASSERT_EQ(test::RunUnderWine(test::TavrinExe(), arguments), 0);
  test::ExpectTheSameFiles(native, windows);
}

class WindowsPlay : public testing::TestWithParam<std::string> {};

TEST_P(WindowsPlay, LeavesTheFilesTheNativeBuildLeaves) {
  REQUIRE_WINE(false);
  ExpectTheSameFiles(GetParam(), {"--play"});
}

INSTANTIATE_TEST_SUITE_P(Scripts, WindowsPlay, testing::ValuesIn(test::EveryScript()), TestName);

class WindowsGuiPlay : public testing::TestWithParam<std::string> {};

TEST_P(WindowsGuiPlay, OnTheRealDialogsLeavesTheFilesTheNativeBuildLeaves) {
  REQUIRE_WINE(true);
  ExpectTheSameFiles(GetParam(), {"--gui", "--play"});
}

INSTANTIATE_TEST_SUITE_P(Scripts, WindowsGuiPlay,
                         testing::Values("general_elbow.play", "piping_catalogue_takeoff.play", "takeoff_tally.play",
                                         "attribute_hatching.play"),
                         TestName);

}  // namespace
