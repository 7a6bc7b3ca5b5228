#include <gtest/gtest.h>

#include "figure/DrawData.h"
#include "figure/Figure.h"
#include "jw/FigPlace.h"
#include "settings/DuctSettings.h"
#include "tests/jw/JwTestDrive.h"

using app::BatchMode;
using test::kFigureBatch;

namespace {

// A figure as a fitting dialog writes it: a duct line in slot 1, an arc in slot 3.
void WriteFigure(test::JwTestDrive& t, bool currentLayer) {
  figure::Figure figure;
  figure.SetSlots(settings::ReadSlotTable(t.drive()));
  figure.SetFrame(0, 0, 400, 400);
  figure.AddLineRecord(figure::kSolid, figure::kDuct, 0, 0, 400, 0);
  figure.AddArcRecord(figure::kSolid, figure::kFlangeLine, 0, 0, 200, 0, 90);
  figure::WriteDrawData(t.drive(), figure, currentLayer);
}

}  // namespace

TEST(FigPlace, InsertsTheDrawingDataAtThePickedPoint) {
  test::JwTestDrive t;
  t.Write(R"(\Tavrin\set\DakutoSet.ini)", {"0-2-1-2", "0-2-1-1", "1-5-2-3"});
  WriteFigure(t, false);
  t.WriteBatch(BatchMode::Figure, "一般両エルボ");
  jw::HostReport report = t.Run(kFigureBatch, {{1000, -500}});
  EXPECT_EQ(report.prompts, (std::vector<std::string>{"【一般両エルボ】配置位置を指示してください。 → 1000 -500"}));
  EXPECT_EQ(report.added, 2u);
  EXPECT_EQ(t.DrawingLines(), (std::vector<std::string>{"lg0", "ly2", "lt1", "lc2", " 1000 -500 1400 -500", "lg1",
                                                        "ly5", "lt2", "lc3", "ci 1000 -500 200 0 90 1 0"}));

  // A second placement adds to the drawing; without lg/ly it goes onto Jw_cad's current layer.
  WriteFigure(t, true);
  t.Run(kFigureBatch, {{0, 0}});
  std::vector<jw::Record> drawing = t.Drawing();
  ASSERT_EQ(drawing.size(), 4u);
  EXPECT_EQ(drawing[2].attributes, (jw::Attributes{"0", "0", "1", "2"}));
  EXPECT_EQ(drawing[3].attributes, (jw::Attributes{"0", "0", "2", "3"}));
}

TEST(FigPlace, KeepsTheAttributeLinesAsWrittenAndEveryMarkerCircleOnOneCentre) {
  const std::vector<std::string> data = {"lg0", "ly2", "lt1", "lc2", " -1.234568e+001 0.000000e+000 5.000000e+001 0.000000e+000",
                                         "lg0", "ly2", "lt9", "lc2"};
  std::vector<std::string> withMarker = data;
  for (const char* r : {"9.111900e-001", "8.001800e-001", "7.000700e-001", "6.001600e-001", "5.050500e-001",
                        "4.050400e-001", "3.001300e-001", "2.002200e-001", "1.000100e-001"})
    withMarker.push_back(std::string("ci -1.234568e+001 0.000000e+000 ") + r);
  std::vector<std::string> placed = jw::PlaceFigure(withMarker, {1000.1, 0.3});
  ASSERT_EQ(placed.size(), withMarker.size());
  EXPECT_EQ(std::vector<std::string>(placed.begin() + 5, placed.begin() + 9),
            (std::vector<std::string>{"lg0", "ly2", "lt9", "lc2"}));
  EXPECT_EQ(placed[9], "ci 987.75432 0.3 0.91119");
  EXPECT_EQ(placed[17], "ci 987.75432 0.3 0.10001");
}

TEST(FigPlace, ALineItCannotPlaceStopsItAndTheDrawingKeepsWhatItHad) {
  test::JwTestDrive t;
  WriteFigure(t, false);
  t.WriteBatch(BatchMode::Figure);
  t.Run(kFigureBatch, {{0, 0}});
  const std::vector<std::string> before = t.DrawingLines();

  t.Write(R"(\Tavrin\set\DrawData.txt)", {"lg0", " 1 2 3 4", "ch 0 0 1 0 \"文字"});
  EXPECT_THROW(jw::PlaceFigure(t.Lines(R"(\Tavrin\set\DrawData.txt)"), {0, 0}), jw::Error);
  // Moved beyond the double range, a figure has no numbers to write.
  EXPECT_THROW(jw::PlaceFigure({" 1.7e308 0 0 0"}, {1.7e308, 0}), jw::Error);
  EXPECT_THROW(t.Run(kFigureBatch, {{5, 5}}), jw::Error);
  t.Remove(R"(\Tavrin\set\DrawData.txt)");
  try {
    t.Run(kFigureBatch, {{5, 5}});
    FAIL();
  } catch (const jw::Error& e) {
    EXPECT_NE(std::string(e.what()).find("FigPlace.exe が終了コード 1"), std::string::npos) << e.what();
  }
  EXPECT_EQ(t.DrawingLines(), before);
}
