// The Excel export of Tavrin.exe: the same workbook as the native build's,
// sheet for sheet (only the time it was made differs).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "tests/PlayScripts.h"
#include "tests/TakeoffFixture.h"
#include "tests/windows/Wine.h"

namespace fs = std::filesystem;

namespace {

// The parts of the workbook (a zip) but its properties, which hold the time.
std::map<std::string, std::string> Parts(const fs::path& workbook) {
  const fs::path folder = workbook.parent_path() / (workbook.stem().string() + "-parts");
  fs::create_directories(folder);
  EXPECT_EQ(std::system(("cd '" + folder.string() + "' && cmake -E tar xf '" + workbook.string() + "'").c_str()), 0);
  auto parts = test::FilesUnder(folder);
  parts.erase("docProps/core.xml");
  return parts;
}

}  // namespace

TEST(WindowsExcel, TheWorkbookIsTheNativeOne) {
  REQUIRE_WINE(false);
  test::TestDrive native, windows;
  for (const test::TestDrive* t : {&native, &windows}) {
    test::PrepareTallyScript(*t);
    std::ofstream(t->root() / "excel.play") << "press 1205\nclick 集計開始\nexpect-message 集計終了しました。\n"
                                               "type 1005 本館３階\nfile \\Tavrin\\SekisanData\\本館３階.xlsx\n"
                                               "click \"Excel 出力\"\nclick 終了\nclick 終了\n";
  }
  ASSERT_EQ(std::system(("'" + std::string(TAVRIN_PROGRAM) + "' --drive '" + native.root().string() + "' --play '" +
                         (native.root() / "excel.play").string() + "' > /dev/null")
                            .c_str()),
            0);
  ASSERT_EQ(test::RunUnderWine(test::TavrinExe(), {"--drive", test::WindowsPath(windows.root()), "--play",
                                                   test::WindowsPath(windows.root() / "excel.play")}),
            0);
  const auto expected = Parts(native.drive().Locate(R"(\Tavrin\SekisanData\本館３階.xlsx)"));
  const auto written = Parts(windows.drive().Locate(R"(\Tavrin\SekisanData\本館３階.xlsx)"));
  EXPECT_GT(expected.size(), 5u);
  EXPECT_EQ(expected, written);
}
