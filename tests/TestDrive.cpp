#include "tests/TestDrive.h"

#include <fstream>
#include <random>
#include <sstream>

#include "app/Startup.h"

namespace test {
namespace fs = std::filesystem;

namespace {

fs::path NewRoot() {
  static std::mt19937 random{std::random_device{}()};
  fs::path root = fs::temp_directory_path() / ("tavrin-test-" + std::to_string(random()));
  fs::create_directories(root);
  return root;
}

}  // namespace

TestDrive::TestDrive() : root_(NewRoot()), drive_(root_) {
  app::InstallIfNeeded(drive_, fs::path(TAVRIN_SOURCE_DATA));
}

TestDrive::~TestDrive() {
  std::error_code ec;
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(root_, ec);
}

std::vector<std::string> TestDrive::Lines(const std::string& windowsPath) const { return drive_.ReadLines(windowsPath); }

void TestDrive::Write(const std::string& windowsPath, const std::vector<std::string>& lines) const {
  drive_.WriteLines(windowsPath, lines);
}

std::string TestDrive::Bytes(const std::string& windowsPath) const {
  std::ifstream in(drive_.Locate(windowsPath), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void TestDrive::Remove(const std::string& windowsPath) const {
  std::error_code ec;
  fs::remove(drive_.Locate(windowsPath), ec);
}

std::vector<std::string> TestDrive::MessageTexts() const {
  std::vector<std::string> texts;
  for (const auto& shown : services_.messages) texts.push_back(shown.text);
  return texts;
}

}  // namespace test
