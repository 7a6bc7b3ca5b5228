#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "jw/Exchange.h"
#include "jw/PipeRun.h"
#include "tests/jw/JwTestDrive.h"

namespace {

using Lines = std::vector<std::string>;

// Haikan.ini: layer 0-3, line type 1, colour 8, outer diameter 60.5.
Lines Haikan(bool fixed45 = false, bool currentLayer = false) {
  return {"0", "3", "1", "8", "60.5", "-", fixed45 ? "1" : "0", currentLayer ? "1" : "0"};
}
// KanSekisan.ini for a pipe of size 50 with classification 1, kind 2 and name 3.
Lines KanSekisan(bool marker = true, bool fixedLayer = false) {
  return {marker ? "1" : "0", fixedLayer ? "1" : "0", "2", "F", "50", "0.92229", "0.80018", "0.70027", "0.60036",
          "0.50505", "0.40004", "0.30013", "0.20002", "0.10001"};
}

std::vector<jw::Record> Drawn(const Lines& lines) {
  return jw::Records(jw::ParseExchange(lines, "jwc_temp.txt"), {"", "", "", ""});
}

// The position-1 radius of every marker, by centre.
std::map<std::pair<double, double>, std::string> Lengths(const Lines& lines) {
  std::map<std::pair<double, double>, std::string> lengths;
  for (const jw::Record& r : Drawn(lines)) {
    std::string radius = jw::FormatNumber(r.shape.radius);
    if (r.shape.kind == jw::Shape::Kind::Circle && radius.starts_with("0.1")) lengths[{r.shape.a.x, r.shape.a.y}] = radius;
  }
  return lengths;
}

}  // namespace

TEST(PipeRun, DrawsThePipeAndItsTenCircleMarker) {
  EXPECT_EQ(jw::DrawPipe(Haikan(), KanSekisan(), {0, 0}, {2500, 0}),
            (Lines{"lg0", "ly3", "lt1", "lc8", " 0 30.25 2500 30.25", " 0 -30.25 2500 -30.25", "lt9",
                   "ci 1250 0 0.92229", "ci 1250 0 0.80018", "ci 1250 0 0.70027", "ci 1250 0 0.60036",
                   "ci 1250 0 0.50505", "ci 1250 0 0.40004", "ci 1250 0 0.30013", "ci 1250 0 0.20002",
                   "ci 1250 0 0.12501", "ci 1250 0 1"}));
  EXPECT_EQ(jw::DrawPipe(Haikan(), KanSekisan(false), {0, 0}, {2500, 0}).size(), 6u);
}

TEST(PipeRun, PositionOneHoldsTheDrawnLengthInTensOfMillimetres) {
  EXPECT_EQ(Lengths(jw::DrawPipe(Haikan(), KanSekisan(), {0, 0}, {3, 4})).begin()->second, "0.10011");
  EXPECT_EQ(Lengths(jw::DrawPipe(Haikan(), KanSekisan(), {0, 0}, {0, 2504.9})).begin()->second, "0.12501");
  EXPECT_EQ(Lengths(jw::DrawPipe(Haikan(), KanSekisan(), {0, 0}, {0, 2505})).begin()->second, "0.12511");
  // With 45° steps the end is moved onto the diagonal: 1900 / √2 = 1343.5 mm.
  Lines diagonal = jw::DrawPipe(Haikan(true), KanSekisan(), {0, 0}, {1000, 900});
  EXPECT_EQ(Lengths(diagonal).begin()->second, "0.11341");
  EXPECT_NEAR(Drawn(diagonal)[0].shape.b.x + 30.25 / std::sqrt(2), 950, 1e-6);
}

TEST(PipeRun, ARunLongerThanOneCodeHoldsCarriesOneMarkerPerPiece) {
  EXPECT_EQ(Lengths(jw::DrawPipe(Haikan(), KanSekisan(), {0, 0}, {9990, 0})),
            (std::map<std::pair<double, double>, std::string>{{{4995, 0}, "0.19991"}}));
  EXPECT_EQ(Lengths(jw::DrawPipe(Haikan(), KanSekisan(), {0, 0}, {14000, 0})),
            (std::map<std::pair<double, double>, std::string>{{{3500, 0}, "0.17001"}, {{10500, 0}, "0.17001"}}));
  auto pieces = Lengths(jw::DrawPipe(Haikan(), KanSekisan(), {0, 0}, {0, 20020}));  // 2002 units
  ASSERT_EQ(pieces.size(), 3u);
  std::vector<std::string> codes;
  for (const auto& [centre, radius] : pieces) codes.push_back(radius);
  EXPECT_EQ(codes, (std::vector<std::string>{"0.16681", "0.16671", "0.16671"}));  // 668 + 667 + 667
  EXPECT_EQ(Drawn(jw::DrawPipe(Haikan(), KanSekisan(), {0, 0}, {0, 20020})).size(), 2u + 3 * 10);
}

TEST(PipeRun, LayersOfThePipeAndOfTheMarker) {
  Lines fixedMarker = jw::DrawPipe(Haikan(false, true), KanSekisan(true, true), {0, 0}, {100, 0});
  EXPECT_EQ(Lines(fixedMarker.begin(), fixedMarker.begin() + 7),
            (Lines{"lt1", "lc8", " 0 30.25 100 30.25", " 0 -30.25 100 -30.25", "lg2", "lyF", "lt9"}));
  Lines current = jw::DrawPipe(Haikan(false, true), KanSekisan(), {0, 0}, {100, 0});
  for (const std::string& line : current) EXPECT_FALSE(line.starts_with("lg") || line.starts_with("ly")) << line;
  std::vector<jw::Record> onPipeLayer = Drawn(jw::DrawPipe(Haikan(), KanSekisan(), {0, 0}, {100, 0}));
  EXPECT_EQ(onPipeLayer.back().attributes, (jw::Attributes{"0", "3", "9", "8"}));
}

TEST(PipeRun, SettingsItCannotDrawAreNamed) {
  Lines haikan = Haikan();
  haikan[4] = "";
  EXPECT_THROW(jw::DrawPipe(haikan, KanSekisan(), {0, 0}, {100, 0}), jw::Error);
  Lines marker = KanSekisan();
  marker[8] = "abc";
  try {
    jw::DrawPipe(Haikan(), marker, {0, 0}, {100, 0});
    FAIL();
  } catch (const jw::Error& e) {
    EXPECT_EQ(std::string(e.what()), "KanSekisan.ini の 9 行目（積算情報）が読めません: abc");
  }
  EXPECT_THROW(jw::DrawPipe(Haikan(), KanSekisan(), {5, 5}, {5, 5}), jw::Error);
}

TEST(PipeRun, RunsFromThePipeLineBatch) {
  test::JwTestDrive t;
  t.Write(R"(\Tavrin\HaikanSet\Haikan.ini)", Haikan());
  t.Write(R"(\Tavrin\HaikanSet\KanSekisan.ini)", KanSekisan());
  t.WriteBatch(app::BatchMode::PipeLine, "配管線作図");
  EXPECT_EQ(t.Run(test::kFigureBatch, {{0, 0}, {0, 2500}}).added, 12u);
  EXPECT_EQ(t.DrawingLines()[4], " -30.25 0 -30.25 2500");
}
