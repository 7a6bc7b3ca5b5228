#include <gtest/gtest.h>

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
