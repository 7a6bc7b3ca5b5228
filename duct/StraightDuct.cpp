#include "duct/StraightDuct.h"

#include "duct/FittingLayout.h"
#include "figure/Preview.h"
#include "figure/Template.h"
#include "settings/Paths.h"

namespace duct {
namespace {

using S = StraightDuct;

constexpr figure::GuideScale kGuide{5, 175, 90};
// The template groups of the two ends (the third field of their records).
constexpr int kLeftEndGroup = 2;
constexpr int kRightEndGroup = 3;

FittingIds Ids() {
  return {.update = S::kUpdate, .currentLayer = S::kCurrentLayer,
          .anchor = S::kPreview,  // the sketch is drawn from the preview frame's corner
          .preview = S::kPreview, .status = S::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "直管作図";
  l.width = 452;
  l.height = 233;
  AddPreviewFrame(l, S::kPreview, {7, 18, 260, 150});
  // Boxes on the sketch, each on its dimension line.
  l.Label(ui::kNoId, "ピッチ=", {43, 36, 28, 10});
  l.Edit(S::kPitch, {71, 35, 30, 12}, ui::kCentred);
  l.Label(ui::kNoId, "アングル出", {141, 46, 38, 10});
  l.Edit(S::kAngleOut, {179, 45, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "フランジ巾", {141, 118, 38, 10});
  l.Edit(S::kFlangeWidth, {179, 117, 28, 12}, ui::kCentred);
  l.Edit(S::kSize, {213, 82, 30, 12}, ui::kCentred);
  l.DropList(S::kSizeList, {211, 109, 36, 100});
  l.Check(S::kLeftEnd, "作図有", {12, 138, 40, 10});
  l.Check(S::kRightEnd, "作図有", {192, 138, 40, 10});

  l.Group("《作図設定》", {7, 176, 260, 28});
  l.Radio(S::kDuctLinesOnly, "ダクト線のみ作図", {16, 189, 78, 10}, 1);
  l.Radio(S::kFlangesOnly, "フランジのみ割込み作図", {100, 189, 98, 10}, 1);
  l.Radio(S::kBoth, "両方作図", {206, 189, 52, 10}, 1);

  l.Group("《形式》", {275, 7, 170, 126});
  for (int i = 0; i < 3; ++i) {
    l.Radio(S::kStyle1 + i, "", {285, 24 + 40 * i, 10, 10}, 2);
    l.Frame(S::kStylePicture1 + i, {300, 14 + 40 * i, 135, 30}, ui::kBorder);
  }
  l.Check(S::kFixed45, "45°固定", {275, 140, 60, 10});
  l.Label(ui::kNoId, "※ポイント指示は時計回り", {340, 140, 105, 10});
  // Without angle box and mirror the block's first rows stay empty.
  AddFittingControls(l, Ids(), 3, {275, 123});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(S::kSize),
          TextLine(S::kFlangeWidth),
          TextLine(S::kAngleOut),
          TextLine(S::kPitch),
          ChoiceLine({S::kStyle1, S::kStyle1 + 1, S::kStyle1 + 2}),
          ChoiceLine({S::kDuctLinesOnly, S::kFlangesOnly, S::kBoth}),
          CheckLine(S::kLeftEnd),
          CheckLine(S::kRightEnd),
          CheckLine(S::kCurrentLayer),
          CheckLine(S::kFixed45)};
}

// A piece of duct with a flange in the middle and, dash-dot between two
// small circles, where the picked points lie in the style, with an arrow
// from the first to the second. Points go clockwise round the duct: 1 on
// the upper side left to right, 2 on the centre line left to right, 3 on
// the lower side right to left. DuctRun.exe reads the style the same way.
void DrawStylePicture(ui::Canvas& c, int style, ui::Rect r) {
  const int left = r.x + 14, right = r.right() - 14, mid = r.x + r.width / 2;
  const int top = r.y + r.height / 3, bottom = r.bottom() - r.height / 3, out = r.height / 6, angle = 6;
  auto line = [&](int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
  };
  c.SetPen({0, 0, 0});
  line(left, top, right, top);
  line(left, bottom, right, bottom);
  line(mid, top - out, mid, bottom + out);
  for (int x : {mid - angle, mid + angle}) line(x, top - out, x, bottom + out);
  line(mid - angle, top - out, mid + angle, top - out);
  line(mid - angle, bottom + out, mid + angle, bottom + out);
  const int points = style == 1 ? top : style == 2 ? (top + bottom) / 2 : bottom;
  c.SetPen(figure::kDashDotColour, ui::PenStyle::DashDot);
  line(left, points, right, points);
  c.SetPen(figure::kDashDotColour);
  for (int x : {left, right}) c.Arc({x - 3, points - 3, 6, 6}, x + 3, points, x + 3, points);
  // The arrowhead just short of the second point's circle.
  const int tip = style == 3 ? left + 5 : right - 5, back = style == 3 ? 7 : -7;
  line(tip, points, tip + back, points - 4);
  line(tip, points, tip + back, points + 4);
}

}  // namespace

std::vector<std::string> StraightDuctAttributes(const settings::SlotTable& slots) {
  std::vector<std::string> lines;
  for (int slot : {figure::kDuct, figure::kFlangeLine, figure::kAngleLine}) {
    const settings::SlotAttributes& a = slots[slot];
    for (const std::string* value : {&a.layerGroup, &a.layer, &a.lineType, &a.colour}) lines.push_back(*value);
  }
  return lines;
}

StraightDuct::StraightDuct(ui::Env env)
    : FittingDialog(env, MakeLayout(),
                    FittingSetup{"Choku.tec", "Choku.ini", kGuide, 0, kStatusSet, Ids(), 0, {{kSizeList, kSize}}},
                    Settings()) {}

void StraightDuct::FillLists() { FillSizeList(kSizeList); }

void StraightDuct::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Select && id == kSizeList) {
    form().SetText(kSize, form().Text(kSizeList));
  } else if (what == ui::Notify::Change && id == kAngleOut) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Change || what == ui::Notify::Click) {
    if (id == kLeftEnd || id == kRightEnd) form().Invalidate();
    SetStatus(kStatusSet);
  }
}

// There is no figure to build: the run is drawn by DuctRun.exe between the
// points picked in Jw_cad. A rebuild only brings the sketch up to date.
void StraightDuct::Build() { SetStatus(kStatusSet); }

// Not used: the preview frame shows the guide sketch, not a figure.
double StraightDuct::PreviewScale() const { return figure::kFallbackScale; }

// Nothing for FigPlace.exe: DrawData.txt is left as it is.
bool StraightDuct::WriteDrawing() { return true; }

void StraightDuct::SaveSettings() {
  FittingDialog::SaveSettings();
  drive().WriteLines(settings::SetFile("ChokuSet.ini"), StraightDuctAttributes(figure().slots()));
}

void StraightDuct::OnPaint(ui::Canvas& canvas) {
  const ui::Rect frame = form().PixelRect(kPreview);
  canvas.FillRect({frame.x + 1, frame.y + 1, frame.width - 2, frame.height - 2}, figure::kPreviewBackground);
  std::vector<int> greyed;
  if (!form().Checked(kLeftEnd)) greyed.push_back(kLeftEndGroup);
  if (!form().Checked(kRightEnd)) greyed.push_back(kRightEndGroup);
  figure::DrawGuide(canvas, guideLines(), kGuide, {frame.x, frame.y}, greyed);
  for (int i = 0; i < 3; ++i) DrawStylePicture(canvas, i + 1, form().PixelRect(kStylePicture1 + i));
}

}  // namespace duct
