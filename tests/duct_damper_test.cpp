#include <gtest/gtest.h>

#include "duct/Damper.h"
#include "tests/FigureOutline.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"
#include "ui/headless/Driver.h"

using duct::Damper;
using ui::GetListField;
using ui::ToReal;

namespace {

bool HasLine(const figure::Figure& f, double x1, double y1, double x2, double y2) {
  return test::CountLines(f, x1, y1, x2, y2) > 0;
}

class DamperTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<Damper>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  void Kind(int kind) { user->Click(Damper::kKind1 + kind - 1); }
  void Dimensions(const std::string& l1, const std::string& l2, const std::string& w, const std::string& d) {
    user->Type(Damper::kLength1, l1);
    user->Type(Damper::kLength2, l2);
    user->Type(Damper::kBlade, w);
    user->Type(Damper::kSize, d);
    user->Click("表示更新");
  }
  const figure::Figure& f() { return dialog->figure(); }
  test::TestDrive t;
  std::unique_ptr<Damper> dialog;
  std::unique_ptr<ui::Driver> user;
};

}  // namespace

TEST_F(DamperTest, EveryKindDrawsTheSameDuctPiece) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "5", "100", "50"});
  Open();
  for (int kind = 1; kind <= 5; ++kind) {
    SCOPED_TRACE(kind);
    Kind(kind);
    user->Click(Damper::kReference1);
    if (kind == Damper::kFDPlus) user->Type(Damper::kLength3, "0");
    Dimensions("150", "60", "100", "100");
    EXPECT_TRUE(HasLine(f(), 0, 50, 210, 50));
    EXPECT_TRUE(HasLine(f(), 0, -50, 210, -50));
    EXPECT_TRUE(HasLine(f(), 40, 50, 40, -50));
    EXPECT_TRUE(HasLine(f(), 170, 50, 170, -50));
    EXPECT_TRUE(HasLine(f(), 0, 55, 0, -55));
    EXPECT_TRUE(HasLine(f(), 210, 55, 210, -55));
    EXPECT_EQ(user->Text(Damper::kStatus), "設定後配置実行をクリック");
  }
}

TEST_F(DamperTest, BladeFrameOfCDStartsAtTheAxisAndFDPlusAddsItsShortPiece) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "5", "100", "50"});
  Open();
  Kind(Damper::kCD);
  user->Type(Damper::kGap, "10");
  Dimensions("150", "600", "400", "100");
  EXPECT_TRUE(HasLine(f(), 150, -40, 150, 40));  // left edge, bottom to top
  EXPECT_TRUE(HasLine(f(), 550, 40, 550, -40));
  Kind(Damper::kFDPlus);
  user->Type(Damper::kLength3, "40");
  Dimensions("150", "60", "100", "100");
  EXPECT_TRUE(HasLine(f(), 0, 50, 250, 50));
  EXPECT_TRUE(HasLine(f(), 210, 55, 210, -55));
  EXPECT_TRUE(HasLine(f(), 170, 50, 170, -50));
  EXPECT_TRUE(HasLine(f(), 250, 50, 250, -50));
}

TEST_F(DamperTest, TheMiddleReferencePointDependsOnTheKind) {
  Open();
  const double expected[] = {150, 150, 210, 210, 210};  // blade axis for VD and MD, end of L2 otherwise
  for (int kind = 1; kind <= 5; ++kind) {
    SCOPED_TRACE(kind);
    Kind(kind);
    user->Click(Damper::kReference1 + 3);  // lower middle
    if (kind == Damper::kFDPlus) user->Type(Damper::kLength3, "40");
    Dimensions("150", "60", "100", "100");
    const std::string& body = f().records()[1];  // (0, D/2) - (L, D/2) as placed
    EXPECT_DOUBLE_EQ(ToReal(GetListField(body, 4, ',')), -expected[kind - 1]);
    EXPECT_DOUBLE_EQ(ToReal(GetListField(body, 5, ',')), 100);
  }
}

TEST_F(DamperTest, LeavingFDPlusDisablesItsControlsAndItsRightReferencePoints) {
  Open();
  Kind(Damper::kFDPlus);
  user->Click(Damper::kReference1 + 4);
  EXPECT_EQ(user->Text(Damper::kLength3Label), "L3=");
  Kind(Damper::kVD);
  EXPECT_FALSE(dialog->form().Enabled(Damper::kLength3));
  EXPECT_FALSE(dialog->form().Enabled(Damper::kReference1 + 4));
  EXPECT_FALSE(dialog->form().Enabled(Damper::kReference1 + 5));
  EXPECT_FALSE(dialog->form().Enabled(Damper::kHatched));
  EXPECT_EQ(user->Text(Damper::kLength3Label), "");
  // FD+'s right end means nothing for VD: the inlet is the reference then.
  EXPECT_TRUE(user->Checked(Damper::kReference1));
  EXPECT_DOUBLE_EQ(ToReal(GetListField(f().records()[1], 4, ',')), 0);
}

TEST_F(DamperTest, EachKindKeepsItsOwnSettings) {
  Open();
  Kind(Damper::kFD);
  user->Type(Damper::kLength1, "222");
  user->Click("FDハッチング有り");
  user->Click(Damper::kRotation0 + 2);
  user->Click("配置実行");
  EXPECT_EQ(user->Text(Damper::kStatus), "<<配置できます>>");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Danpa.ini)"), std::vector<std::string>{"4"});
  auto fd = t.Lines(R"(\Tavrin\set\Danpa_FD.ini)");
  ASSERT_EQ(fd.size(), 11u);
  EXPECT_EQ(fd[0], "222");
  EXPECT_EQ(fd[7], "1");
  EXPECT_EQ(fd[8], "90");
  Kind(Damper::kFDPlus);
  EXPECT_EQ(user->Text(Damper::kLength1), "150");  // FD+'s own values
  user->Click("配置実行");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Danpa_FT.ini)").size(), 12u);
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Danpa_FD.ini)")[0], "222");

  t.Write(R"(\Tavrin\set\Danpa.ini)", {"4"});
  Open();
  EXPECT_TRUE(user->Checked("FD"));
  EXPECT_EQ(user->Text(Damper::kLength1), "222");
  EXPECT_TRUE(user->Checked("FDハッチング有り"));
  EXPECT_TRUE(user->Checked(Damper::kRotation0 + 2));
  EXPECT_EQ(dialog->angle(), 90);
}

TEST_F(DamperTest, ASizeFromTheListBecomesTheDuctSize) {
  Open();
  user->Select(Damper::kSizeList, "450");
  EXPECT_EQ(user->Text(Damper::kSize), "450");
  EXPECT_TRUE(HasLine(f(), 0, 225, 300, 225));
  user->Type(Damper::kGap, "20");
  EXPECT_EQ(user->Text(Damper::kStatus), "《表示更新をクリック》");
}

TEST(DamperPlay, PlacesAVolumeDamperFromThePanel) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("damper.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 0.000000e+000 2.000000e+002 3.000000e+002 2.000000e+002",
                " 0.000000e+000 0.000000e+000 3.000000e+002 0.000000e+000",
                "lc1",
                " 4.000000e+001 2.000000e+002 4.000000e+001 0.000000e+000",
                " 2.600000e+002 2.000000e+002 2.600000e+002 0.000000e+000",
                "lc2",
                " 0.000000e+000 2.250000e+002 0.000000e+000 -2.500000e+001",
                " 3.000000e+002 2.250000e+002 3.000000e+002 -2.500000e+001",
                "lt2", "lc1",
                " 1.000000e+002 1.000000e+001 1.000000e+002 1.900000e+002",
                " 1.000000e+002 1.900000e+002 2.000000e+002 1.900000e+002",
                " 2.000000e+002 1.900000e+002 2.000000e+002 1.000000e+001",
                " 2.000000e+002 1.000000e+001 1.000000e+002 1.000000e+001",
                "lt1", "lc2",
                "ci 1.500000e+002 -8.000000e+001 4.000000e+001 0.000000e+000 3.600000e+002 1 0",
                "lt5", "lc8",
                " 7.000000e+001 -8.000000e+001 2.300000e+002 -8.000000e+001",
                " 1.500000e+002 -1.600000e+002 1.500000e+002 2.250000e+002",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Danpa_VD.ini)"),
            (std::vector<std::string>{"150", "150", "100", "80", "200", "10", "2", "0", "0", "0"}));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"21"});
}
