#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "tests/TestDrive.h"
#include "tests/WriteFaults.h"
#include "ui/Drive.h"

namespace fs = std::filesystem;

TEST(TextFiles, AreShiftJisWithCrLfOnDisk) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\X.ini)", {"属性は【標準】が選択されています。", "－～￥･", "abc"});
  std::string bytes = t.Bytes(R"(\Tavrin\set\X.ini)");
  // 属 is 0x91 0xAE in code page 932; every line ends in CR LF.
  EXPECT_EQ(bytes.substr(0, 2), "\x91\xae");
  EXPECT_EQ(bytes.substr(bytes.size() - 5), "abc\r\n");
  EXPECT_NE(bytes.find("\x81\x7c\x81\x60\x81\x8f\xa5\r\n"), std::string::npos);
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\X.ini)"),
            (std::vector<std::string>{"属性は【標準】が選択されています。", "－～￥･", "abc"}));
}

TEST(TextFiles, ReadLinesWithOrWithoutAFinalLineEnd) {
  test::TestDrive t;
  fs::path file = t.root() / "Tavrin" / "set" / "raw.ini";
  std::ofstream(file, std::ios::binary) << "1\r\n\r\nlast";
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\raw.ini)"), (std::vector<std::string>{"1", "", "last"}));
  std::ofstream(file, std::ios::binary | std::ios::trunc) << "a\nb\n";
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\raw.ini)"), (std::vector<std::string>{"a", "b"}));
}

TEST(TextFiles, UnconvertibleCharactersBecomeQuestionMarks) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\X.ini)", {"a😀b"});
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\X.ini)")[0], "a?b");
}

TEST(Paths, AreLookedUpWithoutRegardToCase) {
  test::TestDrive t;
  EXPECT_TRUE(t.Exists(R"(\TAVRIN\SET\memo.INI)"));
  EXPECT_EQ(t.drive().Locate(R"(\tavrin\Set\MEMO.ini)"), t.root() / "Tavrin" / "set" / "Memo.ini");
  EXPECT_EQ(t.drive().Locate("C:/Tavrin/new/File.txt"), t.root() / "Tavrin" / "new" / "File.txt");
}

TEST(FileErrors, NameTheFile) {
  test::TestDrive t;
  try {
    t.drive().ReadLines(R"(\Tavrin\set\Missing.ini)");
    FAIL();
  } catch (const ui::FileError& error) {
    EXPECT_EQ(error.file(), t.root() / "Tavrin" / "set" / "Missing.ini");
    EXPECT_NE(std::string(error.what()).find("Missing.ini"), std::string::npos);
  }
  EXPECT_THROW(t.Write(R"(\NoSuchFolder\a.ini)", {"x"}), ui::FileError);
}

TEST(FileErrors, AFailedWriteKeepsTheOldFileWhole) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\Keep.ini)", {"old"});
  std::vector<std::string> big(2000, "新しい内容の行");
  {
    test::WriteLimit limit(100);
    EXPECT_THROW(t.Write(R"(\Tavrin\set\Keep.ini)", big), ui::FileError);
  }
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Keep.ini)"), std::vector<std::string>{"old"});
  for (const auto& entry : fs::directory_iterator(t.root() / "Tavrin" / "set"))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

// What the user protected stays protected, whoever runs the program: a
// read-only file is not replaced (even by root, whom the system would let),
// a replaced file keeps its mode and owner, and a link is written through.
TEST(FileErrors, AReadOnlyFileIsNotReplaced) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\Keep.ini)", {"old"});
  fs::path file = t.root() / "Tavrin" / "set" / "Keep.ini";
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  try {
    t.Write(R"(\Tavrin\set\Keep.ini)", {"new"});
    FAIL();
  } catch (const ui::FileError& error) {
    EXPECT_EQ(error.file(), file);
  }
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Keep.ini)"), std::vector<std::string>{"old"});
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST(FileErrors, AReplacedFileKeepsItsModeAndOwner) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\Keep.ini)", {"old"});
  fs::path file = t.root() / "Tavrin" / "set" / "Keep.ini";
  const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(file, mode);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(file.c_str(), 1234, 2345), 0);
  }
  t.Write(R"(\Tavrin\set\Keep.ini)", {"new"});
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Keep.ini)"), std::vector<std::string>{"new"});
  EXPECT_EQ(fs::status(file).permissions(), mode);
  struct stat s {};
  stat(file.c_str(), &s);
  EXPECT_EQ(s.st_uid, root ? 1234u : geteuid());
  EXPECT_EQ(s.st_gid, root ? 2345u : getegid());
}

TEST(FileErrors, ASymbolicLinkIsWrittenThroughToItsTarget) {
  test::TestDrive t;
  fs::path target = t.root() / "elsewhere" / "Real.ini";
  fs::create_directories(target.parent_path());
  std::ofstream(target, std::ios::binary) << "old\r\n";
  fs::path link = t.root() / "Tavrin" / "set" / "Linked.ini";
  fs::create_symlink("../../elsewhere/Real.ini", link);
  t.Write(R"(\Tavrin\set\Linked.ini)", {"new"});
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(test::ReadBytes(target), "new\r\n");
  for (const auto& entry : fs::directory_iterator(target.parent_path()))
    EXPECT_EQ(entry.path().filename(), "Real.ini");  // no temporary file left
}

TEST(FileErrors, AFolderInTheFilesPlaceIsAFileError) {
  test::TestDrive t;
  fs::create_directory(t.root() / "Tavrin" / "set" / "Folder.ini");
  EXPECT_THROW(t.Write(R"(\Tavrin\set\Folder.ini)", {"x"}), ui::FileError);
  EXPECT_TRUE(fs::is_directory(t.root() / "Tavrin" / "set" / "Folder.ini"));
}

// Files that belong together are all new or all as they were.
TEST(FileErrors, FilesWrittenTogetherAreAllNewOrAllOld) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\A.ini)", {"old a"});
  t.Write(R"(\Tavrin\set\B.ini)", {"old b"});
  fs::permissions(t.root() / "Tavrin" / "set" / "B.ini", fs::perms::owner_read);
  try {
    t.drive().WriteTogether({{R"(\Tavrin\set\A.ini)", {"new a"}}, {R"(\Tavrin\set\B.ini)", {"new b"}},
                             {R"(\Tavrin\set\C.ini)", {"new c"}}});
    FAIL();
  } catch (const ui::FileError& error) {
    EXPECT_EQ(error.file(), t.root() / "Tavrin" / "set" / "B.ini");
  }
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\A.ini)"), std::vector<std::string>{"old a"});
  EXPECT_FALSE(t.Exists(R"(\Tavrin\set\C.ini)"));
  fs::permissions(t.root() / "Tavrin" / "set" / "B.ini", fs::perms::owner_read | fs::perms::owner_write);
  t.drive().WriteTogether({{R"(\Tavrin\set\A.ini)", {"new a"}}, {R"(\Tavrin\set\B.ini)", {"new b"}}});
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\A.ini)"), std::vector<std::string>{"new a"});
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\B.ini)"), std::vector<std::string>{"new b"});
}
