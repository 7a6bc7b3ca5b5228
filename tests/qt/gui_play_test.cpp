// The scripts that the Windows build plays on its real dialogs, played by
// `tavrin --gui --play` on the real Qt dialogs (Qt's offscreen platform):
// they leave the files that the headless run leaves.
#include <gtest/gtest.h>

#include "tests/PlayScripts.h"

namespace {

class QtGuiPlay : public testing::TestWithParam<std::string> {};

TEST_P(QtGuiPlay, OnTheRealDialogsLeavesTheFilesTheHeadlessRunLeaves) {
  const std::string script = GetParam();
  test::TestDrive headless, shown;
  test::PrepareFor(headless, script);
  test::PrepareFor(shown, script);
  ASSERT_EQ(test::PlayWithTheProgram(headless, script), 0);
  ASSERT_EQ(test::PlayWithTheProgram(shown, script, {"--gui"}), 0);
  test::ExpectTheSameFiles(headless, shown);
}

INSTANTIATE_TEST_SUITE_P(Scripts, QtGuiPlay,
                         testing::Values("general_elbow.play", "piping_catalogue_takeoff.play", "takeoff_tally.play",
                                         "attribute_hatching.play"),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return info.param.substr(0, info.param.size() - 5);
                         });

}  // namespace
