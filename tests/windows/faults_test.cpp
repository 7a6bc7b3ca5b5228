// What goes wrong on a Windows drive gives the file error naming the file,
// and nothing is lost: a file that another program keeps locked (a sharing
// violation), a read-only file, a drive that cannot be written, a missing
// data folder.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "tests/TestDrive.h"
#include "tests/windows/Wine.h"

namespace fs = std::filesystem;

namespace {

// Plays the lines with Tavrin.exe on the drive; returns the exit code.
int PlayUnderWine(const fs::path& program, const fs::path& drive, const std::vector<std::string>& lines,
                  std::string* output = nullptr) {
  const fs::path script = fs::temp_directory_path() / ("tavrin-fault-" + std::to_string(getpid()) + ".play");
  {
    std::ofstream out(script);
    for (const std::string& line : lines) out << line << "\n";
  }
  int code = test::RunUnderWine(program, {"--drive", test::WindowsPath(drive), "--play", test::WindowsPath(script)},
                                output);
  fs::remove(script);
  return code;
}

// Another program holds the file open without sharing it, for the life of the object.
class Locked {
 public:
  explicit Locked(const fs::path& file) : held_(file.string() + ".held") {
    pid_ = test::StartUnderWine(test::WindowsHelper("hold_file"), {test::WindowsPath(file)});
    for (int i = 0; i < 300 && !fs::exists(held_); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ~Locked() {
    fs::remove(held_);
    test::WaitFor(pid_);
  }
  bool held() const { return fs::exists(held_); }

 private:
  fs::path held_;
  int pid_;
};

// Places a general elbow from the panel, which must fail on DrawData.txt
// with the error naming it; returns the exit code.
int PlaceElbowExpectingDrawDataError(const test::TestDrive& t) {
  return PlayUnderWine(test::TavrinExe(), t.root(),
                       {"press 一般両エルボ", "click 配置実行",
                        "expect-message ファイル " + test::WindowsPath(t.root()) +
                            R"(\Tavrin\set\DrawData.txt に書き込めません。)",
                        "click 終了", "click 終了"});
}

std::vector<std::string> Leftovers(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& file : fs::directory_iterator(folder))
    if (file.path().filename().string().find(".tmp") != std::string::npos) names.push_back(file.path().string());
  return names;
}

}  // namespace

TEST(WindowsFaults, AFileAnotherProgramLocksIsNamedAndKeptAsItWas) {
  REQUIRE_WINE(false);
  test::TestDrive t;
  const std::string windowsRoot = test::WindowsPath(t.root());
  t.Write(R"(\Tavrin\set\DrawData.txt)", {"lt1"});
  const std::string drawData = t.Bytes(R"(\Tavrin\set\DrawData.txt)");
  {
    Locked locked(t.drive().Locate(R"(\Tavrin\set\DrawData.txt)"));
    ASSERT_TRUE(locked.held());
    EXPECT_EQ(PlaceElbowExpectingDrawDataError(t), 0);
  }
  EXPECT_EQ(t.Bytes(R"(\Tavrin\set\DrawData.txt)"), drawData);
  EXPECT_TRUE(Leftovers(t.root() / "Tavrin" / "set").empty());
  // Read: the panel opens without its preset names and says which file it could not read.
  const std::string memos = t.Bytes(R"(\Tavrin\set\Memo.ini)");
  {
    Locked locked(t.drive().Locate(R"(\Tavrin\set\Memo.ini)"));
    EXPECT_EQ(PlayUnderWine(test::TavrinExe(), t.root(),
                            {"expect-message ファイル " + windowsRoot + R"(\Tavrin\set\Memo.ini を読み込めません。)",
                             "click 終了"}),
              0);
  }
  EXPECT_EQ(t.Bytes(R"(\Tavrin\set\Memo.ini)"), memos);
}

// A drive whose root cannot be made (Wine's Z:\proc is /proc) gets nothing,
// and the error names it.
TEST(WindowsFaults, ADriveThatCannotBeWrittenIsNamed) {
  REQUIRE_WINE(false);
  std::string output;
  EXPECT_EQ(
      test::RunUnderWine(test::UnpackedTavrinExe(), {"--drive", R"(Z:\proc\tavrin-drive)", "--play", "NUL"}, &output),
      1);
  EXPECT_NE(output.find(R"(ファイル Z:\proc\tavrin-drive に書き込めません。)"), std::string::npos) << output;
}

TEST(WindowsFaults, AMissingDataFolderIsNamed) {
  REQUIRE_WINE(false);
  // Tavrin.exe in its folder, without the data that comes beside it in the zip.
  test::TestDrive t;
  const fs::path alone = t.root() / "unpacked" / "Tavrin" / "exe";
  fs::create_directories(alone);
  fs::copy_file(test::TavrinExe(), alone / "Tavrin.exe");
  std::string output;
  EXPECT_EQ(test::RunUnderWine(alone / "Tavrin.exe", {"--drive", test::WindowsPath(t.root() / "new"), "--play", "NUL"},
                               &output),
            1);
  EXPECT_NE(output.find("ファイル " + test::WindowsPath(t.root() / "unpacked") + R"(\Tavrin\set)"), std::string::npos)
      << output;
  EXPECT_FALSE(fs::exists(t.root() / "new" / "Tavrin"));
  // On a drive whose piping folder is gone, the catalogue names the file it
  // misses, and the panel goes on.
  fs::remove_all(t.root() / "Tavrin" / "HaikanSet");
  EXPECT_EQ(PlayUnderWine(test::TavrinExe(), t.root(),
                          {"press 継手・部材選択",
                           "expect-message ファイル " + test::WindowsPath(t.root()) +
                               R"(\Tavrin\HaikanSet\TugiteName.ini が見つかりません。)",
                           "close", "expect 1402 属性は【標準】が選択されています。", "click 終了"}),
            0);
}

// A file the user made read-only (the Windows attribute; Wine keeps it as
// the Unix mode) is named and never replaced, even when the program runs
// with rights to replace it.
TEST(WindowsFaults, AReadOnlyFileIsNamedAndKeptAsItWas) {
  REQUIRE_WINE(false);
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\DrawData.txt)", {"lt1"});
  const fs::path drawData = t.drive().Locate(R"(\Tavrin\set\DrawData.txt)");
  const std::string before = t.Bytes(R"(\Tavrin\set\DrawData.txt)");
  fs::permissions(drawData, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(PlaceElbowExpectingDrawDataError(t), 0);
  EXPECT_EQ(t.Bytes(R"(\Tavrin\set\DrawData.txt)"), before);
  EXPECT_EQ(fs::status(drawData).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_TRUE(Leftovers(t.root() / "Tavrin" / "set").empty());
}
