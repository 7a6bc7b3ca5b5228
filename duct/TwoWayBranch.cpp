#include "duct/TwoWayBranch.h"

#include "duct/FittingLayout.h"
#include "ui/Text.h"

namespace duct {
namespace {

using figure::kDuct;
using figure::kSolid;
using W = TwoWayBranch;

BranchDialog::BranchIds Ids() {
  return {W::kAngle, W::kUpdate,  W::kTrunk,   {W::kLeftChannel, W::kRightChannel}, W::kLeft, W::kLeftLower,
          W::kTop,   W::kTopLeft, W::kTopRight};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "割込分岐：２方向・双方向・T方向";
  l.width = 366;
  l.height = 281;
  AddGuideAnchor(l, W::kAnchor, {7, 7});
  // Boxes on the guide sketch, each on its dimension line.
  l.DropList(W::kTopList, {30, 7, 40, 100});
  l.Edit(W::kTop, {93, 7, 26, 12}, ui::kCentred);
  l.Edit(W::kTopLeft, {83, 30, 20, 12}, ui::kCentred);
  l.Edit(W::kTopRight, {109, 30, 20, 12}, ui::kCentred);
  l.Edit(W::kTopLength, {146, 41, 24, 12}, ui::kCentred);
  l.Edit(W::kLeftUpper, {7, 79, 20, 12}, ui::kCentred);
  l.Edit(W::kLeftLower, {7, 97, 20, 12}, ui::kCentred);
  l.Edit(W::kLeft, {33, 88, 20, 12}, ui::kCentred);
  l.DropList(W::kLeftList, {13, 125, 40, 100});
  l.Edit(W::kRight, {159, 88, 20, 12}, ui::kCentred);
  l.DropList(W::kRightList, {149, 129, 36, 100});
  l.Radio(W::kOrigin, "", {101, 89, 10, 10}, 4);
  l.Radio(W::kCorner, "", {141, 108, 10, 10}, 4);
  l.Edit(W::kLeftChannel, {76, 147, 20, 12}, ui::kCentred);
  l.Edit(W::kRightChannel, {116, 147, 20, 12}, ui::kCentred);
  l.Edit(W::kTrunk, {93, 161, 26, 12}, ui::kCentred);
  l.DropList(W::kTrunkList, {34, 161, 40, 100});

  l.Radio(W::kTwoWay, "２方向", {14, 182, 50, 10}, 5);
  l.Radio(W::kDouble, "双方向", {70, 182, 50, 10}, 5);
  l.Radio(W::kT, "T方向", {126, 182, 50, 10}, 5);
  BranchDialog::AddRatioAndSettings(l, {7, 198});
  AddPreviewFrame(l, W::kPreview, {192, 18, 164, 106});
  AddFittingControls(l, BranchDialog::Fitting(Ids()), 3, {189, 140});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(W::kLeftUpper),     TextLine(W::kRight),       TextLine(W::kAngle),
          TextLine(W::kTrunk),         TextLine(W::kLeftChannel), TextLine(W::kRightChannel),
          TextLine(W::kRatio),         TextLine(W::kRadius),      TextLine(W::kLeftLower),
          TextLine(W::kLeft),          TextLine(W::kStraight),    CheckLine(W::kMirror),
          CheckLine(W::kCurrentLayer), CheckLine(W::kCorner),     ChoiceLine({W::kTwoWay, W::kDouble, W::kT}),
          TextLine(W::kTop),           TextLine(W::kTopLeft),     TextLine(W::kTopRight),
          TextLine(W::kTopLength)};
}

}  // namespace

TwoWayBranch::TwoWayBranch(ui::Env env)
    : BranchDialog(
          env, MakeLayout(),
          FittingSetup{"2bunki.tec", "Bunki2.ini", {7, 150, 140}, 3, kStatusStale, Fitting(Ids()), 0, SizeLists(Ids())},
          Settings(), Ids()) {}

void TwoWayBranch::OnInit() {
  BranchDialog::OnInit();
  EnableForMode();
}

void TwoWayBranch::OnCommand(int id, ui::Notify what) {
  if (BranchCommand(id, what) || what != ui::Notify::Click) return;
  if (id == kTwoWay || id == kDouble || id == kT) {
    EnableForMode();
    if (id == kT) AlignLeftWithRight();
    Rebuild();
  }
}

void TwoWayBranch::EnableForMode() {
  const bool twoWay = form().Checked(kTwoWay);
  const bool sides = form().Checked(kDouble) || form().Checked(kT);
  for (int id : {int(kLeftList), int(kLeftUpper), int(kLeftLower), int(kLeft)}) form().SetEnabled(id, !twoWay);
  for (int id : {int(kTopList), int(kTop), int(kTopLeft), int(kTopRight)}) form().SetEnabled(id, !sides);
}

void TwoWayBranch::SplitLeftWidth() {
  BranchDialog::SplitLeftWidth();
  if (form().Checked(kT)) AlignLeftWithRight();
}

void TwoWayBranch::AlignLeftWithRight() {
  Write(kLeftUpper, Value(kRight) / 2);
  Write(kLeftLower, Value(kLeft) - Value(kRight) / 2);
}

// Only a fitting of one of the three modes is placed.
std::optional<std::string> TwoWayBranch::DrawNamePrefix() const {
  if (form().Checked(kTwoWay)) return "NI_";
  if (form().Checked(kDouble)) return "SO_";
  return "TH_";
}

// Without a mode there is no fitting to place. An emptied angle box takes
// the rotation in use, so that the settings file and the drawing name keep it.
bool TwoWayBranch::CheckBeforePlacing() {
  if (!form().Checked(kTwoWay) && !form().Checked(kDouble) && !form().Checked(kT)) {
    Message("２方向・双方向・T方向のどれかを選んでください。", "入力確認");
    return false;
  }
  if (form().Text(kAngle).empty()) WriteText(kAngle, ui::FormatFixed(angle()));
  return true;
}

void TwoWayBranch::Build() {
  PlaceReference();
  if (form().Checked(kTwoWay))
    BuildTwoWay();
  else if (form().Checked(kDouble))
    BuildDouble();
  else if (form().Checked(kT))
    BuildT();
  SetStatus(kStatusSet);
}

// The trunk's flange and angle line follow the right bend alone.
void TwoWayBranch::BuildTwoWay() {
  BranchOutline b(fig(), Sizes());
  b.d = b.yR;
  b.Frame(b.s.lt + b.s.m + b.s.wr / 2);
  b.LegEnds(kRightLeg | kTrunkLeg | kTopLeg);
  fig().AddLineRecord(kSolid, kDuct, -b.s.t1, b.yT - b.s.e, -b.s.wm / 2, -(b.yR + b.s.a));
  b.ChannelBoundary(kRightSide);
  b.TrunkSide(kRightSide);
  b.SplitterWall(kRightSide);
  b.InnerArc(kRightSide);
  b.OuterArc(kRightSide);
}

void TwoWayBranch::BuildDouble() {
  BranchOutline b(fig(), Sizes());
  b.Frame(b.s.wr / 2);
  b.LegEnds(kRightLeg | kTrunkLeg | kLeftLeg);
  b.TrunkWallsAndBends();
}

void TwoWayBranch::BuildT() {
  BranchOutline b(fig(), Sizes());
  b.Frame(b.s.wr / 2);
  b.LegEnds(kRightLeg | kTrunkLeg | kLeftLeg);
  fig().AddLineRecord(kSolid, kDuct, b.xL, b.s.wr / 2, b.xR, b.s.wr / 2);
  b.TrunkSide(kLeftSide);
  b.TrunkSide(kRightSide);
  b.InnerArc(kLeftSide);
  b.InnerArc(kRightSide);
}

}  // namespace duct
