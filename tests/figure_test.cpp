#include <gtest/gtest.h>

#include <cmath>

#include "figure/DrawData.h"
#include "figure/Figure.h"
#include "figure/Geometry.h"
#include "figure/Preview.h"
#include "figure/Template.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"

using namespace figure;
using ui::GetListField;
using ui::ToReal;

namespace {

settings::SlotTable Slots() {
  settings::SlotTable slots;
  for (int s = 1; s <= 7; ++s) slots[s] = {"0", std::to_string(s), "1", std::to_string(s)};
  return slots;
}

double Field(const std::string& record, int n) { return ToReal(GetListField(record, n, ',')); }

}  // namespace

TEST(Geometry, VectorAngleCases) {
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, -5, 0), 180);
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 0, -5), 270);
  EXPECT_DOUBLE_EQ(VectorAngle(1, 1, 1, 1), 0);
  EXPECT_NEAR(VectorAngle(0, 0, 1, 1), 45, 1e-8);
  EXPECT_NEAR(VectorAngle(0, 0, -1, 1), 135, 1e-8);
  EXPECT_NEAR(VectorAngle(0, 0, -1, -1), 225, 1e-8);
  EXPECT_NEAR(VectorAngle(0, 0, 1, -1), 315, 1e-8);
}

TEST(Geometry, RotatePoint) {
  Vec r = RotatePoint(100, 0, 90);
  EXPECT_NEAR(r.x, 0, 1e-6);
  EXPECT_NEAR(r.y, 100, 1e-9);
  Vec o = RotatePoint(0, 0, 33);
  EXPECT_EQ(o.x, 0);
  EXPECT_EQ(o.y, 0);
  Vec w = RotatePoint(0, -10, 100);  // 270 + 100 wraps once to 10 degrees
  EXPECT_NEAR(w.x, 10 * std::cos(10 * kRadiansPerDegree), 1e-9);
}

TEST(Geometry, IntersectionsAreStrictAndSkipParallels) {
  auto at = IntersectSegments({-10, -10, 10, 10}, {-10, 10, 10, -10});
  ASSERT_TRUE(at);
  EXPECT_NEAR(at->x, 0, 1e-6);
  // A crossing exactly on a corner of segment 2 counts only by the other axis.
  EXPECT_TRUE(IntersectSegments({-10, -10, 10, 10}, {0, -5, 0, 5}));
  EXPECT_FALSE(IntersectSegments({-10, -10, 10, 10}, {5, 5, 20, 5}));  // through the end point
  // 179.5 degrees apart: parallel.
  double a = 179.5 * kRadiansPerDegree;
  EXPECT_FALSE(IntersectSegments({0, 0, 10, 0}, {5, -5, 5 + 10 * std::cos(a), -5 + 10 * std::sin(a)}));
}

TEST(FigureRecords, PlacementTransformInOrder) {
  Figure f;
  f.SetSlots(Slots());
  f.placement.mirror = true;
  f.placement.angle = 90;
  f.SetFrame(1, 2, 3, 4);
  f.AddLineRecord(kSolid, kDuct, 0, 0, 100, 0);
  const std::string& line = f.records()[1];
  EXPECT_NEAR(Field(line, 4), 0, 1e-6);
  EXPECT_NEAR(Field(line, 6), 0, 1e-5);
  EXPECT_NEAR(Field(line, 7), -100, 1e-6);
  EXPECT_EQ(GetListField(line, 8, ','), "0");
  EXPECT_EQ(GetListField(line, 9, ','), "1");
  EXPECT_EQ(f.records()[0], "50,1.000000,2.000000,3.000000,4.000000,");

  Figure arc;
  arc.placement.mirror = true;
  arc.AddArcRecord(kSolid, kDuct, 0, 0, 10, 0, 90);
  EXPECT_EQ(Field(arc.records()[1], 7), 90);
  EXPECT_EQ(Field(arc.records()[1], 8), 180);
  // A reference offset moves the chosen point onto the placement point.
  Figure shifted;
  shifted.placement.offsetX = 10;
  shifted.placement.offsetY = -5;
  shifted.AddLineRecord(kSolid, kDuct, 10, 5, 20, 5);
  EXPECT_EQ(Field(shifted.records()[1], 4), 0);
  EXPECT_EQ(Field(shifted.records()[1], 5), 0);
}

TEST(FigureRecords, GrowBeyondAHundredAndTrackNonFiniteNumbers) {
  Figure f;
  f.SetFrame(0, 0, 0, 0);
  for (int i = 0; i < 500; ++i) f.AddLineRecord(kSolid, kDuct, i, 0, i, 1);
  EXPECT_EQ(f.count(), 501);
  EXPECT_TRUE(f.finite());
  f.AddLineRecord(kSolid, kDuct, std::sqrt(-1.0), 0, 1, 1);
  EXPECT_FALSE(f.finite());
  f.Clear();
  EXPECT_TRUE(f.finite());
}

TEST(Hatching, TheSquareGivesEightSegmentsEdgeToEdge) {
  Figure f;
  f.SetFrame(0, 0, 0, 0);
  HatchPolygon(f, {{-250, 250, -250, -250}, {250, 250, -250, 250}, {250, -250, 250, 250}, {-250, -250, 250, -250}},
               100);
  ASSERT_EQ(f.count(), 9);
  const double starts[] = {245.73, 104.31, -37.11, -178.53};
  for (int i = 0; i < 4; ++i) {
    const std::string& r = f.records()[1 + i];
    EXPECT_NEAR(Field(r, 4), -250, 1e-3);
    EXPECT_NEAR(Field(r, 5), starts[i], 0.01);
    EXPECT_NEAR(Field(r, 7), 250, 1e-3);  // ends on the top edge
    EXPECT_EQ(GetListField(r, 3, ','), "6");
  }
  for (int i = 4; i < 8; ++i) {
    const std::string& r = f.records()[1 + i];
    EXPECT_NEAR(Field(r, 4), 250, 1e-3);   // from the right edge
    EXPECT_NEAR(Field(r, 7), -250, 1e-3);  // to the bottom edge
  }
}

TEST(Hatching, KeepsItsDirectionWhenTheFigureTurns) {
  Figure f;
  f.placement.angle = 90;
  f.SetFrame(0, 0, 0, 0);
  HatchPolygon(f, {{-250, 250, -250, -250}, {250, 250, -250, 250}, {250, -250, 250, 250}, {-250, -250, 250, -250}},
               100);
  ASSERT_GT(f.count(), 1);
  for (int i = 1; i < f.count(); ++i) {
    const std::string& r = f.records()[i];
    double dx = Field(r, 6) - Field(r, 4), dy = Field(r, 7) - Field(r, 5);
    EXPECT_NEAR(std::fabs(dy / dx), 1, 0.01);  // still at about 45 degrees in the drawing
    EXPECT_GT(dy / dx, 0);
  }
}

TEST(Hatching, PairsManyCrossingsInOrderAlongTheLine) {
  // A U-shaped outline: one hatch line crosses it six times.
  std::vector<Segment> u = {{-300, 300, -300, -300}, {-300, -300, 300, -300}, {300, -300, 300, 300},
                            {300, 300, 200, 300},    {200, 300, 200, -200},   {200, -200, -200, -200},
                            {-200, -200, -200, 300}, {-200, 300, -300, 300}};
  Figure f;
  f.SetFrame(0, 0, 0, 0);
  HatchPolygon(f, u, 30);
  for (int i = 1; i < f.count(); ++i) {
    const std::string& r = f.records()[i];
    double mx = (Field(r, 4) + Field(r, 6)) / 2, my = (Field(r, 5) + Field(r, 7)) / 2;
    bool insideHole = mx > -200 && mx < 200 && my > -200;
    EXPECT_FALSE(insideHole) << r;
  }
}

TEST(DrawData, AttributesOnlyWhereTheyChange) {
  Figure f;
  settings::SlotTable slots = Slots();
  slots[2] = {"0", "1", "1", "9"};
  slots[1] = {"0", "1", "1", "3"};
  f.SetSlots(slots);
  f.SetFrame(1, 1, 1, 1);
  f.AddLineRecord(kSolid, kDuct, 0, 0, 150, 0);
  f.AddLineRecord(kSolid, kAngleLine, 0, 0, 0, 1);
  f.AddArcRecord(kSolid, kAngleLine, 0, 0, 50, 0, 360);
  EXPECT_EQ(DrawDataLines(f, false),
            (std::vector<std::string>{"lg0", "ly1", "lt1", "lc3",
                                      " 0.000000e+000 0.000000e+000 1.500000e+002 0.000000e+000", "lc9",
                                      " 0.000000e+000 0.000000e+000 0.000000e+000 1.000000e+000",
                                      "ci 0.000000e+000 0.000000e+000 5.000000e+001 0.000000e+000 3.600000e+002 1 0"}));
  auto current = DrawDataLines(f, true);
  for (const std::string& line : current) EXPECT_NE(line.substr(0, 2), "lg");
  EXPECT_EQ(current[0], "lt1");
  Figure frameOnly;
  frameOnly.SetFrame(1, 2, 3, 4);
  EXPECT_TRUE(DrawDataLines(frameOnly, false).empty());
}

TEST(DrawData, ANonFiniteFigureNeverReachesTheFile) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\DrawData.txt)", {"previous"});
  Figure f;
  f.SetFrame(0, 0, 0, 0);
  f.AddLineRecord(kSolid, kDuct, 0, 0, 1.0 / 0.0 * 0, 1);
  EXPECT_THROW(WriteDrawData(t.drive(), f, false), InvalidFigure);
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\DrawData.txt)"), std::vector<std::string>{"previous"});
  // The writer itself refuses them, whoever made the record: atof would
  // read "nan" and "inf" as 0, and 1e999 overflows.
  for (const char* field : {"nan", "-nan", "inf", "-inf", "1e999"}) {
    DrawDataWriter writer(false);
    EXPECT_THROW(writer.Segment(std::string("1,1,1,0,") + field + ",1,1,0,0,"), InvalidFigure) << field;
    EXPECT_THROW(writer.Arc(std::string("2,1,1,0,0,5,0,") + field + ",0,0,"), InvalidFigure) << field;
  }
  EXPECT_THROW(DrawDataNumber(std::nan("")), InvalidFigure);
  EXPECT_EQ(DrawDataNumber(1e308), "1.000000e+308");
}

// A figure or sketch far too large for the window still draws, within a
// million pixels, and a coordinate that is not a number draws at 0.
TEST(Preview, CoordinatesBeyondThePixelRangeAreHeldWithinIt) {
  EXPECT_EQ(ui::Pixel(12.9), 12);
  EXPECT_EQ(ui::Pixel(-12.9), -12);
  EXPECT_EQ(ui::Pixel(1e300), 1000000);
  EXPECT_EQ(ui::Pixel(-1e300), -1000000);
  EXPECT_EQ(ui::Pixel(std::nan("")), 0);
  ui::RecordingCanvas canvas;
  DrawGuide(canvas, {"1,1,0,1e300,0,-3e300,0,"}, {5.5, 150, 80}, {0, 0});
  EXPECT_EQ(canvas.calls[1], "move 1000000,80");
  EXPECT_EQ(canvas.calls[2], "line -1000000,80");
}

TEST(Preview, PensMarkerAndScale) {
  Figure f;
  f.SetFrame(100, 50, 100, 50);
  EXPECT_DOUBLE_EQ(ExtentFitScale(f, 80), 0.4);
  EXPECT_DOUBLE_EQ(ExtentFitScale(f, 70), 0.35);
  Figure empty;
  empty.SetFrame(0, 0, 0, 0);
  EXPECT_EQ(ExtentFitScale(empty, 80), kFallbackScale);
  f.AddLineRecord(kDashDot, kAngleLine, 0, 0, 10, 0);
  ui::RecordingCanvas canvas;
  DrawPreview(canvas, f, 1.5, {10, 20, 100, 60});
  EXPECT_EQ(canvas.calls.front(), "fill 11,21 109,79 (225,225,225)");
  EXPECT_EQ(canvas.calls[1], "pen (255,50,50) dashdot");  // not the slot's blue
  EXPECT_EQ(canvas.calls[2], "move 60,50");
  EXPECT_EQ(canvas.calls[3], "line 75,50");
  EXPECT_EQ(canvas.calls[4], "pen (0,255,128) solid");
  EXPECT_EQ(canvas.calls[5], "arc 58,48 62,52 62,50 62,50");
}

TEST(Templates, ScaledLinesAndArcs) {
  ui::RecordingCanvas canvas;
  DrawGuide(canvas, {"1,4,0,10,40,90,160,", "2,1,0,0,0,10,0,90,", "7,1,0,1,1,1,1,"}, {2, 100, 50}, {5, 5});
  EXPECT_EQ(canvas.calls[0], "pen (255,50,50) dashdot");
  EXPECT_EQ(canvas.calls[1], "move 125,95");   // (2*10 + 100 + 5, 2*20 + 50 + 5)
  EXPECT_EQ(canvas.calls[2], "line 165,135");  // x2 = 90/3, y2 = 160/4
  EXPECT_EQ(canvas.calls[4], "arc 85,35 125,75 125,55 105,35");
  EXPECT_EQ(canvas.calls.size(), 6u);  // the unknown kind only selects a pen
}
