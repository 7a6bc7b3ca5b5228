#include <gtest/gtest.h>

#include <cmath>

#include "duct/LinedBox.h"
#include "tests/FigureRecords.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using duct::LinedBox;
using test::Near;
using test::RecordsOfSlot;

namespace {

class LinedBoxTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<LinedBox>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  void Box(const std::string& w, const std::string& d, const std::string& thickness) {
    Open();
    user->Type(LinedBox::kWidth, w);
    user->Type(LinedBox::kDepth, d);
    user->Type(LinedBox::kLining, thickness);
    user->Click(LinedBox::kCentre);
    user->Type(LinedBox::kAngle, "0");
  }
  const figure::Figure& fig() const { return dialog->figure(); }

  test::TestDrive t;
  std::unique_ptr<LinedBox> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST_F(LinedBoxTest, TheHatchingCrossesTheWholeBox) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "25", "100", "100"});
  Box("500", "500", "50");
  auto hatching = RecordsOfSlot(fig(), figure::kHatching);
  ASSERT_EQ(hatching.size(), 8u);
  // Four from the top edge to the left one, four from the right edge to the bottom one.
  const double left[] = {245.73, 104.31, -37.11, -178.53};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(hatching[i][1], 250, 1e-6);
    EXPECT_NEAR(hatching[i][2], -250, 1e-6);
    EXPECT_NEAR(hatching[i][3], left[i], 0.01);
    EXPECT_NEAR(hatching[4 + i][0], 250, 1e-6);
    EXPECT_NEAR(hatching[4 + i][3], -250, 1e-6);
  }
  // The lining, inset by T, lies under the same hatching.
  auto lining = RecordsOfSlot(fig(), figure::kHiddenLine);
  EXPECT_TRUE(Near(lining[0], {-200, 200, 200, 200}));
  EXPECT_TRUE(Near(lining[3], {-200, -200, -200, 200}));
}

TEST_F(LinedBoxTest, ReferencePoints) {
  Box("400", "300", "50");
  const std::pair<int, std::vector<double>> expected[] = {
      {LinedBox::kCentre, {-200, 150, 200, 150}},
      {LinedBox::kBottomMiddle, {-200, 300, 200, 300}},
      {LinedBox::kCorner, {0, 300, 400, 300}},
      {LinedBox::kLeftMiddle, {0, 150, 400, 150}},
  };
  for (const auto& [button, top] : expected) {
    user->Click(button);
    EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kDuct)[0], top)) << button;
    EXPECT_TRUE(test::OpenEnds(fig(), {figure::kDuct}).empty()) << button;
  }
}

TEST_F(LinedBoxTest, TheWidthRebuildsTheOthersWaitForTheUpdate) {
  Box("400", "300", "50");
  user->Type(LinedBox::kWidth, "800");
  EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kDuct)[0], {-400, 150, 400, 150}));
  EXPECT_EQ(user->Text(LinedBox::kStatus), "《表示更新をクリック》");
  user->Type(LinedBox::kDepth, "500");
  EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kDuct)[0], {-400, 150, 400, 150}));
  user->Click("表示更新");
  EXPECT_TRUE(Near(RecordsOfSlot(fig(), figure::kDuct)[0], {-400, 250, 400, 250}));
  EXPECT_EQ(user->Text(LinedBox::kStatus), "設定後配置実行をクリック");
}

TEST_F(LinedBoxTest, PlacingStoresEverythingAndReopeningRestoresIt) {
  Box("400", "300", "50");
  user->Click(LinedBox::kLeftMiddle);
  user->Click(LinedBox::kRotation0 + 6);  // 270°
  user->Click("左右反転");
  user->Click("配置実行");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Ubox.ini)"),
            (std::vector<std::string>{"400", "300", "50", "270", "4", "1", "0"}));
  Open();
  EXPECT_TRUE(user->Checked(LinedBox::kLeftMiddle));
  EXPECT_TRUE(user->Checked(LinedBox::kRotation0 + 6));
  EXPECT_TRUE(user->Checked("左右反転"));
  EXPECT_EQ(dialog->angle(), 270);
  EXPECT_EQ(user->Text(LinedBox::kStatus), "設定後配置実行をクリック");
}

TEST(LinedBoxPlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("lined_box.play"));
  ASSERT_TRUE(run.ok) << run.output;
  // The lower-left corner on the placement point; the hatch lines end on
  // the edges as the crossing of two lines finds them (1e-6 for a vertical
  // edge's zero run).
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 0.000000e+000 3.000000e+002 4.000000e+002 3.000000e+002",
                " 4.000000e+002 3.000000e+002 4.000000e+002 0.000000e+000",
                " 4.000000e+002 0.000000e+000 0.000000e+000 0.000000e+000",
                " 0.000000e+000 0.000000e+000 0.000000e+000 3.000000e+002",
                "lt2", "lc1",
                " 5.000000e+001 2.500000e+002 3.500000e+002 2.500000e+002",
                " 3.500000e+002 2.500000e+002 3.500000e+002 5.000000e+001",
                " 3.500000e+002 5.000000e+001 5.000000e+001 5.000000e+001",
                " 5.000000e+001 5.000000e+001 5.000000e+001 2.500000e+002",
                "lt1", "lc3",
                " 6.642329e+001 3.000000e+002 1.000000e-006 2.335900e+002",
                " 1.371474e+002 3.000000e+002 1.000000e-006 1.628800e+002",
                " 2.078716e+002 3.000000e+002 0.000000e+000 9.216999e+001",
                " 2.785957e+002 3.000000e+002 0.000000e+000 2.145999e+001",
                " 3.493199e+002 3.000000e+002 4.925986e+001 1.000000e-006",
                " 4.000000e+002 2.799600e+002 1.199840e+002 1.000000e-006",
                " 4.000000e+002 2.092500e+002 1.907081e+002 1.000000e-006",
                " 4.000000e+002 1.385400e+002 2.614323e+002 0.000000e+000",
                " 4.000000e+002 6.783001e+001 3.321564e+002 0.000000e+000",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Ubox.ini)"),
            (std::vector<std::string>{"400", "300", "50", "0", "3", "0", "0"}));
}
