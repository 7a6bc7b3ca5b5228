#include <gtest/gtest.h>

#include <cmath>

#include "duct/GeneralElbow.h"
#include "figure/Preview.h"
#include "tests/FigureOutline.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using duct::GeneralElbow;
using test::CountLines;
using test::Records;

namespace {

const char* kDrawData = R"(\Tavrin\set\DrawData.txt)";

class GeneralElbowTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<GeneralElbow>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  // W1, W2 and θ, then "表示更新".
  void Shape(const std::string& w1, const std::string& w2, const std::string& theta) {
    user->Type(GeneralElbow::kUpstreamWidth, w1);
    user->Type(GeneralElbow::kDownstreamWidth, w2);
    user->Type(GeneralElbow::kElbowAngle, theta);
    user->Click("表示更新");
  }
  void Set(const std::string& check, bool on) {
    if (user->Checked(check) != on) user->Click(check);
  }
  const figure::Figure& f() { return dialog->figure(); }

  test::TestDrive t;
  std::unique_ptr<GeneralElbow> dialog;
  std::unique_ptr<ui::Driver> user;
};

// The corner where the outer sides meet, for W1, W2 and θ.
double CornerY(double w1, double w2, double theta) {
  const double a = theta * M_PI / 180;
  return (w2 - w1 * std::cos(a)) / (2 * std::sin(a));
}

}  // namespace

TEST_F(GeneralElbowTest, TheAngleIsComparedAsANumberAndTheWidthsAsText) {
  Open();
  Shape("400", "400", "90");
  EXPECT_EQ(f().records()[0], "50,800.000000,800.000000,200.000000,200.000000,");  // R + W1/2 + L2 + M ...
  Shape("400", "400", "90.0");
  EXPECT_EQ(f().records()[0], "50,800.000000,800.000000,200.000000,200.000000,");
  Shape("400", "400", "45");
  const figure::Figure equal = f();
  EXPECT_EQ(equal.count(), 15);  // the frame, four extension lines and ten more
  EXPECT_EQ(CountLines(equal, -200, -465.685425, -200, -565.685425), 1);
  Shape("400", "400.0", "45");
  const std::vector<test::Record> reducing = Records(f()), same = Records(equal);
  ASSERT_EQ(reducing.size(), same.size() - 4);  // no frame-margin extension lines
  for (const test::Record& r : reducing) {
    bool found = false;
    for (const test::Record& e : same) {
      bool match = e.kind == r.kind && e.slot == r.slot;
      for (size_t i = 0; match && i < r.v.size(); ++i) match = std::abs(e.v[i] - r.v[i]) < 1e-6;
      found = found || match;
    }
    EXPECT_TRUE(found) << "slot " << r.slot << " at " << r.v[0] << ", " << r.v[1];
  }
}

TEST_F(GeneralElbowTest, NoAngleBuildsNothingAndIsNotPlaced) {
  t.Write(kDrawData, {"previous"});
  Open();
  Shape("400", "400", "0");
  EXPECT_EQ(f().count(), 0);
  EXPECT_EQ(figure::ExtentFitScale(f(), 85), figure::kFallbackScale);
  user->Click("配置実行");
  Shape("400", "400", "180");
  user->Click("配置実行");
  ASSERT_EQ(t.MessageTexts().size(), 2u);
  EXPECT_EQ(t.MessageTexts()[0], "エルボ角度θは0°より大きく180°より小さくしてください。");
  EXPECT_EQ(t.Lines(kDrawData), std::vector<std::string>{"previous"});
  EXPECT_FALSE(t.Exists(R"(\Tavrin\set\DrawName.ini)"));
}

TEST_F(GeneralElbowTest, TheStandardRadiusIsAWholeFractionOfW1) {
  t.Write(R"(\Tavrin\set\KiokuSize.ini)", {"315", "500"});
  Open();
  Set("0.5R", true);
  user->Select(GeneralElbow::kUpstreamSizes, "315");
  EXPECT_EQ(user->Text(GeneralElbow::kUpstreamWidth), "315");
  EXPECT_EQ(user->Text(GeneralElbow::kDownstreamWidth), "315");
  EXPECT_EQ(user->Text(GeneralElbow::kRadius), "157");
  EXPECT_EQ(user->Text(GeneralElbow::kRadiusCopy), "157");
  user->Click("1.0R");
  EXPECT_EQ(user->Text(GeneralElbow::kRadiusCopy), "315");
  user->Select(GeneralElbow::kDownstreamSizes, "500");
  EXPECT_EQ(user->Text(GeneralElbow::kUpstreamWidth), "315");
  EXPECT_EQ(user->Text(GeneralElbow::kRadius), "315");
  // The radius is formatted with six decimals before its fraction is cut.
  user->Type(GeneralElbow::kUpstreamWidth, "299.9999999");
  user->Click("1.0R");
  EXPECT_EQ(user->Text(GeneralElbow::kRadius), "300");
}

TEST_F(GeneralElbowTest, TheRadiusBoxTypedInLeadsTheOther) {
  Open();
  user->Type(GeneralElbow::kRadius, "250");
  EXPECT_EQ(user->Text(GeneralElbow::kRadiusCopy), "250");
  EXPECT_EQ(user->Text(GeneralElbow::kStatus), "《表示更新をクリック》");
  user->Type(GeneralElbow::kRadiusCopy, "260");
  EXPECT_EQ(user->Text(GeneralElbow::kRadius), "260");
  // "ノーマル90°" writes both boxes and leaves neither leading.
  user->Type(GeneralElbow::kElbowAngle, "45");
  user->Click("左右反転");
  user->Click("ノーマル90°");
  EXPECT_EQ(user->Text(GeneralElbow::kElbowAngle), "90");
  EXPECT_FALSE(user->Checked("左右反転"));
  EXPECT_EQ(user->Text(GeneralElbow::kRadius), "200");
  dialog->UserEdit(GeneralElbow::kRadiusCopy, "999");
  EXPECT_EQ(user->Text(GeneralElbow::kRadius), "200");
}

TEST_F(GeneralElbowTest, SquareCornersReplaceTheArcsInTheirOrder) {
  Open();
  Set("外角", true);
  Set("内角", true);
  Shape("400", "400", "90");
  std::vector<test::Record> r = Records(f());
  ASSERT_EQ(r.size(), 12u);
  for (const auto& record : r) EXPECT_EQ(record.kind, 1);
  // 90°: the outer corner's lines come first.
  EXPECT_EQ(r[8].v, (std::vector<double>{-200, -400, -200, 200}));
  EXPECT_EQ(r[9].v, (std::vector<double>{400, 200, -200, 200}));
  EXPECT_EQ(r[10].v, (std::vector<double>{200, -400, 200, -200}));
  EXPECT_EQ(r[11].v, (std::vector<double>{400, -200, 200, -200}));
  // Other angles: the inner corner's lines come first.
  const double c = CornerY(400, 400, 45);
  for (const char* w2 : {"400", "300"}) {
    Shape("400", w2, "45");
    r = Records(f());
    const double cy = CornerY(400, ui::ToReal(w2), 45);
    ASSERT_GE(r.size(), 4u);
    for (int i : {0, 1}) {
      EXPECT_NEAR(r[r.size() - 4 + i].v[2], 200, 1e-6) << w2;
      EXPECT_NEAR(r[r.size() - 4 + i].v[3], -cy, 1e-6) << w2;
      EXPECT_NEAR(r[r.size() - 2 + i].v[2], -200, 1e-6) << w2;
      EXPECT_NEAR(r[r.size() - 2 + i].v[3], cy, 1e-6) << w2;
    }
  }
  EXPECT_GT(c, 0);
}

TEST_F(GeneralElbowTest, EveryConstructionHasAClosedOutline) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"40", "25", "0", "50"});  // no margin lines past the flanges
  Open();
  const std::vector<std::vector<std::string>> shapes = {
      {"400", "400", "90"}, {"400", "250", "90"}, {"400", "400", "45"}, {"400", "300", "45"},
      {"400", "250", "30"}, {"500", "300", "75"}, {"400", "300", "120"}};
  for (const auto& shape : shapes) {
    for (int corners = 0; corners < 4; ++corners) {
      Set("外角", corners & 1);
      Set("内角", corners & 2);
      Shape(shape[0], shape[1], shape[2]);
      std::vector<figure::Vec> open = test::OpenEnds(f(), {figure::kDuct}, {figure::kFlangeLine});
      EXPECT_TRUE(open.empty()) << shape[0] << "/" << shape[1] << " at " << shape[2] << "°, corners " << corners
                                << ": " << test::Describe(open);
    }
  }
}

TEST_F(GeneralElbowTest, TheChosenCornerGoesToThePlacementPoint) {
  Open();
  Set("外角", true);
  Set("内角", true);
  for (const char* theta : {"90", "45"}) {
    for (const char* w2 : {"400", "300"}) {
      user->Click(GeneralElbow::kInnerPoint);
      Shape("400", w2, theta);
      EXPECT_EQ(CountLines(f(), 0, 0, 0, 0), 0);
      int atOrigin = 0;
      for (const test::Record& r : Records(f())) atOrigin += std::hypot(r.v[2], r.v[3]) < 1e-6;
      EXPECT_EQ(atOrigin, 2) << w2 << " at " << theta;
      user->Click(GeneralElbow::kOuterPoint);
      atOrigin = 0;
      for (const test::Record& r : Records(f())) atOrigin += std::hypot(r.v[2], r.v[3]) < 1e-6;
      EXPECT_EQ(atOrigin, 2) << w2 << " at " << theta;
    }
  }
}

TEST_F(GeneralElbowTest, NoAngleWidthNoAngleLines) {
  t.Write(R"(\Tavrin\set\KyotuSet.ini)", {"0", "25", "100"});
  Open();
  for (const char* theta : {"90", "45"}) {
    for (const char* w2 : {"400", "300"}) {
      Shape("400", w2, theta);
      for (int slot : f().recordSlots()) EXPECT_NE(slot, figure::kAngleLine);
    }
  }
}

TEST_F(GeneralElbowTest, AWiderDownstreamLegIsRefusedByTheUpdateOnly) {
  Open();
  Shape("400", "300", "45");
  const figure::Figure before = f();
  Shape("300", "400", "45");
  EXPECT_EQ(t.MessageTexts(), std::vector<std::string>{"先管巾は元管巾以下にしてください。"});
  EXPECT_EQ(t.services().messages[0].title, "入力確認");
  EXPECT_EQ(f().records(), before.records());
  user->Click("配置実行");
  EXPECT_EQ(t.MessageTexts().size(), 1u);
  EXPECT_EQ(user->Text(GeneralElbow::kStatus), "<<配置できます>>");
  EXPECT_NE(f().records(), before.records());
}

TEST_F(GeneralElbowTest, PlacingStoresFifteenLinesAndTheDrawingName) {
  t.Write(R"(\Tavrin\set\Erbo.ini)", {"400", "200", "400", "200", "300", "x", "0", "90"});
  Open();
  user->Type(GeneralElbow::kUpstreamLength, "150");
  Shape("450", "350", "60");
  user->Click(GeneralElbow::kInnerPoint);
  user->Click("1.0R");
  user->Click("外角");
  user->Click("左右反転");
  user->Click(GeneralElbow::kRotation90 + 1);  // 135°
  user->Click("配置実行");
  const std::vector<std::string> lines = t.Lines(R"(\Tavrin\set\Erbo.ini)");
  EXPECT_EQ(lines, (std::vector<std::string>{"450", "450", "350", "450", "300", "x", "135", "60", "3", "2", "1",
                                             "0", "150", "1", "0"}));
  const std::string name = t.Lines(R"(\Tavrin\set\DrawName.ini)").at(0);
  std::string checksum = ui::FormatFixed(settings::NameChecksum(lines, {40, 25, 100, 0}));
  checksum.replace(checksum.find('.'), 1, "D");
  EXPECT_EQ(name.substr(0, 3 + checksum.size()), "ER_" + checksum);

  Open();
  EXPECT_EQ(user->Text(GeneralElbow::kElbowAngle), "60");
  EXPECT_TRUE(user->Checked(GeneralElbow::kInnerPoint));
  EXPECT_TRUE(user->Checked("1.0R"));
  EXPECT_TRUE(user->Checked("外角"));
  EXPECT_FALSE(user->Checked("内角"));
  EXPECT_TRUE(user->Checked("左右反転"));
  EXPECT_TRUE(user->Checked(GeneralElbow::kRotation90 + 1));
  EXPECT_EQ(dialog->angle(), 135);
}

TEST(GeneralElbowPlay, PlacesFromThePanelLineByLine) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("general_elbow.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(kDrawData),
            (std::vector<std::string>{
                "lg0", "ly2", "lt1", "lc2",
                " 1.878680e+002 4.707107e+002 2.585786e+002 5.414214e+002",
                " 4.707107e+002 1.878680e+002 5.414214e+002 2.585786e+002",
                " -2.000000e+002 -4.656854e+002 -2.000000e+002 -5.656854e+002",
                " 2.000000e+002 -4.656854e+002 2.000000e+002 -5.656854e+002",
                " 1.701903e+002 4.883883e+002 4.883883e+002 1.701903e+002",
                " -2.250000e+002 -4.656854e+002 2.250000e+002 -4.656854e+002",
                "lc1",
                " 1.595837e+002 4.424264e+002 4.424264e+002 1.595837e+002",
                " -2.000000e+002 -4.256854e+002 2.000000e+002 -4.256854e+002",
                "lc2",
                " 1.878680e+002 4.707107e+002 -2.426407e+001 2.585786e+002",
                " 4.707107e+002 1.878680e+002 2.585786e+002 -2.426407e+001",
                " 2.000000e+002 -4.656854e+002 2.000000e+002 -1.656854e+002",
                " -2.000000e+002 -4.656854e+002 -2.000000e+002 -1.656854e+002",
                "ci 4.000000e+002 -1.656854e+002 2.000000e+002 1.350000e+002 1.800000e+002 1 0",
                " -2.426407e+001 2.585786e+002 -2.000000e+002 8.284271e+001",
                " -2.000000e+002 -4.656854e+002 -2.000000e+002 8.284271e+001",
            }));
  EXPECT_TRUE(ui::StartsWith(t.Lines(R"(\Tavrin\set\DrawName.ini)").at(0), "ER_2984D800000"));
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"4"});
}
