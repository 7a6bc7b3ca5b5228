// The play scripts of tests/play as the tests of the front ends run them:
// what each needs on the drive beforehand, and the files they leave.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/TestDrive.h"

namespace test {

// The names of the scripts, "general_elbow.play" and so on.
std::vector<std::string> EveryScript();
// Writes what the script needs on the drive before it runs.
void PrepareFor(const TestDrive& t, const std::string& script);

// Plays the script with the native program (`tavrin --drive ... --play`,
// with the options before --play) and returns its exit code. A process of its
// own, as a user's run is: the drawing names' random sequence starts afresh.
int PlayWithTheProgram(const TestDrive& t, const std::string& script, const std::vector<std::string>& options = {});

// Every file under the root with its bytes, by path from the root; the
// catalogue's part folders, which test drives link instead of copying, are
// left out.
std::map<std::string, std::string> FilesUnder(const std::filesystem::path& root);
// Fails unless the two drives hold the same files with the same bytes.
void ExpectTheSameFiles(const TestDrive& expected, const TestDrive& written);

}  // namespace test
