#include "tests/PlayScripts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "jw/host/Process.h"
#include "tests/TakeoffFixture.h"

namespace test {
namespace fs = std::filesystem;

std::vector<std::string> EveryScript() {
  std::vector<std::string> names;
  for (const auto& file : fs::directory_iterator(fs::path(TAVRIN_TEST_DIR) / "play"))
    if (file.path().extension() == ".play") names.push_back(file.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void PrepareFor(const TestDrive& t, const std::string& script) {
  if (script == "takeoff_tally.play") PrepareTallyScript(t);
}

int PlayWithTheProgram(const TestDrive& t, const std::string& script, const std::vector<std::string>& options) {
  std::vector<std::string> command = {TAVRIN_PROGRAM, "--drive", t.root().string()};
  command.insert(command.end(), options.begin(), options.end());
  command.push_back("--play");
  command.push_back((fs::path(TAVRIN_TEST_DIR) / "play" / script).string());
  return jw::RunProcess(command, {{"QT_QPA_PLATFORM", "offscreen"}});
}

std::map<std::string, std::string> FilesUnder(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    if (it->is_symlink() || !it->is_regular_file()) continue;
    std::ifstream in(it->path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    files[fs::relative(it->path(), root).string()] = bytes.str();
  }
  return files;
}

void ExpectTheSameFiles(const TestDrive& expected, const TestDrive& written) {
  auto wanted = FilesUnder(expected.root()), found = FilesUnder(written.root());
  for (const auto& [name, bytes] : wanted) {
    auto it = found.find(name);
    if (it == found.end()) ADD_FAILURE() << name << " is missing";
    else EXPECT_TRUE(it->second == bytes) << name << " differs";
  }
  for (const auto& [name, bytes] : found) EXPECT_TRUE(wanted.count(name)) << name << " is new";
}

}  // namespace test
