#include <gtest/gtest.h>

#include <cmath>

#include "duct/FlexDuct.h"
#include "tests/FigureOutline.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"
#include "ui/headless/Driver.h"

using duct::BuildFlexDuct;
using duct::FlexDuct;
using duct::FlexInput;
using ui::GetListField;
using ui::ToReal;

namespace {

const char* kDrawData = R"(\Tavrin\set\DrawData.txt)";

double Field(const std::string& record, int n) { return ToReal(GetListField(record, n, ',')); }
bool Near(double a, double b) { return std::abs(a - b) < 1e-3; }

// The example duct: metal, D = 200, r = 1.5, θ = 90, A = 1000, L = 2000.
FlexInput Example(double pitch = 50) {
  FlexInput in;
  in.diameter = 200;
  in.length = 2000;
  in.ratio = 1.5;
  in.angle = 90;
  in.distance = 1000;
  in.offset = 300;
  in.pitch = pitch;
  return in;
}

struct Built {
  figure::Figure figure;
  std::optional<duct::FlexRefusal> refusal;
};
Built Build(const FlexInput& in) {
  Built b;
  b.refusal = BuildFlexDuct(b.figure, in);
  return b;
}

std::vector<std::string> Records(const figure::Figure& f, const std::string& kind, int slot) {
  std::vector<std::string> found;
  for (int i = 1; i < f.count(); ++i)
    if (GetListField(f.records()[i], 1, ',') == kind && f.recordSlots()[i] == slot) found.push_back(f.records()[i]);
  return found;
}

bool HasLine(const figure::Figure& f, double x1, double y1, double x2, double y2) {
  for (const std::string& r : Records(f, "1", figure::kDuct))
    if (Near(Field(r, 4), x1) && Near(Field(r, 5), y1) && Near(Field(r, 6), x2) && Near(Field(r, 7), y2)) return true;
  return false;
}

std::string Refusal(const FlexInput& in) {
  Built b = Build(in);
  EXPECT_TRUE(b.refusal.has_value());
  EXPECT_EQ(b.figure.count(), 0);  // nothing drawn
  return b.refusal ? b.refusal->message : "drawn";
}

}  // namespace

TEST(FlexDuctShape, TheExampleBend) {
  Built b = Build(Example());
  ASSERT_FALSE(b.refusal);
  const figure::Figure& f = b.figure;
  EXPECT_TRUE(HasLine(f, 50, 100, 700, 100));
  EXPECT_TRUE(HasLine(f, 50, -100, 700, -100));
  EXPECT_TRUE(HasLine(f, 1100, -300, 1100, -1078.761));
  EXPECT_TRUE(HasLine(f, 900, -300, 900, -1078.761));
  EXPECT_TRUE(HasLine(f, 900, -1128.761, 1100, -1128.761));  // the end collar's far side
  std::vector<std::string> arcs = Records(f, "2", figure::kDuct);
  ASSERT_EQ(arcs.size(), 2u);
  for (const std::string& arc : arcs) {
    EXPECT_TRUE(Near(Field(arc, 4), 700) && Near(Field(arc, 5), -300));
    EXPECT_TRUE(Near(Field(arc, 7), 0) && Near(Field(arc, 8), 90));
  }
  EXPECT_DOUBLE_EQ(Field(arcs[0], 6), 400);
  EXPECT_DOUBLE_EQ(Field(arcs[1], 6), 200);
}

TEST(FlexDuctShape, BellowsAtThePitchAndInsideTheBend) {
  Built b = Build([] { FlexInput in = Example(77); in.bellows = true; return in; }());
  ASSERT_FALSE(b.refusal);
  std::vector<double> straight, radial;
  for (const std::string& r : Records(b.figure, "1", figure::kHatching)) {
    if (Near(Field(r, 5), 100) && Near(Field(r, 7), -100)) straight.push_back(Field(r, 4));
    else if (Field(r, 4) > 700 && Field(r, 5) > -300)
      radial.push_back(figure::VectorAngle(700, -300, Field(r, 4), Field(r, 5)));
  }
  EXPECT_EQ(straight, (std::vector<double>{127, 204, 281, 358, 435, 512, 589, 666, 700}));
  ASSERT_EQ(radial.size(), 5u);  // 471.24 / 77 gives six parts of 15°
  for (size_t i = 0; i < radial.size(); ++i) EXPECT_NEAR(radial[i], 75 - 15.0 * i, 1e-6);
}

TEST(FlexDuctShape, TheThreeChecksAndTheirOrder) {
  FlexInput in = Example();
  in.ratio = 1.0;
  EXPECT_FALSE(Build(in).refusal);
  in.ratio = 0.9;
  EXPECT_EQ(Refusal(in), "中心曲率半径は1.0以下は入力できません。");
  in = Example();
  in.length = 1250;  // the last run would be 78.76
  EXPECT_EQ(Refusal(in), "Ｌが適正ではありません。");
  // θ = 120, Rc = 500: the tangents are 288.675 long, A needs 338.675.
  in = Example();
  in.angle = 120;
  in.ratio = 2.5;
  in.distance = 330;
  EXPECT_EQ(Refusal(in), "Ａが適正ではありません。");
  in.distance = 340;
  EXPECT_FALSE(Build(in).refusal);
  // No diameter, no length or an angle outside (0, 180): nothing, silently.
  for (auto change : {+[](FlexInput& i) { i.diameter = 0; }, +[](FlexInput& i) { i.length = 0; },
                      +[](FlexInput& i) { i.angle = 180; }, +[](FlexInput& i) { i.angle = 0; }}) {
    in = Example();
    change(in);
    EXPECT_EQ(Refusal(in), "");
  }
}

TEST(FlexDuctShape, ASecondRunCloseToTheStartTakesTwoBends) {
  FlexInput in = Example();
  in.distance = 350;  // Rc + 100 = 400 > A
  Built b = Build(in);
  ASSERT_FALSE(b.refusal);
  EXPECT_TRUE(HasLine(b.figure, 0, 100, 100, 100));  // the collar's sides run on to 100
  std::vector<std::string> arcs = Records(b.figure, "2", figure::kDuct);
  ASSERT_EQ(arcs.size(), 4u);
  EXPECT_TRUE(Near(Field(arcs[0], 4), 100) && Near(Field(arcs[0], 5), -300) && Near(Field(arcs[0], 8), 90));
  EXPECT_TRUE(Near(Field(arcs[2], 4), 650) && Near(Field(arcs[2], 8), 180));
  // The second run leaves straight down along x = A, from where the arcs end.
  const double yc = -300 - 2 * std::sqrt(300.0 * 300 - 275.0 * 275);  // half of A + Rc − 100 is 275
  EXPECT_NEAR(Field(arcs[2], 5), yc, 1e-6);
  const std::vector<std::string> lines = Records(b.figure, "1", figure::kDuct);
  const std::string& side = lines.back();
  EXPECT_TRUE(Near(Field(side, 4), 250) && Near(Field(side, 5), yc) && Near(Field(side, 6), 250));
  // Arcs that cannot meet are refused, not drawn from the root of a negative number.
  in.distance = -1000;
  EXPECT_EQ(Refusal(in), "Ａが適正ではありません。");
}

TEST(FlexDuctShape, SmallOffsetsGiveOneSlantedRun) {
  FlexInput in = Example();
  in.sShape = true;
  in.offset = 50;
  in.angle = 0;  // the L shape's angle means nothing to the S shape
  Built b = Build(in);
  ASSERT_FALSE(b.refusal);
  const std::vector<std::string> lines = Records(b.figure, "1", figure::kDuct);
  const double d = Field(lines[1], 6) - 50;  // how far the start collar's +y side runs on
  EXPECT_NEAR(d, 2.635, 1e-3);
  EXPECT_TRUE(HasLine(b.figure, 50, -100, 1950 - d, -150));
  // Both sides are parallel and a diameter apart.
  const std::string& plus = lines[lines.size() - 2];
  const std::string& minus = lines.back();
  const double dx = Field(plus, 6) - Field(plus, 4), dy = Field(plus, 7) - Field(plus, 5);
  const double gap = std::abs((Field(minus, 4) - Field(plus, 4)) * dy - (Field(minus, 5) - Field(plus, 5)) * dx) /
                     std::hypot(dx, dy);
  EXPECT_NEAR(gap, 200, 1e-3);
  in.insulated = true;
  ASSERT_FALSE(Build(in).refusal);
  in.offset = -10;
  EXPECT_EQ(Refusal(in), "Ｐが適正ではありません。");
}

TEST(FlexDuctShape, TwoBendsOfTheSShapeAndWhenTheyAreTooLong) {
  FlexInput in = Example();
  in.sShape = true;
  in.offset = 400;  // at most 2·Rc: two arcs meeting midway
  Built b = Build(in);
  ASSERT_FALSE(b.refusal);
  std::vector<std::string> arcs = Records(b.figure, "2", figure::kDuct);
  ASSERT_EQ(arcs.size(), 4u);
  const double x = 2 * std::sqrt(300.0 * 300 - 100.0 * 100);
  EXPECT_NEAR(Field(arcs[2], 4), 100 + x, 1e-6);
  EXPECT_NEAR(Field(arcs[2], 5), -100, 1e-6);
  EXPECT_NEAR(Field(arcs[2], 7), 180 + Field(arcs[0], 7), 1e-6);
  in.offset = 900;  // more than 2·Rc: quarter bends joined by a straight
  b = Build(in);
  ASSERT_FALSE(b.refusal);
  EXPECT_TRUE(HasLine(b.figure, 500, -300, 500, -600));
  EXPECT_TRUE(HasLine(b.figure, 300, -300, 300, -600));
  in.length = 1000;  // the last run cannot hold its collar
  EXPECT_EQ(Refusal(in), "Ｌが適正ではありません。");
}

TEST(FlexDuctShape, InsulatedJacketAndItsChecks) {
  FlexInput in = Example();
  in.insulated = true;
  Built b = Build(in);
  ASSERT_FALSE(b.refusal);
  EXPECT_TRUE(HasLine(b.figure, 75, 125, 100, 125));
  EXPECT_TRUE(HasLine(b.figure, 100, 125, 700, 125));
  std::vector<std::string> arcs = Records(b.figure, "2", figure::kDuct);
  EXPECT_EQ(arcs[0].substr(0, 46), "2,1,1,75.000000,100.000000,25.000000,90.000000");
  EXPECT_DOUBLE_EQ(Field(arcs.back(), 6), 175);  // the bend at Rc − (D/2 + 25)
  // The jacket needs the first run to reach past its start at 100.
  in.angle = 120;
  in.ratio = 1.0;      // T = 200 / tan 60° = 115.47
  in.distance = 200;   // T + 50 does for the metal kind
  EXPECT_EQ(Refusal(in), "Ａが適正ではありません。");
  in.insulated = false;
  EXPECT_FALSE(Build(in).refusal);
}

TEST(FlexDuctShape, EveryConstructionIsOneClosedOutline) {
  struct Case {
    const char* name;
    bool sShape;
    double distance, offset;
  };
  for (const Case& c : {Case{"bend", false, 1000, 0}, Case{"reducing", false, 350, 0}, Case{"S", true, 0, 400},
                        Case{"S with a straight", true, 0, 900}, Case{"slanted", true, 0, 80}}) {
    for (bool insulated : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (insulated ? " insulated" : " metal"));
      FlexInput in = Example();
      in.length = 3000;
      in.sShape = c.sShape;
      in.distance = c.distance;
      in.offset = c.offset;
      in.insulated = insulated;
      Built b = Build(in);
      ASSERT_FALSE(b.refusal);
      std::vector<figure::Vec> open = test::OpenEnds(b.figure, {figure::kDuct});
      EXPECT_TRUE(open.empty()) << test::Describe(open);
    }
  }
}

TEST(FlexDuctShape, AZeroPitchIsRefusedInsteadOfDrawingForEver) {
  FlexInput in = Example(0);
  in.bellows = true;
  EXPECT_EQ(Refusal(in), "ジャバラ線のピッチが適正ではありません。");
  in.bellows = false;
  EXPECT_FALSE(Build(in).refusal);
}

class FlexDuctTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<FlexDuct>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  test::TestDrive t;
  std::unique_ptr<FlexDuct> dialog;
  std::unique_ptr<ui::Driver> user;
};

TEST_F(FlexDuctTest, ARefusedDuctIsNotPlaced) {
  t.Write(kDrawData, {"previous"});
  Open();
  user->Type(FlexDuct::kRatio, "0.9");
  EXPECT_EQ(user->Text(FlexDuct::kStatus), "《表示更新をクリック》");
  user->Click("配置実行");
  EXPECT_EQ(t.MessageTexts(), std::vector<std::string>{"中心曲率半径は1.0以下は入力できません。"});
  EXPECT_EQ(t.services().messages.back().title, "確認");
  EXPECT_EQ(t.Lines(kDrawData), std::vector<std::string>{"previous"});
  EXPECT_NE(user->Text(FlexDuct::kStatus), "<<配置できます>>");
  user->Type(FlexDuct::kRatio, "1.5");
  user->Type(FlexDuct::kLength, "0");
  user->Click("配置実行");  // ignored input still says why nothing is placed
  EXPECT_EQ(t.MessageTexts().back(), "呼径・Ｌ・角度の値を確認してください。");
  EXPECT_EQ(t.Lines(kDrawData), std::vector<std::string>{"previous"});
}

TEST_F(FlexDuctTest, ShapeEnablesItsBoxesAndTheStartMayLieOnTheSide) {
  Open();
  user->Click("Ｓ形");
  EXPECT_FALSE(dialog->form().Enabled(FlexDuct::kDistance));
  EXPECT_FALSE(dialog->form().Enabled(FlexDuct::kTheta));
  EXPECT_TRUE(dialog->form().Enabled(FlexDuct::kOffset));
  user->Click("Ｌ形");
  EXPECT_FALSE(dialog->form().Enabled(FlexDuct::kOffset));
  EXPECT_EQ(user->Text(FlexDuct::kDiameterLabel), "200");
  const std::string collar = dialog->figure().records()[1];
  EXPECT_EQ(collar.substr(0, 40), "1,1,1,0.000000,-100.000000,0.000000,100.");
  user->Click(FlexDuct::kStartSide);
  EXPECT_EQ(dialog->figure().records()[1].substr(0, 36), "1,1,1,0.000000,0.000000,0.000000,200");
}

TEST_F(FlexDuctTest, PlacingStoresFifteenLinesAndReopeningRestoresThem) {
  Open();
  user->Click("保温付フレキ");
  user->Click(FlexDuct::kStartSide);
  user->Click("左右反転");
  user->Click(FlexDuct::kRotation0 + 6);  // 270 degrees
  user->Type(FlexDuct::kInsulatedPitch, "60");
  user->Click("配置実行");
  EXPECT_EQ(user->Text(FlexDuct::kStatus), "<<配置できます>>");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Flex.ini)"),
            (std::vector<std::string>{"200", "2000", "1.5", "50", "300", "90", "2", "1", "1", "0", "1000", "60", "270",
                                      "0", "1"}));
  Open();
  EXPECT_TRUE(user->Checked("保温付フレキ"));
  EXPECT_TRUE(user->Checked(FlexDuct::kStartSide));
  EXPECT_FALSE(user->Checked(FlexDuct::kStartCentre));
  EXPECT_TRUE(user->Checked(FlexDuct::kRotation0 + 6));
  EXPECT_TRUE(user->Checked("左右反転"));
  EXPECT_EQ(dialog->angle(), 270);
  EXPECT_EQ(user->Text(FlexDuct::kStatus), "設定後配置実行をクリック");
}

TEST(FlexDuctPlay, PlacesTheExampleFromThePanel) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("flex_duct.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(kDrawData),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 0.000000e+000 -1.000000e+002 0.000000e+000 1.000000e+002",
                " 0.000000e+000 1.000000e+002 5.000000e+001 1.000000e+002",
                " 5.000000e+001 1.000000e+002 5.000000e+001 -1.000000e+002",
                " 5.000000e+001 -1.000000e+002 0.000000e+000 -1.000000e+002",
                " 9.000000e+002 -1.128761e+003 1.100000e+003 -1.128761e+003",
                " 1.100000e+003 -1.128761e+003 1.100000e+003 -1.078761e+003",
                " 1.100000e+003 -1.078761e+003 9.000000e+002 -1.078761e+003",
                " 9.000000e+002 -1.078761e+003 9.000000e+002 -1.128761e+003",
                " 5.000000e+001 1.000000e+002 7.000000e+002 1.000000e+002",
                " 5.000000e+001 -1.000000e+002 7.000000e+002 -1.000000e+002",
                " 1.100000e+003 -3.000000e+002 1.100000e+003 -1.078761e+003",
                " 9.000000e+002 -3.000000e+002 9.000000e+002 -1.078761e+003",
                "ci 7.000000e+002 -3.000000e+002 4.000000e+002 0.000000e+000 9.000000e+001 1 0",
                "ci 7.000000e+002 -3.000000e+002 2.000000e+002 0.000000e+000 9.000000e+001 1 0",
            }));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"19"});
}
