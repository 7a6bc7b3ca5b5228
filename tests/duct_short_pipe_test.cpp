#include <gtest/gtest.h>

#include "duct/ShortPipe.h"
#include "tests/FigureOutline.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using duct::ShortPipe;
using test::CountLines;

namespace {

class ShortPipeTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<ShortPipe>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  // Wa, Wb (P1 and P2 halves of it), E and K, then "表示更新"; the L box.
  std::string Length(const std::string& wa, const std::string& wb, const std::string& e, const std::string& k) {
    user->Type(ShortPipe::kStartWidth, wa);
    user->Type(ShortPipe::kEndWidth, wb);
    user->Type(ShortPipe::kStraight, e);
    user->Type(ShortPipe::kCoefficient, k);
    user->Click("表示更新");
    return user->Text(ShortPipe::kLength);
  }
  const figure::Figure& f() { return dialog->figure(); }

  test::TestDrive t;
  std::unique_ptr<ShortPipe> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST_F(ShortPipeTest, TheCoefficientGivesTheLengthInStepsOf50) {
  Open();
  EXPECT_EQ(Length("400", "250", "100", "1.5"), "400");
  EXPECT_EQ(figure::FrameExtents(f()).e4, 500);  // L + frame margin
  EXPECT_EQ(Length("499.5", "250", "0", "1"), "200");  // 4.99 steps are 4
  EXPECT_EQ(Length("250", "400", "100", "1.5"), "0");  // a negative taper, used as computed
  EXPECT_EQ(Length("400", "400", "100", "2"), "200");  // a short pipe: the two straight parts
  user->Type(ShortPipe::kLength, "777");
  EXPECT_EQ(Length("400", "250", "100", "0"), "777");
  EXPECT_EQ(figure::FrameExtents(f()).e4, 877);
  user->Select(ShortPipe::kCoefficients, "2");
  EXPECT_EQ(user->Text(ShortPipe::kCoefficient), "2");
  EXPECT_EQ(user->Text(ShortPipe::kLength), "500");
  EXPECT_EQ(user->Text(ShortPipe::kStatus), "設定後配置実行をクリック");
}

TEST_F(ShortPipeTest, TheEndPartsMakeUpTheEndWidth) {
  Open();
  user->Type(ShortPipe::kEndWidth, "401");
  EXPECT_EQ(user->Text(ShortPipe::kEndLeft), "200");
  EXPECT_EQ(user->Text(ShortPipe::kEndRight), "200");
  EXPECT_EQ(user->Text(ShortPipe::kStatus), "《表示更新をクリック》");
  user->Type(ShortPipe::kEndLeft, "150");
  EXPECT_EQ(user->Text(ShortPipe::kEndRight), "251");
  user->Type(ShortPipe::kEndRight, "100");
  EXPECT_EQ(user->Text(ShortPipe::kEndLeft), "301");
  dialog->UserEdit(ShortPipe::kEndLeft, "0");  // not the box being typed in
  EXPECT_EQ(user->Text(ShortPipe::kEndRight), "100");
  user->Type(ShortPipe::kEndWidth, "599.9999999");
  EXPECT_EQ(user->Text(ShortPipe::kEndLeft), "300");
  EXPECT_EQ(user->Text(ShortPipe::kEndRight), "300");
}

// The piece is built along +y and turned by 270°: a point (x, y) of the
// construction lies at (y, −x) in the figure.
TEST_F(ShortPipeTest, TheRoundEndsTransitionStartsOnTheCentreLine) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "25", "100", "50"});
  Open();
  user->Click("角-丸");
  user->Type(ShortPipe::kLength, "600");
  Length("400", "300", "100", "0");
  user->Type(ShortPipe::kEndLeft, "200");
  user->Click("表示更新");
  EXPECT_EQ(CountLines(f(), 500, 0, 100, 200), 1);
  EXPECT_EQ(CountLines(f(), 500, 0, 100, -200), 1);
  EXPECT_EQ(CountLines(f(), 600, 200, 600, -100), 1);  // the end flange stands out nowhere
  EXPECT_EQ(CountLines(f(), 40, 200, 40, -200), 1);    // and has no angle line
  EXPECT_EQ(CountLines(f(), 560, 200, 560, -100), 0);
  EXPECT_TRUE(test::OpenEnds(f(), {figure::kDuct}, {figure::kFlangeLine}).empty());
  user->Click("角-角");
  EXPECT_EQ(CountLines(f(), 600, 225, 600, -125), 1);
  EXPECT_EQ(CountLines(f(), 560, 200, 560, -100), 1);
  EXPECT_TRUE(test::OpenEnds(f(), {figure::kDuct}, {figure::kFlangeLine}).empty());
}

TEST_F(ShortPipeTest, EachReferencePointGoesToThePlacementPoint) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"0", "25", "100", "50"});
  Open();
  user->Type(ShortPipe::kLength, "600");
  Length("400", "300", "100", "0");
  user->Type(ShortPipe::kEndLeft, "200");  // P2 = 100
  user->Click(ShortPipe::kStartCentre);
  EXPECT_EQ(CountLines(f(), 0, 225, 0, -225), 1);
  user->Click(ShortPipe::kStartCorner);
  EXPECT_EQ(CountLines(f(), 0, 425, 0, -25), 1);
  user->Click(ShortPipe::kEndCentre);
  EXPECT_EQ(CountLines(f(), 0, 225, 0, -125), 1);
  user->Click(ShortPipe::kEndCorner);
  EXPECT_EQ(CountLines(f(), 0, 325, 0, -25), 1);
  for (int slot : f().recordSlots()) EXPECT_NE(slot, figure::kAngleLine);
}

TEST_F(ShortPipeTest, PlacingStoresThirteenLinesAndReopeningRestoresThem) {
  Open();
  user->Click("角-丸");
  user->Click(ShortPipe::kEndCorner);
  user->Click("左右反転");
  user->Click(ShortPipe::kRotation0 + 2);  // 90°
  Length("500", "300", "150", "1");
  user->Click("配置実行");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Oti.ini)"), (std::vector<std::string>{"500", "300", "150", "150", "", "150", "90",
                                                                         "500", "1", "2", "4", "1", "0"}));
  EXPECT_FALSE(t.Exists(R"(\Tavrin\set\DrawName.ini)"));
  Open();
  EXPECT_TRUE(user->Checked("角-丸"));
  EXPECT_TRUE(user->Checked(ShortPipe::kEndCorner));
  EXPECT_TRUE(user->Checked("左右反転"));
  EXPECT_TRUE(user->Checked(ShortPipe::kRotation0 + 2));
  EXPECT_EQ(user->Text(ShortPipe::kLength), "500");
  EXPECT_EQ(user->Text(ShortPipe::kStatus), "設定後配置実行をクリック");
}

TEST(ShortPipePlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("short_pipe.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 0.000000e+000 2.250000e+002 -0.000000e+000 -2.250000e+002",
                " 3.500000e+002 2.250000e+002 3.500000e+002 -1.250000e+002",
                "lc1",
                " 4.000000e+001 2.000000e+002 4.000000e+001 -2.000000e+002",
                " 3.100000e+002 2.000000e+002 3.100000e+002 -1.000000e+002",
                "lc2",
                " 3.500000e+002 2.000000e+002 2.500000e+002 2.000000e+002",
                " 2.500000e+002 2.000000e+002 1.000000e+002 2.000000e+002",
                " 1.000000e+002 2.000000e+002 0.000000e+000 2.000000e+002",
                " 3.500000e+002 -1.000000e+002 2.500000e+002 -1.000000e+002",
                " 2.500000e+002 -1.000000e+002 1.000000e+002 -2.000000e+002",
                " 1.000000e+002 -2.000000e+002 -0.000000e+000 -2.000000e+002",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Oti.ini)"),
            (std::vector<std::string>{"400", "300", "200", "100", "", "100", "0", "350", "1.5", "1", "1", "0", "0"}));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"10"});
}
