#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "app/Startup.h"
#include "tests/TestDrive.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the life of the object.
class Env {
 public:
  Env(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~Env() {
    if (saved_) setenv(name_, saved_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

}  // namespace

TEST(DriveRoot, OptionThenWinePrefixThenWineThenOwnFolder) {
  fs::path home = fs::temp_directory_path() / "tavrin-home-test";
  fs::remove_all(home);
  fs::create_directories(home);
  Env h("HOME", home.c_str());
  {
    Env w("WINEPREFIX", "/opt/prefix");
    EXPECT_EQ(app::ChooseDriveRoot(fs::path("/given")), fs::path("/given"));
    EXPECT_EQ(app::ChooseDriveRoot(std::nullopt), fs::path("/opt/prefix/drive_c"));
  }
  Env w("WINEPREFIX", nullptr);
  EXPECT_EQ(app::ChooseDriveRoot(std::nullopt), home / ".local/share/tavrin/drive");
  fs::create_directories(home / ".wine/drive_c");
  EXPECT_EQ(app::ChooseDriveRoot(std::nullopt), home / ".wine/drive_c");
  fs::remove_all(home);
}

TEST(Installation, ConvertsTheShippedTextAndMakesTheFolders) {
  test::TestDrive t;
  std::string memo = t.Bytes(R"(\Tavrin\set\Memo.ini)");
  EXPECT_EQ(memo.substr(0, 2), "\x95\x57");  // 標 in code page 932
  EXPECT_NE(memo.find("\r\n"), std::string::npos);
  for (const char* folder : {"HaikanSet", "SekisanData", "Mnl", "exe"})
    EXPECT_TRUE(fs::is_directory(t.root() / "Tavrin" / folder)) << folder;
  EXPECT_TRUE(fs::is_directory(t.root() / "jww"));
  std::string manual = t.Bytes(R"(\Tavrin\Mnl\Manual.htm)");
  EXPECT_NE(manual.find("charset=\"Shift_JIS\""), std::string::npos);
}

TEST(Installation, LeavesAnExistingTavrinFolderAlone) {
  fs::path root = fs::temp_directory_path() / "tavrin-install-test";
  fs::remove_all(root);
  fs::create_directories(root / "TAVRIN" / "set");
  std::ofstream(root / "TAVRIN" / "set" / "Memo.ini") << "mine\r\n";
  ui::Drive drive(root);
  EXPECT_FALSE(app::InstallIfNeeded(drive, TAVRIN_SOURCE_DATA));
  EXPECT_EQ(drive.ReadLines(R"(\Tavrin\set\Memo.ini)"), std::vector<std::string>{"mine"});
  EXPECT_FALSE(fs::exists(root / "jww"));
  fs::remove_all(root);
}

TEST(Options, DriveAndPlayAndUnknownOnes) {
  app::Options o = app::ParseOptions({"--drive", "/d", "--play", "s.play"});
  EXPECT_EQ(o.drive, fs::path("/d"));
  EXPECT_EQ(o.play, fs::path("s.play"));
  EXPECT_TRUE(o.error.empty());
  EXPECT_FALSE(app::ParseOptions({"--bogus"}).error.empty());
  EXPECT_TRUE(app::ParseOptions({"-platform", "offscreen"}).error.empty());
}
