#include <gtest/gtest.h>

#include "duct/ButtBranch.h"
#include "figure/Geometry.h"
#include "tests/FigureRecords.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using duct::ButtBranch;
using test::Near;
using test::RecordsOfSlot;

namespace {

// KyotuSet.ini as shipped: angle width 40, flange protrusion 25, frame margin 100.
class ButtBranchTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<ButtBranch>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  // A 300 wide, 400 long branch; ρ = 90 turns it by 360°, which leaves it
  // along +y as it is built.
  void Branch(bool hopper, bool round, const std::string& g = "0") {
    Open();
    user->Type(ButtBranch::kWidth, "300");
    user->Type(ButtBranch::kLength, "400");
    user->Type(ButtBranch::kHopperLength, "100");
    user->Type(ButtBranch::kHopperWidth, "100");
    user->Type(ButtBranch::kFlange, g);
    user->Click(hopper ? "有" : "無");
    user->Click(round ? "角-丸" : "角-角");
    user->Type(ButtBranch::kAngle, "90");
  }
  const figure::Figure& fig() const { return dialog->figure(); }

  test::TestDrive t;
  std::unique_ptr<ButtBranch> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST(AlongYAngle, TurnsByAQuarterLessThanAFullTurn) {
  EXPECT_EQ(duct::AlongYAngle(0), 270);
  EXPECT_EQ(duct::AlongYAngle(90), 360);  // not reduced: only a sum above 360 is
  EXPECT_EQ(duct::AlongYAngle(100), 10);
  EXPECT_EQ(duct::AlongYAngle(315), 225);
}

TEST_F(ButtBranchTest, RhoPlus270TurnsTheBranch) {
  Branch(false, false);
  EXPECT_EQ(fig().placement.angle, 360);
  EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kDuct)[1], {150, 400, 150, 0}));
  user->Type(ButtBranch::kAngle, "100");
  EXPECT_EQ(fig().placement.angle, 10);
  figure::Vec far = figure::RotatePoint(150, 400, 10), butt = figure::RotatePoint(150, 0, 10);
  EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kDuct)[1], {far.x, far.y, butt.x, butt.y}));
  EXPECT_NEAR(butt.y, 150 * std::sin(10 * M_PI / 180), 1e-6);
  EXPECT_EQ(user->Text(ButtBranch::kStatus), "設定後配置実行をクリック");
}

TEST_F(ButtBranchTest, TheButtEndAngleLineStandsAtTheAngleWidthWhateverG) {
  for (const char* g : {"0", "30"}) {
    Branch(true, false, g);
    auto angleLines = RecordsOfSlot(fig(), figure::kAngleLine);
    ASSERT_EQ(angleLines.size(), 2u);
    EXPECT_TRUE(Near(angleLines[0], {-150, 360, 150, 360}));
    EXPECT_TRUE(Near(angleLines[1], {-250, 40, 150, 40})) << "G = " << g;
    EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kFlangeLine)[1], {-275, std::stod(g), 175, std::stod(g)}));
  }
}

TEST_F(ButtBranchTest, TheFrameCountsTheHopperEvenWhenItIsOff) {
  Branch(false, false);
  EXPECT_EQ(fig().records()[0], "50,150.000000,0.000000,250.000000,500.000000,");
  EXPECT_EQ(RecordsOfSlot(fig(), figure::kDuct).size(), 2u);
}

TEST_F(ButtBranchTest, HopperWithARoundEnd) {
  Branch(true, true);
  auto duct = RecordsOfSlot(fig(), figure::kDuct);
  ASSERT_EQ(duct.size(), 8u);
  const std::vector<std::vector<double>> expected = {
      {-150, 400, -150, 300}, {-150, 300, -250, 100}, {-250, 100, -250, 0},  // hopper side
      {-150, 300, 150, 300},  {-250, 100, 150, 100},  {0, 300, -250, 100}, {0, 300, 150, 100},  // transition
      {150, 400, 150, 0}};
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(Near(duct[i], expected[i])) << "record " << i;
  auto flanges = RecordsOfSlot(fig(), figure::kFlangeLine);
  EXPECT_TRUE(Near(flanges[0], {-150, 400, 150, 400}));  // a round end stands out nowhere
  EXPECT_EQ(RecordsOfSlot(fig(), figure::kAngleLine).size(), 1u);
  EXPECT_TRUE(test::OpenEnds(fig(), {figure::kDuct}, {figure::kFlangeLine}).empty())
      << test::Describe(test::OpenEnds(fig(), {figure::kDuct}, {figure::kFlangeLine}));
}

TEST_F(ButtBranchTest, FlipAndTheCornerAsReferencePoint) {
  Branch(false, false);
  user->Click(ButtBranch::kCorner);
  EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kDuct)[1], {0, 400, 0, 0}));
  user->Click("上下反転");
  EXPECT_TRUE(fig().placement.mirror);
  EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kDuct)[1], {0, 400, 0, 0}, 1e-5));
  EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kDuct)[0], {300, 400, 300, 0}, 1e-5));
}

TEST_F(ButtBranchTest, PlacingStoresTheShapeAsZeroOrOne) {
  Branch(true, true);
  user->Click(ButtBranch::kCorner);
  user->Click("現在のレイヤに作図");
  user->Click("配置実行");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Tuki.ini)"),
            (std::vector<std::string>{"400", "100", "", "100", "300", "0", "90", "2", "1", "0", "1", "1"}));
  Open();
  EXPECT_TRUE(user->Checked("角-丸"));
  EXPECT_TRUE(user->Checked(ButtBranch::kCorner));
  EXPECT_TRUE(user->Checked(ButtBranch::kRotation0 + 2));
  EXPECT_EQ(user->Text(ButtBranch::kStatus), "設定後配置実行をクリック");
  user->Click("角-角");
  user->Click("配置実行");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Tuki.ini)")[11], "0");
  Open();
  EXPECT_TRUE(user->Checked("角-角"));
  EXPECT_FALSE(user->Checked("角-丸"));
}

TEST(ButtBranchPlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("butt_branch.play"));
  ASSERT_TRUE(run.ok) << run.output;
  // Built along +y and turned by 270°: (x, y) becomes (y, -x).
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 4.000000e+002 1.500000e+002 3.000000e+002 1.500000e+002",
                " 3.000000e+002 1.500000e+002 1.000000e+002 2.500000e+002",
                " 1.000000e+002 2.500000e+002 0.000000e+000 2.500000e+002",
                " 4.000000e+002 -1.500000e+002 -0.000000e+000 -1.500000e+002",
                " 4.000000e+002 1.750000e+002 4.000000e+002 -1.750000e+002",
                " 0.000000e+000 2.750000e+002 -0.000000e+000 -1.750000e+002",
                "lc1",
                " 3.600000e+002 1.500000e+002 3.600000e+002 -1.500000e+002",
                " 4.000000e+001 2.500000e+002 4.000000e+001 -1.500000e+002",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"6"});
}
