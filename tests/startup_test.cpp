#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "app/Programs.h"
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
  EXPECT_FALSE(app::InstallIfNeeded(drive, fs::path(TAVRIN_SOURCE_DATA)));
  EXPECT_EQ(drive.ReadLines(R"(\Tavrin\set\Memo.ini)"), std::vector<std::string>{"mine"});
  EXPECT_FALSE(fs::exists(root / "jww"));
  fs::remove_all(root);
}

// The Windows zip holds the data as it lies on a drive: it is copied byte for
// byte, not converted again.
TEST(Installation, CopiesDataThatIsAlreadyAsOnADrive) {
  test::TestDrive shipped;
  fs::path root = fs::temp_directory_path() / "tavrin-install-copy-test";
  fs::remove_all(root);
  ui::Drive drive(root);
  EXPECT_TRUE(app::InstallIfNeeded(drive, app::ShippedData(shipped.root(), true)));
  for (const char* file : {R"(\Tavrin\set\Memo.ini)", R"(\Tavrin\HaikanSet\TugiteName.ini)"}) {
    std::ifstream in(drive.Locate(file), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, shipped.Bytes(file)) << file;
  }
  fs::remove_all(root);
}

// Without shipped data nothing is installed and the error names the folder
// that is missing; an installation that failed leaves no \Tavrin\ behind, so
// that the next start tries again.
TEST(Installation, MissingDataNamesTheFolderAndLeavesNoHalfInstallation) {
  fs::path root = fs::temp_directory_path() / "tavrin-install-missing-test";
  fs::remove_all(root);
  ui::Drive drive(root);
  try {
    app::InstallIfNeeded(drive, root / "nothing");
    FAIL() << "installed from nothing";
  } catch (const ui::FileError& error) {
    EXPECT_EQ(error.file(), root / "nothing" / "Tavrin" / "set");
  }
  EXPECT_FALSE(fs::exists(root / "Tavrin"));
  test::TestDrive shipped;
  fs::create_directories(root / "Tavrin.installing" / "set");  // left by a failed start
  fs::remove_all(shipped.root() / "Tavrin" / "exe");
  std::ofstream(shipped.root() / "Tavrin" / "exe") << "a file where the folder should go";
  EXPECT_THROW(app::InstallIfNeeded(drive, app::ShippedData(shipped.root(), true)), ui::FileError);
  EXPECT_FALSE(fs::exists(root / "Tavrin"));
  EXPECT_FALSE(fs::exists(root / "Tavrin.installing"));
  fs::remove(shipped.root() / "Tavrin" / "exe");
  EXPECT_TRUE(app::InstallIfNeeded(drive, app::ShippedData(shipped.root(), true)));
  EXPECT_TRUE(fs::is_regular_file(root / "Tavrin" / "set" / "Memo.ini"));
  fs::remove_all(root);
}

// The placing programs the batches start: put on the drive when it lacks
// them, replaced when the shipped ones are newer, kept when they are not.
TEST(Installation, BringsThePlacingProgramsUpToDate) {
  test::TestDrive t;
  fs::path shipped = t.root() / "shipped";
  fs::create_directories(shipped / "Tavrin" / "exe");
  const fs::path programs = shipped / "Tavrin" / "exe";
  EXPECT_NE(app::ShippedPrograms(shipped), programs);  // without them: the build's own
  for (const char* program : app::kPlacingPrograms) std::ofstream(programs / program) << "new " << program;
  EXPECT_EQ(app::ShippedPrograms(shipped), programs);

  for (const char* program : app::kPlacingPrograms) t.Remove(std::string(R"(\Tavrin\exe\)") + program);
  EXPECT_EQ(app::MissingProgram(t.drive()), "FigPlace.exe");
  EXPECT_EQ(app::UpdatePrograms(t.drive(), programs), 4);
  EXPECT_EQ(app::MissingProgram(t.drive()), std::nullopt);
  EXPECT_EQ(t.Bytes(R"(\Tavrin\exe\PipeRun.exe)"), "new PipeRun.exe");
  EXPECT_EQ(app::UpdatePrograms(t.drive(), programs), 0);  // the same time: up to date

  const fs::path onDrive = t.drive().Locate(R"(\Tavrin\exe\DuctRun.exe)");
  const auto shippedTime = fs::last_write_time(programs / "DuctRun.exe");
  std::ofstream(onDrive) << "old";
  fs::last_write_time(onDrive, shippedTime - std::chrono::hours(1));
  std::ofstream(t.drive().Locate(R"(\Tavrin\exe\FigPlace.exe)")) << "mine, newer";
  EXPECT_EQ(app::UpdatePrograms(t.drive(), programs), 1);
  EXPECT_EQ(t.Bytes(R"(\Tavrin\exe\DuctRun.exe)"), "new DuctRun.exe");
  EXPECT_EQ(fs::last_write_time(onDrive), shippedTime);
  EXPECT_EQ(t.Bytes(R"(\Tavrin\exe\FigPlace.exe)"), "mine, newer");
  EXPECT_EQ(app::UpdatePrograms(t.drive(), t.root() / "nowhere"), 0);
}

TEST(Options, DriveAndPlayAndUnknownOnes) {
  app::Options o = app::ParseOptions({"--drive", "/d", "--play", "s.play"});
  EXPECT_EQ(o.drive, fs::path("/d"));
  EXPECT_EQ(o.play, fs::path("s.play"));
  EXPECT_FALSE(o.gui);
  EXPECT_TRUE(o.error.empty());
  EXPECT_TRUE(app::ParseOptions({"--gui", "--play", "s.play"}).gui);
  EXPECT_FALSE(app::ParseOptions({"--bogus"}).error.empty());
  EXPECT_TRUE(app::ParseOptions({"-platform", "offscreen"}).error.empty());
}
