#include "tests/TestDrive.h"

#include <fstream>
#include <random>
#include <sstream>

#include "app/CommandPanel.h"
#include "app/Programs.h"
#include "app/Startup.h"
#include "ui/headless/PlayScript.h"

namespace test {
namespace fs = std::filesystem;

namespace {

fs::path NewRoot() {
  static std::mt19937 random{std::random_device{}()};
  fs::path root = fs::temp_directory_path() / ("tavrin-test-" + std::to_string(random()));
  fs::create_directories(root);
  return root;
}

// The installed drive every test drive starts as. Installing converts and
// writes each of the hundreds of shipped files (most of them the catalogue's
// part files), which costs every test process a noticeable share of the
// suite's time, so it is done once for the shipped data as it stands and kept
// in the temporary folder for every test process; a test drive copies it and
// links its part folders, which nothing writes.
class InstalledDrive {
 public:
  InstalledDrive() : root_(fs::temp_directory_path() / ("tavrin-installed-" + Fingerprint())) {
    if (fs::exists(root_ / "Tavrin")) return;
    fs::path fresh = NewRoot();
    app::InstallIfNeeded(ui::Drive(fresh), fs::path(TAVRIN_SOURCE_DATA));
    std::error_code ec;
    fs::rename(fresh, root_, ec);  // another test process may have been quicker
    if (ec) fs::remove_all(fresh, ec);
  }

  void CopyTo(const fs::path& target) const {
    for (const auto& entry : fs::directory_iterator(root_)) {
      if (entry.path().filename() != "Tavrin") {
        fs::copy(entry.path(), target / entry.path().filename(), fs::copy_options::recursive);
        continue;
      }
      for (const auto& folder : fs::directory_iterator(entry.path())) {
        fs::path to = target / "Tavrin" / folder.path().filename();
        fs::create_directories(to.parent_path());
        if (IsPartFolder(folder.path())) fs::create_directory_symlink(folder.path(), to);
        else fs::copy(folder.path(), to, fs::copy_options::recursive);
      }
    }
  }

 private:
  // Names, sizes and times of the shipped files.
  static std::string Fingerprint() {
    std::string description;
    for (const auto& file : fs::recursive_directory_iterator(fs::path(TAVRIN_SOURCE_DATA))) {
      if (!file.is_regular_file()) continue;
      description += file.path().string() + ":" + std::to_string(file.file_size()) + ":" +
                     std::to_string(file.last_write_time().time_since_epoch().count()) + "\n";
    }
    return std::to_string(std::hash<std::string>{}(description));
  }

  static bool IsPartFolder(const fs::path& folder) {
    if (!fs::is_directory(folder)) return false;
    for (const auto& file : fs::directory_iterator(folder))
      if (file.path().extension() == ".ajc") return true;
    return false;
  }

  fs::path root_;
};

}  // namespace

TestDrive::TestDrive() : root_(NewRoot()), drive_(root_) {
  static const InstalledDrive installed;
  installed.CopyTo(root_);
  // The placing programs as a started panel finds them; no test runs these.
  for (const char* program : app::kPlacingPrograms) std::ofstream(root_ / "Tavrin" / "exe" / program) << "MZ";
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

PlayResult Play(const TestDrive& t, const std::vector<std::string>& script) {
  std::ostringstream out;
  ui::Player player(ui::ParseScript(script), t.drive(), out);
  ui::PlayServices services(player);
  app::CommandPanel panel({t.drive(), services});
  bool ok = player.Play([&] { panel.RunModal(); });
  return {ok, out.str()};
}

std::vector<std::string> ScriptFile(const std::string& name) {
  std::ifstream in(std::string(TAVRIN_TEST_DIR) + "/play/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (lines.empty()) throw std::runtime_error("no script " + name);
  return lines;
}

}  // namespace test
