#include <gtest/gtest.h>

#include <cmath>

#include "duct/SPipe.h"
#include "tests/FigureRecords.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using duct::SPipe;
using test::Near;
using test::RecordsOfSlot;

namespace {

// KyotuSet.ini as shipped: angle width 40, flange protrusion 25, frame margin 100.
class SPipeTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }
  void Open() {
    dialog = std::make_unique<SPipe>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  // W = 300, R = 150 (the bends reach 2R + W = 600), Ls = 40, Le = 10;
  // ρ = 90 turns the pipe by 360°, which leaves it along +y as it is built.
  void Pipe(const std::string& d) {
    user->Type(SPipe::kWidth, "300");
    user->Type(SPipe::kRadius, "150");
    user->Type(SPipe::kOffset, d);
    user->Type(SPipe::kStartLength, "40");
    user->Type(SPipe::kEndLength, "10");
    user->Click(SPipe::kOrigin);
    user->Type(SPipe::kAngle, "90");
  }
  std::string A() const { return user->Text(SPipe::kLength); }
  // The four arcs: end bend inner and outer, start bend inner and outer.
  std::vector<std::vector<double>> Bends() const {
    auto duct = RecordsOfSlot(dialog->figure(), figure::kDuct);
    return {duct.end() - 4, duct.end()};
  }

  test::TestDrive t;
  std::unique_ptr<SPipe> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST_F(SPipeTest, TheShortestLengthAndTheStraightsThatFollowIt) {
  Pipe("500");
  user->Type(SPipe::kLength, "700");
  user->Click("Aの最短計算");
  EXPECT_EQ(A(), "641");  // 10 + 40 + 591 (√350000 = 591.6 cut)
  const std::string endFlange = dialog->figure().records()[5];
  // The straights recompute A at once; the figure waits for "表示更新".
  user->Type(SPipe::kEndLength, "20");
  EXPECT_EQ(A(), "651");
  EXPECT_EQ(dialog->figure().records()[5], endFlange);
  EXPECT_EQ(user->Text(SPipe::kStatus), "《表示更新をクリック》");
  // W, D and R leave A alone until the button is pressed.
  user->Click("表示更新");
  user->Type(SPipe::kOffset, "400");
  user->Type(SPipe::kRadius, "100");
  EXPECT_EQ(A(), "651");
  EXPECT_EQ(user->Text(SPipe::kStatus), "《表示更新をクリック》");
}

TEST_F(SPipeTest, AtTheShortestLengthTheBendsMeet) {
  Pipe("500");
  user->Click("Aの最短計算");
  auto bends = Bends();
  const double alpha = bends[2][3] - 360;  // the start bend begins on the line through the centres
  auto at = [](const std::vector<double>& arc, double angle) {
    return std::vector<double>{arc[0] + arc[2] * std::cos(angle * M_PI / 180), arc[1] + arc[2] * std::sin(angle * M_PI / 180)};
  };
  EXPECT_TRUE(Near(at(bends[2], alpha), at(bends[1], alpha + 180), 1.0));  // inner side into outer side,
  EXPECT_TRUE(Near(at(bends[3], alpha), at(bends[0], alpha + 180), 1.0));  // less than the cut millimetre apart
}

TEST_F(SPipeTest, AnOffsetOfTheBendsReachGivesQuarterBends) {
  Pipe("600");
  user->Click("表示更新");
  auto bends = Bends();
  for (int i : {0, 1}) EXPECT_TRUE(Near({bends[i][3], bends[i][4]}, {270 + 360, 360}));
  for (int i : {2, 3}) EXPECT_TRUE(Near({bends[i][3], bends[i][4]}, {90 + 360, 180 + 360}));
  user->Type(SPipe::kOffset, "700");
  user->Click("表示更新");
  EXPECT_LT(Bends()[2][3] - 360, 90);  // D > 2R + W: the start bend begins right of its top
  user->Type(SPipe::kOffset, "500");
  user->Click("表示更新");
  EXPECT_GT(Bends()[2][3] - 360, 90);  // D < 2R + W: left of it
}

TEST_F(SPipeTest, AnOffsetTheBendsCannotReachChangesNothing) {
  Pipe("500");
  user->Click("Aの最短計算");
  for (const char* d : {"1201", "-1"}) {  // beyond 2(2R + W) = 1200, or negative
    user->Type(SPipe::kOffset, d);
    user->Click("Aの最短計算");
    EXPECT_EQ(t.MessageTexts().back(), "Aの最短は計算できません。Dは0以上2×(2R+W)以下にしてください。");
    EXPECT_EQ(A(), "641");
  }
  size_t messages = t.MessageTexts().size();
  user->Type(SPipe::kStartLength, "50");  // typing asks nothing and changes nothing
  EXPECT_EQ(A(), "641");
  EXPECT_EQ(t.MessageTexts().size(), messages);
  user->Click("配置実行");
  EXPECT_EQ(user->Text(SPipe::kStatus), "<<配置できます>>");
  for (const char* file : {R"(\Tavrin\set\DrawData.txt)", R"(\Tavrin\set\Smagari.ini)"})
    for (const std::string& line : t.Lines(file))
      for (const char* word : {"nan", "inf"}) EXPECT_EQ(line.find(word), std::string::npos) << file << ": " << line;
  user->Type(SPipe::kOffset, "1200");
  user->Click("Aの最短計算");
  EXPECT_EQ(A(), "60");  // the bends touch side by side: only the straights remain
}

TEST_F(SPipeTest, ReopeningKeepsALengthenedA) {
  Pipe("500");
  user->Click("Aの最短計算");
  user->Type(SPipe::kLength, "900");
  user->Click(SPipe::kLeftCorner);
  user->Click("上下反転");
  user->Click("配置実行");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Smagari.ini)"),
            (std::vector<std::string>{"300", "500", "150", "90", "10", "900", "", "1", "1", "0", "40"}));
  Open();
  EXPECT_EQ(A(), "900");
  EXPECT_EQ(user->Text(SPipe::kStatus), "設定後配置実行をクリック");
  EXPECT_TRUE(user->Checked(SPipe::kLeftCorner));
  // The start flange's left corner on the placement point, then flipped.
  EXPECT_TRUE(Near(RecordsOfSlot(dialog->figure(), figure::kDuct)[2], {0, 0, 0, 40}, 1e-5));
}

TEST(SPipePlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("s_pipe.play"));
  ASSERT_TRUE(run.ok) << run.output;
  // Built along +y and turned by 270°: (x, y) becomes (y, -x); the arcs'
  // angles grow by 270° and are not reduced.
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 6.410000e+002 -3.500000e+002 6.310000e+002 -3.500000e+002",
                " 6.410000e+002 -6.500000e+002 6.310000e+002 -6.500000e+002",
                " 0.000000e+000 1.500000e+002 4.000000e+001 1.500000e+002",
                " -0.000000e+000 -1.500000e+002 4.000000e+001 -1.500000e+002",
                " 6.410000e+002 -3.250000e+002 6.410000e+002 -6.750000e+002",
                " 0.000000e+000 1.750000e+002 -0.000000e+000 -1.750000e+002",
                "lc1",
                " 6.010000e+002 -3.500000e+002 6.010000e+002 -6.500000e+002",
                " 4.000000e+001 1.500000e+002 4.000000e+001 -1.500000e+002",
                "lc2",
                "ci 6.310000e+002 -2.000000e+002 1.500000e+002 5.496038e+002 2.700000e+002 1 0",
                "ci 6.310000e+002 -2.000000e+002 4.500000e+002 5.496038e+002 2.700000e+002 1 0",
                "ci 4.000000e+001 -3.000000e+002 1.500000e+002 3.696038e+002 4.500000e+002 1 0",
                "ci 4.000000e+001 -3.000000e+002 4.500000e+002 3.696038e+002 4.500000e+002 1 0",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Smagari.ini)")[5], "641");
}
