#include <gtest/gtest.h>

#include <cmath>

#include "duct/Branch.h"
#include "duct/ThreeWayBranch.h"
#include "duct/TwoWayBranch.h"
#include "tests/FigureOutline.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"
#include "ui/headless/Driver.h"

using duct::ThreeWayBranch;
using duct::TwoWayBranch;
using ui::GetListField;
using ui::ToReal;

using test::CountLines;

namespace {

const char* kDrawData = R"(\Tavrin\set\DrawData.txt)";

// Radius of the arc record centred at (cx, cy), or -1.
double ArcRadius(const figure::Figure& f, double cx, double cy) {
  for (int i = 1; i < f.count(); ++i) {
    const std::string& r = f.records()[i];
    auto v = [&](int k) { return ToReal(GetListField(r, k, ',')); };
    if (GetListField(r, 1, ',') == "2" && std::abs(v(4) - cx) < 1e-6 && std::abs(v(5) - cy) < 1e-6) return v(6);
  }
  return -1;
}

// Distance of the line through a and b from the point c.
double Distance(figure::Vec a, figure::Vec b, figure::Vec c) {
  return std::abs((b.x - a.x) * (a.y - c.y) - (a.x - c.x) * (b.y - a.y)) / std::hypot(b.x - a.x, b.y - a.y);
}

// Plays the script from the command panel and checks the drawing data
// line by line and the command recorded after the dialog closed.
void ExpectPlacement(const std::string& script, const std::vector<std::string>& drawData, const std::string& command) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile(script));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(kDrawData), drawData);
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{command});
}

template <class Dialog>
class BranchTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<Dialog>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  const figure::Figure& fig() const { return dialog->figure(); }
  test::TestDrive t;
  std::unique_ptr<Dialog> dialog;
  std::unique_ptr<ui::Driver> user;
};

using ThreeWay = BranchTest<ThreeWayBranch>;
using TwoWay = BranchTest<TwoWayBranch>;

}  // namespace

TEST(SplitTrunk, CutsToFivesAndGivesTheRestToTheLastChannel) {
  EXPECT_EQ(duct::SplitTrunk("1-1-1", 3, 400), (std::vector<double>{130, 130, 140}));
  EXPECT_EQ(duct::SplitTrunk("1-2-1", 3, 900), (std::vector<double>{225, 450, 225}));
  EXPECT_EQ(duct::SplitTrunk("1-2", 2, 700), (std::vector<double>{230, 470}));
  EXPECT_EQ(duct::SplitTrunk("1-1", 2, 700), (std::vector<double>{350, 350}));
  EXPECT_EQ(duct::SplitTrunk("0-1-1", 3, 600), (std::vector<double>{0, 300, 300}));
}

TEST(SplitTrunk, RefusesTooFewNumbersAndANullSum) {
  EXPECT_FALSE(duct::SplitTrunk("1-1", 3, 600));
  EXPECT_FALSE(duct::SplitTrunk("1--1", 3, 600));
  EXPECT_FALSE(duct::SplitTrunk("2", 2, 600));
  EXPECT_FALSE(duct::SplitTrunk("0-0-0", 3, 600));
  EXPECT_FALSE(duct::SplitTrunk("0-0", 2, 600));
}

TEST(ClearanceHeight, ClimbsUntilTheSlantJustMeetsTheBend) {
  const figure::Vec top{-200, 450};
  const duct::Circle bend{-390, -90, 240};
  double h = duct::ClearanceHeight(top, -150, -150, bend);
  EXPECT_EQ(h, -79);
  EXPECT_LE(Distance(top, {-150, h}, {bend.cx, bend.cy}), bend.r);
  EXPECT_GT(Distance(top, {-150, h + 1}, {bend.cx, bend.cy}), bend.r);
}

TEST(ClearanceHeight, ASlantClearFromTheStartStaysAtTheStart) {
  // The slant from (50, 500) to (0, -100) passes far from the small bend.
  EXPECT_EQ(duct::ClearanceHeight({50, 500}, 0, -100, {-300, -100, 50}), -100);
}

TEST_F(ThreeWay, ATopBranchWiderThanTheMiddleChannelClimbsTheWall) {
  Open();  // WM 900 split 225-450-225, WR = WL = 300, Lt 300, k 0.5, E 100
  user->Type(ThreeWayBranch::kTopLeft, "225");
  user->Click("表示更新");
  const double yT = 300 + 150, d = 300;
  EXPECT_EQ(CountLines(fig(), -225, yT - 100, -225, -d), 1);
  user->Type(ThreeWayBranch::kTopLeft, "226");
  user->Click("表示更新");
  EXPECT_EQ(CountLines(fig(), -226, yT - 100, -225, -d), 0);
  // Barely wider: the slant leaves the wall where the bend begins, at the
  // wall's top, so the climb and the wall coincide.
  EXPECT_EQ(CountLines(fig(), -225, -d, -225, -165), 2);
  EXPECT_EQ(CountLines(fig(), -225, -165, -226, yT - 100), 1);
  user->Type(ThreeWayBranch::kTopLeft, "300");
  user->Click("表示更新");
  EXPECT_EQ(CountLines(fig(), -225, -d, -225, -142), 1);
  EXPECT_EQ(CountLines(fig(), -225, -142, -300, yT - 100), 1);
}

TEST_F(ThreeWay, ADeeperRightBendLowersTheTrunkFlange) {
  Open();
  user->Type(ThreeWayBranch::kRight, "400");  // yR = 200 + 200 > yL = 150 + 150
  user->Click("表示更新");
  EXPECT_EQ(CountLines(fig(), -475, -440, 475, -440), 1);                   // flange at -(yR + a), a = 40, f = 25
  EXPECT_EQ(CountLines(fig(), -450, -400, 450, -400), 1);                   // angle line at -yR
  EXPECT_EQ(CountLines(fig(), -225, -400, -225, 150 - 150 - 225 + 60), 1);  // left wall from -yR
}

TEST_F(ThreeWay, AnOddLeftWidthSplitsIntoEqualHalves) {
  Open();
  user->Type(ThreeWayBranch::kLeft, "301");
  EXPECT_EQ(user->Text(ThreeWayBranch::kLeftUpper), "150");
  EXPECT_EQ(user->Text(ThreeWayBranch::kLeftLower), "150");
  EXPECT_EQ(user->Text(ThreeWayBranch::kStatus), "《表示更新をクリック》");
  user->Click("表示更新");
  const double xL = -(450 + 0.5 * 300 + 40);  // the flange from B1 + B2
  EXPECT_EQ(CountLines(fig(), xL, 175, xL, -175), 1);
  const double rL = 0.5 * 301 + 40 - 100;  // the bend from WL
  EXPECT_DOUBLE_EQ(ArcRadius(fig(), -(450 + rL), -(150 + 150.5) + 60), rL);
}

TEST_F(ThreeWay, AHalfTypedInMakesItsPartnerTheRest) {
  Open();
  user->Type(ThreeWayBranch::kLeftUpper, "100");
  EXPECT_EQ(user->Text(ThreeWayBranch::kLeftLower), "200");
  user->Type(ThreeWayBranch::kTopRight, "300");
  EXPECT_EQ(user->Text(ThreeWayBranch::kTopLeft), "150");
  // Only the box being typed in leads: a change elsewhere moves nothing.
  dialog->UserEdit(ThreeWayBranch::kLeftUpper, "120");
  EXPECT_EQ(user->Text(ThreeWayBranch::kLeftLower), "200");
}

TEST_F(ThreeWay, AnUnusableRatioIsExplainedAndChangesNothing) {
  Open();
  for (const char* ratio : {"1-1", "0-0-0"}) {
    user->Type(ThreeWayBranch::kRatio, ratio);
    user->Click("OK");
    EXPECT_EQ(t.MessageTexts().back(),
              "幹管分割比は 1-2-1 のように、合計が0にならない3つの数を「-」で区切って入力してください。");
    EXPECT_EQ(user->Text(ThreeWayBranch::kLeftChannel), "225");
    EXPECT_EQ(user->Text(ThreeWayBranch::kRightChannel), "225");
  }
  // Typing a trunk width does not interrupt with a message at each digit.
  const size_t messages = t.MessageTexts().size();
  user->Type(ThreeWayBranch::kTrunk, "800");
  EXPECT_EQ(t.MessageTexts().size(), messages);
  user->Type(ThreeWayBranch::kRatio, "1-1-1");
  user->Type(ThreeWayBranch::kTrunk, "400");
  EXPECT_EQ(user->Text(ThreeWayBranch::kLeftChannel), "130");
  EXPECT_EQ(user->Text(ThreeWayBranch::kMiddleChannel), "130");
  EXPECT_EQ(user->Text(ThreeWayBranch::kRightChannel), "140");
}

TEST_F(ThreeWay, OnlyTheTrunkSizeSplitsTheTrunkAgain) {
  Open();
  user->Type(ThreeWayBranch::kLeftChannel, "150");  // by hand, against the ratio 1-2-1
  user->Select(ThreeWayBranch::kRightList, "400");
  EXPECT_EQ(user->Text(ThreeWayBranch::kRight), "400");
  EXPECT_EQ(user->Text(ThreeWayBranch::kLeftChannel), "150");
  EXPECT_EQ(user->Text(ThreeWayBranch::kStatus), "設定後配置実行をクリック");
  user->Select(ThreeWayBranch::kTrunkList, "800");
  EXPECT_EQ(user->Text(ThreeWayBranch::kLeftChannel), "200");
  EXPECT_EQ(user->Text(ThreeWayBranch::kMiddleChannel), "400");
  EXPECT_EQ(user->Text(ThreeWayBranch::kRightChannel), "200");
}

TEST_F(ThreeWay, ReopeningRestoresEveryBoxAsStored) {
  Open();
  user->Type(ThreeWayBranch::kLeftUpper, "100");  // B2 becomes 200
  user->Click(ThreeWayBranch::kCorner);
  user->Click("左右反転");
  user->Click(ThreeWayBranch::kRotation0 + 2);
  user->Click("配置実行");
  auto settings = t.Lines(R"(\Tavrin\set\Bunki3.ini)");
  ASSERT_EQ(settings.size(), 19u);
  EXPECT_EQ(settings[0], "100");
  EXPECT_EQ(settings[3], "90");
  EXPECT_EQ(settings[13], "200");
  EXPECT_EQ(settings[15], "1");
  EXPECT_EQ(settings[17], "1");
  EXPECT_FALSE(t.Exists(R"(\Tavrin\set\DrawName.ini)"));

  Open();
  EXPECT_EQ(user->Text(ThreeWayBranch::kLeftUpper), "100");
  EXPECT_EQ(user->Text(ThreeWayBranch::kLeftLower), "200");
  EXPECT_TRUE(user->Checked(ThreeWayBranch::kCorner));
  EXPECT_TRUE(user->Checked("左右反転"));
  EXPECT_TRUE(user->Checked(ThreeWayBranch::kRotation0 + 2));
  EXPECT_EQ(user->Text(ThreeWayBranch::kStatus), "設定後配置実行をクリック");
}

TEST_F(ThreeWay, TheCornerReferencePutsTheTrunkCornerOnThePlacementPoint) {
  Open();
  user->Click(ThreeWayBranch::kCorner);
  // The trunk's right side runs at x = 450 from y = -340 to -240; the
  // point (450, -150) is now the placement point.
  EXPECT_EQ(CountLines(fig(), 0, -190, 0, -90), 1);
  user->Click(ThreeWayBranch::kOrigin);
  EXPECT_EQ(CountLines(fig(), 450, -340, 450, -240), 1);
}

TEST_F(ThreeWay, StraightsAsLongAsTheAngleWidthAreLeftOut) {
  Open();
  const int with = fig().count();
  user->Type(ThreeWayBranch::kStraight, "40");
  user->Click("表示更新");
  EXPECT_EQ(fig().count(), with - 6);
}

TEST_F(TwoWay, TheModeDecidesWhichBranchBoxesServe) {
  Open();  // shipped as a two-way branch
  EXPECT_TRUE(user->Checked("２方向"));
  EXPECT_FALSE(dialog->form().Enabled(TwoWayBranch::kLeft));
  EXPECT_FALSE(dialog->form().Enabled(TwoWayBranch::kLeftList));
  EXPECT_TRUE(dialog->form().Enabled(TwoWayBranch::kTopLeft));
  user->Click("双方向");
  EXPECT_TRUE(dialog->form().Enabled(TwoWayBranch::kLeftUpper));
  EXPECT_FALSE(dialog->form().Enabled(TwoWayBranch::kTop));
  EXPECT_FALSE(dialog->form().Enabled(TwoWayBranch::kTopList));
  user->Click("配置実行");
  Open();
  EXPECT_TRUE(user->Checked("双方向"));
  EXPECT_FALSE(dialog->form().Enabled(TwoWayBranch::kTopRight));
}

TEST_F(TwoWay, TModeLinesTheLeftBranchUpWithTheRightOne) {
  Open();
  user->Click("双方向");
  user->Type(TwoWayBranch::kLeftUpper, "90");  // overwritten by the T mode
  user->Click("T方向");
  EXPECT_EQ(user->Text(TwoWayBranch::kLeftUpper), "125");  // WR / 2
  EXPECT_EQ(user->Text(TwoWayBranch::kLeftLower), "125");  // WL - WR / 2
  user->Type(TwoWayBranch::kLeft, "401");
  EXPECT_EQ(user->Text(TwoWayBranch::kLeftUpper), "125");
  EXPECT_EQ(user->Text(TwoWayBranch::kLeftLower), "276");
  user->Click("表示更新");
  const double xL = -(300 + 0.5 * 401 + 40), xR = 300 + 0.5 * 250 + 40;
  EXPECT_EQ(CountLines(fig(), xL, 125, xR, 125), 1);  // the one top side
}

TEST_F(TwoWay, TheTrunkFlangeFollowsTheDeeperBend) {
  Open();
  user->Click("双方向");
  user->Type(TwoWayBranch::kRight, "400");  // yR = 400 > yL = 125 + 125
  user->Click("表示更新");
  EXPECT_EQ(CountLines(fig(), -325, -440, 325, -440), 1);
  user->Click("２方向");
  user->Type(TwoWayBranch::kRight, "200");  // yR = 200 < yL: the two-way ignores yL
  user->Click("表示更新");
  EXPECT_EQ(CountLines(fig(), -325, -240, 325, -240), 1);
}

TEST_F(TwoWay, TheTwoWayBoundaryClimbsOnlyPastTheChannel) {
  Open();  // WM 600, S2 200: the channel's left side at x = 100
  user->Type(TwoWayBranch::kTopRight, "100");
  user->Click("表示更新");
  const double yT = 300 + 125, yR = 125 + 125;
  EXPECT_EQ(CountLines(fig(), 100, yT - 100, 100, -yR), 1);
  user->Type(TwoWayBranch::kTopRight, "101");
  user->Click("表示更新");
  EXPECT_EQ(CountLines(fig(), 101, yT - 100, 100, -yR), 0);
  EXPECT_EQ(CountLines(fig(), 100, -140, 101, yT - 100), 1);
  user->Type(TwoWayBranch::kTopRight, "200");
  user->Click("表示更新");
  EXPECT_EQ(CountLines(fig(), 100, -yR, 100, -110), 1);
  EXPECT_EQ(CountLines(fig(), 100, -110, 200, yT - 100), 1);
}

TEST_F(TwoWay, AnEmptiedAngleBoxStoresTheRotationInUse) {
  Open();
  user->Click(TwoWayBranch::kRotation0 + 2);
  user->Type(TwoWayBranch::kAngle, "");
  user->Click("配置実行");
  auto settings = t.Lines(R"(\Tavrin\set\Bunki2.ini)");
  ASSERT_EQ(settings.size(), 19u);
  EXPECT_EQ(settings[2], "90.000000");
  EXPECT_EQ(settings[14], "1");
  EXPECT_EQ(dialog->angle(), 90);
}

TEST_F(TwoWay, WithoutAModeNothingIsPlaced) {
  std::vector<std::string> stored = t.Lines(R"(\Tavrin\set\Bunki2.ini)");
  stored[14] = "";
  t.Write(R"(\Tavrin\set\Bunki2.ini)", stored);
  t.Write(kDrawData, {"previous"});
  Open();
  user->Click("配置実行");
  EXPECT_EQ(t.MessageTexts(), std::vector<std::string>{"２方向・双方向・T方向のどれかを選んでください。"});
  EXPECT_EQ(t.Lines(kDrawData), std::vector<std::string>{"previous"});
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Bunki2.ini)"), stored);
  EXPECT_NE(user->Text(TwoWayBranch::kStatus), "<<配置できます>>");
}

TEST_F(TwoWay, TheDrawingNameTellsTheMode) {
  Open();
  const std::pair<const char*, const char*> modes[] = {{"２方向", "NI_"}, {"双方向", "SO_"}, {"T方向", "TH_"}};
  for (const auto& [mode, prefix] : modes) {
    user->Click(mode);
    user->Click("配置実行");
    auto name = t.Lines(R"(\Tavrin\set\DrawName.ini)");
    ASSERT_EQ(name.size(), 1u);
    EXPECT_TRUE(ui::StartsWith(name[0], prefix)) << name[0];
    EXPECT_NE(name[0].find('D'), std::string::npos);
  }
}

TEST_F(TwoWay, ARatioOfOneNumberIsExplained) {
  Open();
  user->Type(TwoWayBranch::kRatio, "3");
  user->Click("OK");
  EXPECT_EQ(t.MessageTexts().back(),
            "幹管分割比は 1-1 のように、合計が0にならない2つの数を「-」で区切って入力してください。");
  EXPECT_EQ(user->Text(TwoWayBranch::kLeftChannel), "400");
}
TEST(BranchPlay, ThreeWayFromThePanelLineByLine) {
  ExpectPlacement("three_way_branch.play",
                  {
                      "lg0",
                      "ly2",
                      "lt1",
                      "lc2",
                      " 4.900000e+002 1.750000e+002 4.900000e+002 -1.750000e+002",
                      " -3.250000e+002 -3.400000e+002 3.250000e+002 -3.400000e+002",
                      " -4.900000e+002 1.750000e+002 -4.900000e+002 -1.750000e+002",
                      " -2.250000e+002 5.500000e+002 1.250000e+002 5.500000e+002",
                      "lc1",
                      " 4.500000e+002 1.500000e+002 4.500000e+002 -1.500000e+002",
                      " -3.000000e+002 -3.000000e+002 3.000000e+002 -3.000000e+002",
                      " -4.500000e+002 1.500000e+002 -4.500000e+002 -1.500000e+002",
                      " -2.000000e+002 5.100000e+002 1.000000e+002 5.100000e+002",
                      "lc2",
                      " 4.900000e+002 1.500000e+002 3.900000e+002 1.500000e+002",
                      " 4.900000e+002 -1.500000e+002 3.900000e+002 -1.500000e+002",
                      " -4.900000e+002 1.500000e+002 -3.900000e+002 1.500000e+002",
                      " -4.900000e+002 -1.500000e+002 -3.900000e+002 -1.500000e+002",
                      " -2.000000e+002 5.500000e+002 -2.000000e+002 4.500000e+002",
                      " 1.000000e+002 5.500000e+002 1.000000e+002 4.500000e+002",
                      " -1.500000e+002 -3.000000e+002 -1.500000e+002 -7.900000e+001",
                      " -1.500000e+002 -7.900000e+001 -2.000000e+002 4.500000e+002",
                      " 1.000000e+002 4.500000e+002 1.500000e+002 -3.000000e+002",
                      " -3.000000e+002 -3.400000e+002 -3.000000e+002 -2.400000e+002",
                      " 3.000000e+002 -3.400000e+002 3.000000e+002 -2.400000e+002",
                      " -1.500000e+002 -3.000000e+002 -1.500000e+002 -9.000000e+001",
                      " 1.500000e+002 -3.000000e+002 1.500000e+002 -9.000000e+001",
                      "ci -3.900000e+002 -2.400000e+002 9.000000e+001 0.000000e+000 9.000000e+001 1 0",
                      "ci -3.900000e+002 -9.000000e+001 2.400000e+002 0.000000e+000 9.000000e+001 1 0",
                      "ci 3.900000e+002 -2.400000e+002 9.000000e+001 9.000000e+001 1.800000e+002 1 0",
                      "ci 3.900000e+002 -9.000000e+001 2.400000e+002 9.000000e+001 1.800000e+002 1 0",
                  },
                  "2");
}

TEST(BranchPlay, TwoWayFromThePanelLineByLine) {
  ExpectPlacement("two_way_branch.play",
                  {
                      "lg0",
                      "ly2",
                      "lt1",
                      "lc2",
                      " 4.650000e+002 1.500000e+002 4.650000e+002 -1.500000e+002",
                      " -3.250000e+002 -2.900000e+002 3.250000e+002 -2.900000e+002",
                      " -2.250000e+002 4.250000e+002 2.250000e+002 4.250000e+002",
                      "lc1",
                      " 4.250000e+002 1.250000e+002 4.250000e+002 -1.250000e+002",
                      " -3.000000e+002 -2.500000e+002 3.000000e+002 -2.500000e+002",
                      " -2.000000e+002 3.850000e+002 2.000000e+002 3.850000e+002",
                      "lc2",
                      " 4.650000e+002 1.250000e+002 3.650000e+002 1.250000e+002",
                      " 4.650000e+002 -1.250000e+002 3.650000e+002 -1.250000e+002",
                      " -2.000000e+002 4.250000e+002 -2.000000e+002 3.250000e+002",
                      " 2.000000e+002 4.250000e+002 2.000000e+002 3.250000e+002",
                      " -2.000000e+002 3.250000e+002 -3.000000e+002 -2.900000e+002",
                      " 1.000000e+002 -2.500000e+002 1.000000e+002 -1.100000e+002",
                      " 1.000000e+002 -1.100000e+002 2.000000e+002 3.250000e+002",
                      " 3.000000e+002 -2.900000e+002 3.000000e+002 -1.900000e+002",
                      " 1.000000e+002 -2.500000e+002 1.000000e+002 -1.400000e+002",
                      "ci 3.650000e+002 -1.900000e+002 6.500000e+001 9.000000e+001 1.800000e+002 1 0",
                      "ci 3.650000e+002 -1.400000e+002 2.650000e+002 9.000000e+001 1.800000e+002 1 0",
                  },
                  "3");
}

TEST(BranchPlay, DoubleFromThePanelLineByLine) {
  ExpectPlacement("double_branch.play",
                  {
                      "lg0",
                      "ly2",
                      "lt1",
                      "lc2",
                      " 4.900000e+002 1.750000e+002 4.900000e+002 -1.750000e+002",
                      " -3.250000e+002 -4.400000e+002 3.250000e+002 -4.400000e+002",
                      " -5.400000e+002 2.250000e+002 -5.400000e+002 -2.250000e+002",
                      "lc1",
                      " 4.500000e+002 1.500000e+002 4.500000e+002 -1.500000e+002",
                      " -3.000000e+002 -4.000000e+002 3.000000e+002 -4.000000e+002",
                      " -5.000000e+002 2.000000e+002 -5.000000e+002 -2.000000e+002",
                      "lc2",
                      " 4.900000e+002 1.500000e+002 3.900000e+002 1.500000e+002",
                      " 4.900000e+002 -1.500000e+002 3.900000e+002 -1.500000e+002",
                      " -5.400000e+002 2.000000e+002 -4.400000e+002 2.000000e+002",
                      " -5.400000e+002 -2.000000e+002 -4.400000e+002 -2.000000e+002",
                      " -3.000000e+002 -4.400000e+002 -3.000000e+002 -3.400000e+002",
                      " 3.000000e+002 -4.400000e+002 3.000000e+002 -2.400000e+002",
                      " 0.000000e+000 -4.000000e+002 0.000000e+000 -2.400000e+002",
                      " 0.000000e+000 -4.000000e+002 0.000000e+000 -2.400000e+002",
                      "ci -4.400000e+002 -3.400000e+002 1.400000e+002 0.000000e+000 9.000000e+001 1 0",
                      "ci -4.400000e+002 -2.400000e+002 4.400000e+002 0.000000e+000 9.000000e+001 1 0",
                      "ci 3.900000e+002 -2.400000e+002 9.000000e+001 9.000000e+001 1.800000e+002 1 0",
                      "ci 3.900000e+002 -2.400000e+002 3.900000e+002 9.000000e+001 1.800000e+002 1 0",
                  },
                  "3");
}

TEST(BranchPlay, TFromThePanelLineByLine) {
  ExpectPlacement("t_branch.play",
                  {
                      "lg0",
                      "ly2",
                      "lt1",
                      "lc2",
                      " 4.400000e+002 1.750000e+002 4.400000e+002 -1.750000e+002",
                      " -2.750000e+002 -4.900000e+002 2.750000e+002 -4.900000e+002",
                      " -4.900000e+002 1.750000e+002 -4.900000e+002 -2.750000e+002",
                      "lc1",
                      " 4.000000e+002 1.500000e+002 4.000000e+002 -1.500000e+002",
                      " -2.500000e+002 -4.500000e+002 2.500000e+002 -4.500000e+002",
                      " -4.500000e+002 1.500000e+002 -4.500000e+002 -2.500000e+002",
                      "lc2",
                      " 4.400000e+002 1.500000e+002 3.400000e+002 1.500000e+002",
                      " 4.400000e+002 -1.500000e+002 3.400000e+002 -1.500000e+002",
                      " -4.900000e+002 1.500000e+002 -3.900000e+002 1.500000e+002",
                      " -4.900000e+002 -2.500000e+002 -3.900000e+002 -2.500000e+002",
                      " -4.900000e+002 1.500000e+002 4.400000e+002 1.500000e+002",
                      " -2.500000e+002 -4.900000e+002 -2.500000e+002 -3.900000e+002",
                      " 2.500000e+002 -4.900000e+002 2.500000e+002 -2.400000e+002",
                      "ci -3.900000e+002 -3.900000e+002 1.400000e+002 0.000000e+000 9.000000e+001 1 0",
                      "ci 3.400000e+002 -2.400000e+002 9.000000e+001 9.000000e+001 1.800000e+002 1 0",
                  },
                  "3");
}
