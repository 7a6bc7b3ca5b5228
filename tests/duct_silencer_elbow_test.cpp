#include <gtest/gtest.h>

#include <cmath>

#include "duct/SilencerElbow.h"
#include "tests/FigureOutline.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using duct::SilencerElbow;
using test::CountLines;
using test::Records;

namespace {

const char* kShapes[] = {"角", "丸", "面取り", "切欠き"};

class SilencerElbowTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<SilencerElbow>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  // W, C, t with S = 200, then "表示更新".
  void Chamber(const std::string& w, const std::string& c, const std::string& lining) {
    user->Type(SilencerElbow::kWidth, w);
    user->Type(SilencerElbow::kChamber, c);
    user->Type(SilencerElbow::kLining, lining);
    user->Type(SilencerElbow::kStraight, "200");
    user->Click("表示更新");
  }
  const figure::Figure& f() { return dialog->figure(); }

  test::TestDrive t;
  std::unique_ptr<SilencerElbow> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST_F(SilencerElbowTest, TheChamferMovesTheChamberEndsByTheDiagonalOfTheLining) {
  Open();
  user->Click("面取り");
  Chamber("400", "300", "50");
  const double u = 1.414213562 * 50;
  EXPECT_EQ(CountLines(f(), 200 + u, -500, -250, -500), 1);
  EXPECT_EQ(CountLines(f(), 500, 250, 500, -200 - u), 1);
  EXPECT_EQ(CountLines(f(), 500, -200 - u, 200 + u, -500), 1);
  EXPECT_EQ(CountLines(f(), 500, -200, 200, -500), 1);  // the duct wall
  user->Click("切欠き");
  const double n = 150 - 0.4142135624 * 50;
  EXPECT_EQ(CountLines(f(), 500, -200, 200 + n, -200), 1);
  EXPECT_EQ(CountLines(f(), 200 + n, -200, 200, -200 - n), 1);
  EXPECT_EQ(CountLines(f(), 200, -200 - n, 200, -500), 1);
  EXPECT_EQ(CountLines(f(), 350, -250, 250, -350), 1);
  EXPECT_EQ(CountLines(f(), 250, -500, -250, -500), 1);
}

TEST_F(SilencerElbowTest, TheRoundCornerIsTwoArcsEvenWhenTheLiningIsThickerThanTheChamber) {
  Open();
  if (user->Checked("ハッチング有り")) user->Click("ハッチング有り");
  user->Click("丸");
  Chamber("400", "300", "50");
  std::vector<test::Record> arcs;
  for (const test::Record& r : Records(f()))
    if (r.kind == 2) arcs.push_back(r);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[0].slot, figure::kHiddenLine);
  EXPECT_EQ(arcs[0].style, figure::kDotted);
  EXPECT_EQ(arcs[0].v, (std::vector<double>{500, -500, 300, 90, 180}));
  EXPECT_EQ(arcs[1].slot, figure::kDuct);
  EXPECT_EQ(arcs[1].v, (std::vector<double>{500, -500, 250, 90, 180}));
  Chamber("400", "300", "350");
  EXPECT_NE(f().records().back().find(",-50.000000,90.000000,180.000000,"), std::string::npos);
}

TEST_F(SilencerElbowTest, EveryShapeIsClosedAndHasNoAngleLinesWithoutAnAngleWidth) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"0", "25", "100", "50"});
  Open();
  for (const char* shape : kShapes) {
    user->Click(shape);
    Chamber("400", "300", "50");
    std::vector<figure::Vec> open = test::OpenEnds(f(), {figure::kDuct, figure::kHiddenLine}, {figure::kFlangeLine});
    EXPECT_TRUE(open.empty()) << shape << ": " << test::Describe(open);
    for (int slot : f().recordSlots()) EXPECT_NE(slot, figure::kAngleLine) << shape;
  }
}

// The hatching fills the chamber of the chosen shape: the middle of every
// hatch segment is inside it, and the round chamber is hatched past the
// square corner up to its arc. Also when the figure is turned (the hatching
// keeps its direction in the drawing, so it crosses the chamber otherwise).
TEST_F(SilencerElbowTest, TheHatchingStaysInTheChamberOfEachShape) {
  Open();
  if (!user->Checked("ハッチング有り")) user->Click("ハッチング有り");
  const double w = 200, c = 300, t = 50, p = w + c, o = w + t;
  for (const char* angle : {"0", "30"}) {
    user->Type(SilencerElbow::kAngle, angle);
    for (int shape = 0; shape < 4; ++shape) {
      user->Click(kShapes[shape]);
      Chamber("400", "300", "50");
      int hatches = 0, pastTheSquareCorner = 0;
      for (const test::Record& r : Records(f())) {
        if (r.slot != figure::kHatching) continue;
        ++hatches;
        const figure::Vec mid =
            figure::RotatePoint((r.v[0] + r.v[2]) / 2, (r.v[1] + r.v[3]) / 2, -ui::ToReal(angle));
        const double x = mid.x, y = mid.y;
        bool inside = x > -o && x < p && y > -p && y < o;
        if (shape == 0) inside = inside && !(x > o && y < -o);
        if (shape == 1) inside = inside && std::hypot(x - p, y + p) > c - t;
        if (shape == 2) inside = inside && y - x > -2 * w - c - 1.414213562 * t;
        if (shape == 3) inside = inside && !(x > o && y < -o && y - x < -2 * w - t - c / 2);
        EXPECT_TRUE(inside) << kShapes[shape] << " at " << angle << "°: " << x << ", " << y;
        for (int end : {0, 2}) {
          const figure::Vec e = figure::RotatePoint(r.v[end], r.v[end + 1], -ui::ToReal(angle));
          pastTheSquareCorner += e.x > o + 1 && e.y < -o - 1;
        }
      }
      EXPECT_GT(hatches, 10) << kShapes[shape];
      if (shape == 0) {
        EXPECT_EQ(pastTheSquareCorner, 0) << angle << "°";
      }
      if (shape == 1) {
        EXPECT_GT(pastTheSquareCorner, 0) << angle << "°";  // up to the arc
      }
    }
  }
}

TEST_F(SilencerElbowTest, FiveHundredHatchLinesReachALongChamber) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "25", "100", "30"});
  Open();
  if (!user->Checked("ハッチング有り")) user->Click("ハッチング有り");
  user->Click("角");
  Chamber("400", "3000", "50");
  double lowest = 0;
  for (const test::Record& r : Records(f()))
    if (r.slot == figure::kHatching) lowest = std::min({lowest, r.v[1], r.v[3]});
  EXPECT_LT(lowest, -3000);  // 200 lines would stop near y = -1441 on the centre line
}

TEST_F(SilencerElbowTest, PlacingStoresElevenLinesAndReopeningRestoresThem) {
  Open();
  user->Click("切欠き");
  user->Click(SilencerElbow::kOuterPoint);
  user->Click(SilencerElbow::kRotation0 + 6);  // 270°
  if (user->Checked("ハッチング有り")) user->Click("ハッチング有り");
  user->Click("現在のレイヤに作図");
  Chamber("350", "250", "25");
  user->Click("配置実行");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\S_Erbo.ini)"),
            (std::vector<std::string>{"350", "250", "270", "200", "", "25", "1", "4", "0", "1", "0"}));
  EXPECT_FALSE(t.Exists(R"(\Tavrin\set\DrawName.ini)"));
  Open();
  EXPECT_TRUE(user->Checked("切欠き"));
  EXPECT_TRUE(user->Checked(SilencerElbow::kOuterPoint));
  EXPECT_TRUE(user->Checked(SilencerElbow::kRotation0 + 6));
  EXPECT_FALSE(user->Checked("ハッチング有り"));
  EXPECT_EQ(user->Text(SilencerElbow::kLining), "25");
}

TEST(SilencerElbowPlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("silencer_elbow.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 5.000000e+002 4.250000e+002 5.000000e+002 -2.500000e+001",
                " -4.250000e+002 -5.000000e+002 2.500000e+001 -5.000000e+002",
                "lc1",
                " 4.600000e+002 4.000000e+002 4.600000e+002 0.000000e+000",
                " -4.000000e+002 -4.600000e+002 0.000000e+000 -4.600000e+002",
                "lc2",
                " 5.000000e+002 4.000000e+002 3.000000e+002 4.000000e+002",
                " 5.000000e+002 0.000000e+000 3.000000e+002 0.000000e+000",
                " 0.000000e+000 -5.000000e+002 0.000000e+000 -3.000000e+002",
                " -4.000000e+002 -5.000000e+002 -4.000000e+002 -3.000000e+002",
                "lt2", "lc1",
                " -4.000000e+002 -3.000000e+002 -4.000000e+002 4.000000e+002",
                " -4.000000e+002 4.000000e+002 3.000000e+002 4.000000e+002",
                "lt1", "lc2",
                " 5.000000e+001 -3.000000e+002 -4.500000e+002 -3.000000e+002",
                " -4.500000e+002 -3.000000e+002 -4.500000e+002 4.500000e+002",
                " -4.500000e+002 4.500000e+002 3.000000e+002 4.500000e+002",
                " 3.000000e+002 4.500000e+002 3.000000e+002 -5.000000e+001",
                "lt2", "lc1",
                "ci 3.000000e+002 -3.000000e+002 3.000000e+002 9.000000e+001 1.800000e+002 1 0",
                "lt1", "lc2",
                "ci 3.000000e+002 -3.000000e+002 2.500000e+002 9.000000e+001 1.800000e+002 1 0",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"5"});
}
