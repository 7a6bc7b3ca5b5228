#include "duct/FlexDuct.h"

#include "duct/FittingLayout.h"
#include "figure/Preview.h"
#include "figure/RotationButtons.h"

namespace duct {
namespace {

using F = FlexDuct;

FittingIds Ids() {
  return {.place = F::kPlace, .update = F::kUpdate, .angle = F::kAngle, .rotation = figure::RotationIds(F::kRotation0),
          .mirror = F::kMirror, .currentLayer = F::kCurrentLayer, .anchor = F::kAnchor, .preview = F::kPreview,
          .status = F::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "フレキダクト作図";
  l.width = 319;
  l.height = 271;
  AddGuideAnchor(l, F::kAnchor, {7, 7});
  // On the guide sketch: the start point on the centre line or on the duct
  // side beside the diameter, A and θ of the L shape, P of the S shape.
  l.Radio(F::kStartCentre, "", {13, 44, 10, 10}, 3);
  l.Radio(F::kStartSide, "", {13, 54, 10, 10}, 3);
  l.Label(F::kDiameterLabel, "", {17, 64, 26, 10}, ui::kCentred);
  l.Label(ui::kNoId, "A=", {42, 17, 10, 10});
  l.Edit(F::kDistance, {52, 16, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "角度=", {95, 26, 22, 10});
  l.Edit(F::kTheta, {117, 25, 26, 12}, ui::kCentred);
  l.Label(ui::kNoId, "P=", {96, 86, 11, 10});
  l.Edit(F::kOffset, {107, 85, 28, 12}, ui::kCentred);

  l.Label(ui::kNoId, "呼径=", {7, 136, 22, 10});
  l.Combo(F::kDiameter, {29, 134, 36, 120});
  l.Label(ui::kNoId, "Ｌ=", {70, 136, 12, 10});
  l.Combo(F::kLength, {82, 134, 40, 80});
  l.Label(ui::kNoId, "中心曲率半径=", {128, 136, 54, 10});
  l.Combo(F::kRatio, {182, 134, 30, 80});
  l.Label(ui::kNoId, "R", {214, 136, 8, 10});

  l.Group("《種類》", {7, 150, 68, 42});
  l.Radio(F::kMetal, "金属フレキ", {13, 162, 60, 10}, 1);
  l.Radio(F::kInsulated, "保温付フレキ", {13, 176, 60, 10}, 1);
  l.Group("《形状》", {79, 150, 56, 42});
  l.Radio(F::kLShape, "Ｌ形", {85, 162, 40, 10}, 2);
  l.Radio(F::kSShape, "Ｓ形", {85, 176, 40, 10}, 2);
  l.Check(F::kBellows, "ジャバラ線有", {7, 198, 64, 10});
  l.Label(ui::kNoId, "金属フレキピッチ=", {7, 214, 70, 10});
  l.Edit(F::kMetalPitch, {78, 212, 28, 12}, ui::kCentred);
  l.Label(F::kUnit1, "mm", {108, 214, 14, 10});
  l.Label(ui::kNoId, "保温フレキピッチ=", {7, 230, 70, 10});
  l.Edit(F::kInsulatedPitch, {78, 228, 28, 12}, ui::kCentred);
  l.Label(F::kUnit2, "mm", {108, 230, 14, 10});

  AddPreviewFrame(l, F::kPreview, {204, 18, 108, 110});
  AddFittingControls(l, Ids(), 4, {142, 150});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(F::kDiameter),
          TextLine(F::kLength),
          TextLine(F::kRatio),
          TextLine(F::kMetalPitch),
          TextLine(F::kOffset),
          TextLine(F::kTheta),
          ChoiceLine({F::kMetal, F::kInsulated}),
          ChoiceLine({F::kLShape, F::kSShape}),
          CheckLine(F::kBellows),
          ChoiceLine({F::kStartSide, F::kStartCentre}, 0),  // "0" on the duct side, "1" on the centre line
          TextLine(F::kDistance),
          TextLine(F::kInsulatedPitch),
          TextLine(F::kAngle),
          CheckLine(F::kCurrentLayer),
          CheckLine(F::kMirror)};
}

}  // namespace

FlexDuct::FlexDuct(ui::Env env)
    : FittingDialog(env, MakeLayout(), FittingSetup{"Flex.tec", "Flex.ini", {7.5, 150, 80}, 3, kStatusSet, Ids()},
                    Settings()) {}

void FlexDuct::FillLists() {
  for (const char* d : {"100", "125", "150", "175", "200", "225", "250", "275", "300", "325", "350", "375", "400",
                        "450", "500"})
    form().AddItem(kDiameter, d);
  for (const char* l : {"500", "1000", "1500", "2000"}) form().AddItem(kLength, l);
  for (const char* r : {"1.0", "1.5", "2.0", "2.5"}) form().AddItem(kRatio, r);
}

void FlexDuct::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Click && (id == kMetal || id == kInsulated || id == kLShape || id == kSShape ||
                                    id == kBellows || id == kStartCentre || id == kStartSide)) {
    Update();
  } else if ((what == ui::Notify::Change || what == ui::Notify::Select) &&
             (id == kMetalPitch || id == kOffset || id == kTheta || id == kDistance || id == kInsulatedPitch ||
              id == kDiameter || id == kLength || id == kRatio)) {
    SetStatus(kStatusStale);
  }
}

void FlexDuct::Build() {
  const bool sShape = form().Checked(kSShape);
  form().SetEnabled(kDistance, !sShape);
  form().SetEnabled(kTheta, !sShape);
  form().SetEnabled(kOffset, sShape);
  form().SetText(kDiameterLabel, form().Text(kDiameter));
  const bool insulated = form().Checked(kInsulated);
  const FlexInput input{Value(kDiameter), Value(kLength),   Value(kRatio),
                        Value(kTheta),    Value(kDistance), Value(kOffset),
                        Value(insulated ? kInsulatedPitch : kMetalPitch), insulated, sShape,
                        form().Checked(kBellows)};
  if (form().Checked(kStartSide)) placement().offsetY = input.diameter / 2;
  refusal_ = BuildFlexDuct(fig(), input);
  if (!refusal_) return SetStatus(kStatusSet);
  if (!refusal_->message.empty()) Message(refusal_->message, "確認");
}

// A refused duct is not placed: its message was shown by the rebuild, and
// input that is otherwise ignored says what to check.
bool FlexDuct::CheckBeforePlacing() {
  if (!refusal_) return true;
  if (refusal_->message.empty()) Message("呼径・Ｌ・角度の値を確認してください。", "確認");
  return false;
}

double FlexDuct::PreviewScale() const { return figure::RecordFitScale(figure(), 74, 74); }

}  // namespace duct
