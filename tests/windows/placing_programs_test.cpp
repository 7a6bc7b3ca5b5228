#include <gtest/gtest.h>

#include "tests/jw/JwTestDrive.h"
#include "tests/windows/Wine.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

// One placement of every kind, then the take-off extract, on the drive.
void PlaceEverything(test::JwTestDrive& t, const jw::ProgramStarter& start) {
  t.Write(R"(\Tavrin\set\DrawData.txt)",
          {"lg0", "ly2", "lt1", "lc2", " -1.234568e+001 0.000000e+000 5.000000e+001 0.000000e+000",
           "ci 0.000000e+000 0.000000e+000 2.500000e+001 4.500000e+001 2.700000e+002 1 0", "lt9",
           "ci -1.234568e+001 0.000000e+000 9.111900e-001", "ci -1.234568e+001 0.000000e+000 8.000800e-001"});
  t.Write(R"(\Tavrin\set\Choku.ini)", {"400", "30", "25", "1750", "2", "3", "1", "0", "0", "1"});
  t.Write(R"(\Tavrin\set\ChokuSet.ini)", {"0", "2", "1", "2", "0", "3", "1", "1", "0", "4", "1", "3"});
  t.Write(R"(\Tavrin\HaikanSet\Haikan.ini)", {"0", "3", "1", "8", "60.5", "-", "1", "0"});
  t.Write(R"(\Tavrin\HaikanSet\KanSekisan.ini)", {"1", "1", "5", "A", "50", "0.92229", "0.80018", "0.70027",
                                                  "0.60036", "0.50505", "0.40004", "0.30013", "0.20002", "0.10001"});
  t.Write(R"(\jww\積算.bat)", {"REM  #jww", "REM  #h1", "REM  #hc    【積算情報読込み】", "REM  #e", ":EXE",
                              R"(\Tavrin\exe\TakeoffRead.exe)"});
  auto run = [&](const std::string& batch, std::vector<jw::Point> points) {
    jw::HostRequest request;
    request.drive = t.root();
    request.batch = batch;
    request.points = points;
    request.start = start;
    jw::RunBatch(request);
  };
  t.WriteBatch(app::BatchMode::Figure);
  run(test::kFigureBatch, {{1000.123456, -20.5}});
  t.WriteBatch(app::BatchMode::StraightDuct);
  run(test::kFigureBatch, {{0, 0}, {3000, 1000}});
  t.WriteBatch(app::BatchMode::PipeLine);
  run(test::kFigureBatch, {{0, -500}, {12000, -400}});
  run(R"(\jww\積算.bat)", {});
}

}  // namespace

TEST(PlacingPrograms, TheWindowsProgramsGiveWhatTheNativeOnesGive) {
  REQUIRE_WINE(false);
  const fs::path windowsPrograms = TAVRIN_WINDOWS_PROGRAMS;
  test::JwTestDrive native, windows;
  for (const char* program : {"FigPlace.exe", "DuctRun.exe", "PipeRun.exe", "TakeoffRead.exe"})
    fs::copy_file(windowsPrograms / program, windows.root() / "Tavrin" / "exe" / program,
                  fs::copy_options::overwrite_existing);
  PlaceEverything(native, jw::NativePrograms(TAVRIN_JW_PROGRAMS));
  PlaceEverything(windows, jw::WinePrograms(*jw::FindWine(), test::WinePrefix()));

  EXPECT_EQ(windows.DrawingLines(), native.DrawingLines());
  EXPECT_GT(native.DrawingLines().size(), 40u);
  EXPECT_EQ(windows.Lines(R"(\Tavrin\HaikanSet\Toridasi.txt)"), native.Lines(R"(\Tavrin\HaikanSet\Toridasi.txt)"));
}
