#include <gtest/gtest.h>

#include "jw/DuctRun.h"
#include "jw/Exchange.h"
#include "tests/jw/JwTestDrive.h"

namespace {

using Lines = std::vector<std::string>;

// Choku.ini: size 400, flange width 30, angle protrusion 25, pitch 1750,
// style, mode, both ends, not on the current layer, no 45° steps.
Lines Choku(int style = 1, int mode = 3) {
  return {"400", "30", "25", "1750", std::to_string(style), std::to_string(mode), "1", "1", "0", "0"};
}
const Lines kChokuSet = {"0", "2", "1", "2", "0", "3", "1", "1", "0", "4", "1", "3"};

std::vector<jw::Record> Drawn(const Lines& lines) {
  return jw::Records(jw::ParseExchange(lines, "jwc_temp.txt"), {"", "", "", ""});
}

}  // namespace

TEST(DuctRun, DrawsTheDuctWithFlangesAtThePitchAndAtBothEnds) {
  EXPECT_EQ(jw::DrawDuct(Choku(), kChokuSet, {0, 0}, {3600, 0}),
            (Lines{"lg0", "ly2", "lt1", "lc2", " 0 0 3600 0", " 0 -400 3600 -400",           // duct lines
                   "ly3", "lc1", " 0 25 0 -425", " 1750 25 1750 -425", " 3500 25 3500 -425",  // joints
                   " 3600 25 3600 -425",
                   "ly4", "lc3", " 30 25 30 -425", " 0 25 30 25", " 0 -425 30 -425",          // angles
                   " 1720 25 1720 -425", " 1780 25 1780 -425", " 1720 25 1780 25", " 1720 -425 1780 -425",
                   " 3470 25 3470 -425", " 3530 25 3530 -425", " 3470 25 3530 25", " 3470 -425 3530 -425",
                   " 3570 25 3570 -425", " 3570 25 3600 25", " 3570 -425 3600 -425"}));
}

// Points are picked clockwise round the duct: the duct lies to the right of
// the run. Along +x the clockwise side is -y.
TEST(DuctRun, TheStyleSaysWhichSideOfTheDuctThePointsAreOn) {
  const std::vector<std::pair<double, double>> sides = {{0, -400}, {200, -200}};
  for (int style = 1; style <= 2; ++style) {
    std::vector<jw::Record> duct = Drawn(jw::DrawDuct(Choku(style, 1), kChokuSet, {0, 0}, {1000, 0}));
    ASSERT_EQ(duct.size(), 2u);
    EXPECT_EQ(duct[0].shape.a.y, sides[style - 1].first) << style;
    EXPECT_EQ(duct[1].shape.a.y, sides[style - 1].second) << style;
  }
  // Drawn upwards, the duct of style 1 lies to the right of the points.
  std::vector<jw::Record> up = Drawn(jw::DrawDuct(Choku(1, 1), kChokuSet, {0, 0}, {0, 1000}));
  EXPECT_EQ(up[1].shape.a, (jw::Point{400, 0}));
  // Style 3 is picked right to left along the lower side: the duct stands
  // above the points, drawn from the end point as its left end.
  EXPECT_EQ(jw::DrawDuct(Choku(3, 1), kChokuSet, {1000, 0}, {0, 0}),
            (Lines{"lg0", "ly2", "lt1", "lc2", " 0 400 1000 400", " 0 0 1000 0"}));
  Lines leftEndOnly = Choku(3, 2);
  leftEndOnly[7] = "0";
  std::vector<jw::Record> flanges = Drawn(jw::DrawDuct(leftEndOnly, kChokuSet, {1000, 0}, {0, 0}));
  ASSERT_FALSE(flanges.empty());
  EXPECT_EQ(flanges[0].shape.a.x, 0);  // the joint line of the left end
  EXPECT_EQ(flanges.back().shape.b.x, 30);  // its angles reach one flange width in
}

// A joint is left out where its angles would overlap a drawn end flange or
// stand out past an end that is not drawn.
TEST(DuctRun, NoJointOverlapsAnEndFlangeOrPassesTheEnd) {
  auto joints = [](const Lines& choku, double length) {
    std::vector<double> at;
    for (const jw::Record& r : Drawn(jw::DrawDuct(choku, kChokuSet, {0, 0}, {length, 0})))
      if (r.attributes.layer == "3") at.push_back(r.shape.a.x);
    return at;
  };
  EXPECT_EQ(joints(Choku(1, 2), 3560), (std::vector<double>{0, 1750, 3500, 3560}));  // the flanges touch
  EXPECT_EQ(joints(Choku(1, 2), 3559), (std::vector<double>{0, 1750, 3559}));
  Lines noRightEnd = Choku(1, 2);
  noRightEnd[7] = "0";
  EXPECT_EQ(joints(noRightEnd, 3530), (std::vector<double>{0, 1750, 3500}));
  EXPECT_EQ(joints(noRightEnd, 3520), (std::vector<double>{0, 1750}));
}

TEST(DuctRun, ModesEndsCurrentLayerAndFortyFiveDegrees) {
  Lines choku = Choku(1, 2);
  std::vector<jw::Record> flangesOnly = Drawn(jw::DrawDuct(choku, kChokuSet, {0, 0}, {1000, 0}));
  for (const jw::Record& r : flangesOnly) EXPECT_NE(r.attributes.layer, "2") << "no duct line in mode 2";
  EXPECT_EQ(flangesOnly.size(), 2u + 2 * 3);

  choku[6] = "0";  // no left end
  choku[7] = "0";  // no right end
  EXPECT_TRUE(Drawn(jw::DrawDuct(choku, kChokuSet, {0, 0}, {1000, 0})).empty());

  choku = Choku(1, 1);
  choku[8] = "1";  // the current layer
  choku[9] = "1";  // 45° steps
  Lines lines = jw::DrawDuct(choku, kChokuSet, {0, 0}, {1000, 900});
  EXPECT_EQ(lines[0], "lt1");
  std::vector<jw::Record> duct = Drawn(lines);
  EXPECT_EQ(duct[0].shape.b, (jw::Point{950, 950}));
  EXPECT_EQ(duct[0].attributes.group, "");
}

TEST(DuctRun, SettingsItCannotDrawAreNamed) {
  auto message = [](Lines choku, jw::Point end) {
    try {
      jw::DrawDuct(choku, kChokuSet, {0, 0}, end);
    } catch (const jw::Error& e) {
      return std::string(e.what());
    }
    return std::string("drawn");
  };
  Lines choku = Choku();
  choku[0] = "abc";
  EXPECT_EQ(message(choku, {1000, 0}), "Choku.ini の 1 行目（ダクトサイズ）が正しくありません: abc");
  choku = Choku(4);
  EXPECT_EQ(message(choku, {1000, 0}), "Choku.ini の 5 行目（ダクト形状）が正しくありません: 4");
  choku = Choku(1, 0);
  EXPECT_EQ(message(choku, {1000, 0}), "Choku.ini の 6 行目（作図設定）が正しくありません: 0");
  EXPECT_EQ(message(Choku(), {0, 0}), "基点と終点が同じ位置です。");
  choku = Choku();
  choku[3] = "0.001";
  EXPECT_NE(message(choku, {1000, 0}).find("フランジが多すぎます"), std::string::npos);
  choku[3] = "0";  // no pitch: the ends only
  EXPECT_EQ(message(choku, {1000, 0}), "drawn");
  EXPECT_EQ(Drawn(jw::DrawDuct(choku, kChokuSet, {0, 0}, {1000, 0})).size(), 2u + 2 + 2 * 3);
}

TEST(DuctRun, RunsFromTheStraightDuctBatch) {
  test::JwTestDrive t;
  t.Write(R"(\Tavrin\set\Choku.ini)", Choku(2, 1));
  t.Write(R"(\Tavrin\set\ChokuSet.ini)", kChokuSet);
  t.WriteBatch(app::BatchMode::StraightDuct, "直管作図");
  jw::HostReport report = t.Run(test::kFigureBatch, {{0, 0}, {0, -2000}});
  EXPECT_EQ(report.prompts[1], "【直管作図】終点位置を指示してください。 → 0 -2000");
  EXPECT_EQ(t.DrawingLines(), (Lines{"lg0", "ly2", "lt1", "lc2", " 200 0 200 -2000", " -200 0 -200 -2000"}));
}
