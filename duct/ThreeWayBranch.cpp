#include "duct/ThreeWayBranch.h"

#include "duct/FittingLayout.h"

namespace duct {
namespace {

using T = ThreeWayBranch;

BranchDialog::BranchIds Ids() {
  return {T::kAngle,   T::kUpdate,    T::kTrunk, {T::kLeftChannel, T::kMiddleChannel, T::kRightChannel},
          T::kLeft,    T::kLeftLower, T::kTop,   T::kTopLeft,
          T::kTopRight};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "割込分岐：三方向";
  l.width = 387;
  l.height = 273;
  AddGuideAnchor(l, T::kAnchor, {7, 7});
  // Boxes on the guide sketch, each on its dimension line.
  l.DropList(T::kTopList, {34, 7, 40, 100});
  l.Edit(T::kTop, {94, 7, 26, 12}, ui::kCentred);
  l.Edit(T::kTopLeft, {86, 30, 20, 12}, ui::kCentred);
  l.Edit(T::kTopRight, {109, 30, 20, 12}, ui::kCentred);
  l.Edit(T::kTopLength, {153, 40, 24, 12}, ui::kCentred);
  l.Edit(T::kLeftUpper, {5, 75, 20, 12}, ui::kCentred);
  l.Edit(T::kLeftLower, {5, 94, 20, 12}, ui::kCentred);
  l.Edit(T::kLeft, {32, 85, 20, 12}, ui::kCentred);
  l.DropList(T::kLeftList, {7, 121, 40, 100});
  l.Edit(T::kRight, {163, 85, 20, 12}, ui::kCentred);
  l.DropList(T::kRightList, {167, 121, 40, 100});
  l.Radio(T::kOrigin, "", {102, 86, 10, 10}, 4);
  l.Radio(T::kCorner, "", {142, 104, 10, 10}, 4);
  l.Edit(T::kLeftChannel, {65, 144, 20, 12}, ui::kCentred);
  l.Edit(T::kMiddleChannel, {96, 144, 22, 12}, ui::kCentred);
  l.Edit(T::kRightChannel, {129, 144, 20, 12}, ui::kCentred);
  l.Edit(T::kTrunk, {94, 160, 26, 12}, ui::kCentred);
  l.DropList(T::kTrunkList, {155, 160, 40, 100});

  BranchDialog::AddRatioAndSettings(l, {7, 196});
  AddPreviewFrame(l, T::kPreview, {214, 18, 163, 118});
  AddFittingControls(l, BranchDialog::Fitting(Ids()), 3, {210, 148});
  return l;
}

std::vector<SettingLine> Settings() {
  return {
      TextLine(T::kLeftUpper),     TextLine(T::kRight),       TextLine(T::kTop),           TextLine(T::kAngle),
      TextLine(T::kTrunk),         TextLine(T::kLeftChannel), TextLine(T::kMiddleChannel), TextLine(T::kRightChannel),
      TextLine(T::kTopLength),     TextLine(T::kRatio),       TextLine(T::kRadius),        TextLine(T::kTopLeft),
      TextLine(T::kTopRight),      TextLine(T::kLeftLower),   TextLine(T::kLeft),          CheckLine(T::kMirror),
      CheckLine(T::kCurrentLayer), CheckLine(T::kCorner),     TextLine(T::kStraight)};
}

}  // namespace

ThreeWayBranch::ThreeWayBranch(ui::Env env)
    : BranchDialog(
          env, MakeLayout(),
          FittingSetup{"3bunki.tec", "Bunki3.ini", {7, 150, 125}, 3, kStatusStale, Fitting(Ids()), 0, SizeLists(Ids())},
          Settings(), Ids()) {}

void ThreeWayBranch::OnCommand(int id, ui::Notify what) {
  if (BranchCommand(id, what)) return;
  if (what == ui::Notify::Change && id == kTrunk) ApplySplitRatio(false);
}

void ThreeWayBranch::Build() {
  PlaceReference();
  BranchOutline b(fig(), Sizes());
  b.Frame(b.s.lt + b.s.m + b.s.wr / 2);
  b.LegEnds(kRightLeg | kTrunkLeg | kLeftLeg | kTopLeg);
  b.ChannelBoundary(kLeftSide);
  b.ChannelBoundary(kRightSide);
  b.TrunkWallsAndBends();
  SetStatus(kStatusSet);
}

}  // namespace duct
