#include <gtest/gtest.h>

#include "figure/Preview.h"
#include "figure/Template.h"

using namespace figure;

TEST(RecordFitScale, TheFartherReachDecidesAndRotationIsIncluded) {
  Figure f;
  f.SetFrame(0, 0, 0, 0);
  EXPECT_EQ(RecordFitScale(f, 100, 80), kFallbackScale);  // nothing to fit
  f.AddLineRecord(kSolid, kDuct, 0, 0, 500, 0);
  f.AddArcRecord(kSolid, kDuct, 0, -100, 100, 0, 360);  // reaches y = -200
  EXPECT_DOUBLE_EQ(RecordFitScale(f, 100, 80), 0.2);    // 100 / 500 before 80 / 200
  f.Clear();
  f.placement.angle = 90;
  f.AddLineRecord(kSolid, kDuct, 0, 0, 500, 0);  // now it stands upright
  EXPECT_NEAR(RecordFitScale(f, 100, 80), 80.0 / 500, 1e-9);
}

TEST(GreyedGuide, OnlyTheChosenGroupsTurnLightGrey) {
  ui::RecordingCanvas canvas;
  DrawGuide(canvas, {"1,1,0,0,0,0,0,", "1,2,2,0,0,0,0,", "1,4,3,0,0,0,0,"}, {1, 0, 0}, {0, 0}, {2});
  EXPECT_EQ(canvas.calls[0], "pen (0,0,0) solid");
  EXPECT_EQ(canvas.calls[3], "pen (192,192,192) solid");  // group 2, dotted or not
  EXPECT_EQ(canvas.calls[6], "pen (255,50,50) dashdot");  // group 3 keeps its style
}
