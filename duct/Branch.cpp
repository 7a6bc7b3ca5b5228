#include "duct/Branch.h"

#include <algorithm>
#include <cmath>

#include "duct/FittingLayout.h"
#include "figure/Preview.h"
#include "ui/Text.h"

namespace duct {

using figure::kAngleLine;
using figure::kDuct;
using figure::kFlangeLine;
using figure::kSolid;

std::optional<std::vector<double>> SplitTrunk(const std::string& ratio, size_t channels, double trunk) {
  std::vector<std::string> fields = ui::Split(ratio, '-');
  if (fields.size() < channels) return std::nullopt;
  std::vector<double> parts;
  double sum = 0;
  for (size_t i = 0; i < channels; ++i) {
    if (fields[i].empty()) return std::nullopt;
    parts.push_back(ui::ToReal(fields[i]));
    sum += parts.back();
  }
  if (sum == 0) return std::nullopt;
  std::vector<double> widths;
  double rest = trunk;
  for (size_t i = 0; i + 1 < channels; ++i) {
    widths.push_back(ui::Whole(trunk * parts[i] / sum * 0.2) * 5);
    rest -= widths.back();
  }
  widths.push_back(ui::Whole(rest));
  return widths;
}

double ClearanceHeight(figure::Vec from, double x, double start, const Circle& bend) {
  double height = start;
  double recorded = 100;
  for (int i = 0; i < 1000; ++i) {
    double rise = start + i - from.y, run = x - from.x;
    if (rise == 0) rise = 0.000001;
    if (run == 0) run = 0.000001;
    double slope = rise / run;
    double v = std::fabs(bend.cy - (from.y + slope * (bend.cx - from.x))) / std::sqrt(slope * slope + 1);
    if (bend.r - v < 0) break;
    if (bend.r - v < recorded) {
      height = start + i;
      recorded = v;
    }
  }
  return height;
}

BranchOutline::BranchOutline(figure::Figure& figure, const BranchSizes& sizes)
    : s(sizes),
      yL(s.b2 + s.k * s.wl),
      yR(s.wr / 2 + s.k * s.wr),
      d(std::max(yL, yR)),
      rL(s.k * s.wl + s.a - s.e),
      rR(s.k * s.wr + s.a - s.e),
      xL(-(s.wm / 2 + s.k * (s.b1 + s.b2) + s.a)),
      xR(s.wm / 2 + s.k * s.wr + s.a),
      yT(s.lt + s.wr / 2),
      figure_(figure) {}

void BranchOutline::Line(int slot, double x1, double y1, double x2, double y2) {
  figure_.AddLineRecord(kSolid, slot, x1, y1, x2, y2);
}

void BranchOutline::Frame(double top) {
  figure_.SetFrame(s.a + s.k * s.wr + s.m + s.wm / 2, s.a + s.m + d, s.a + s.k * (s.b1 + s.b2) + s.m + s.wm / 2, top);
}

void BranchOutline::LegEnds(unsigned legs) {
  const double f = s.f, w = s.wr / 2;
  if (legs & kRightLeg) Line(kFlangeLine, xR, w + f, xR, -(w + f));
  if (legs & kTrunkLeg) Line(kFlangeLine, -(s.wm / 2 + f), -(d + s.a), s.wm / 2 + f, -(d + s.a));
  if (legs & kLeftLeg) Line(kFlangeLine, xL, s.b1 + f, xL, -(s.b2 + f));
  if (legs & kTopLeg) Line(kFlangeLine, -(s.t1 + f), yT, s.t2 + f, yT);
  if (s.a != 0) {
    if (legs & kRightLeg) Line(kAngleLine, xR - s.a, w, xR - s.a, -w);
    if (legs & kTrunkLeg) Line(kAngleLine, -s.wm / 2, -d, s.wm / 2, -d);
    if (legs & kLeftLeg) Line(kAngleLine, xL + s.a, s.b1, xL + s.a, -s.b2);
    if (legs & kTopLeg) Line(kAngleLine, -s.t1, yT - s.a, s.t2, yT - s.a);
  }
  if (s.e == s.a) return;
  if (legs & kRightLeg) {
    Line(kDuct, xR, w, xR - s.e, w);
    Line(kDuct, xR, -w, xR - s.e, -w);
  }
  if (legs & kLeftLeg) {
    Line(kDuct, xL, s.b1, xL + s.e, s.b1);
    Line(kDuct, xL, -s.b2, xL + s.e, -s.b2);
  }
  if (legs & kTopLeg) {
    Line(kDuct, -s.t1, yT, -s.t1, yT - s.e);
    Line(kDuct, s.t2, yT, s.t2, yT - s.e);
  }
}

double BranchOutline::WallTop(Side side) const {
  if (side == kLeftSide) return s.b1 - s.k * s.wl - s.s1 + s.e - s.a;
  return s.wr / 2 - s.k * s.wr - s.s3 + s.e - s.a;
}

Circle BranchOutline::OuterCircle(Side side) const {
  if (side == kLeftSide) return {-(s.wm / 2 + rL), WallTop(kLeftSide), rL + s.s1};
  return {s.wm / 2 + rR, WallTop(kRightSide), rR + s.s3};
}

void BranchOutline::ChannelBoundary(Side side) {
  const bool left = side == kLeftSide;
  const figure::Vec top{left ? -s.t1 : s.t2, yT - s.e};
  const double wall = left ? s.s1 - s.wm / 2 : s.wm / 2 - s.s3;
  if (left ? top.x >= wall : top.x <= wall) {
    Line(kDuct, top.x, top.y, wall, -d);
    return;
  }
  // The search starts where the wall would end without the straight.
  const double h = ClearanceHeight(top, wall, WallTop(side) - (s.e - s.a), OuterCircle(side));
  Line(kDuct, wall, -d, wall, h);
  Line(kDuct, wall, h, top.x, top.y);
}

void BranchOutline::TrunkWallsAndBends() {
  TrunkSide(kLeftSide);
  TrunkSide(kRightSide);
  SplitterWall(kLeftSide);
  SplitterWall(kRightSide);
  InnerArc(kLeftSide);
  OuterArc(kLeftSide);
  InnerArc(kRightSide);
  OuterArc(kRightSide);
}

void BranchOutline::TrunkSide(Side side) {
  if (side == kLeftSide)
    Line(kDuct, -s.wm / 2, -(d + s.a), -s.wm / 2, -yL + s.e - s.a);
  else
    Line(kDuct, s.wm / 2, -(d + s.a), s.wm / 2, -yR + s.e - s.a);
}

void BranchOutline::SplitterWall(Side side) {
  if (side == kLeftSide)
    Line(kDuct, s.s1 - s.wm / 2, -d, s.s1 - s.wm / 2, WallTop(side));
  else
    Line(kDuct, s.wm / 2 - s.s3, -d, s.wm / 2 - s.s3, WallTop(side));
}

void BranchOutline::InnerArc(Side side) {
  if (side == kLeftSide)
    figure_.AddArcRecord(kSolid, kDuct, -(s.wm / 2 + rL), -yL + s.e - s.a, rL, 0, 90);
  else
    figure_.AddArcRecord(kSolid, kDuct, s.wm / 2 + rR, -yR + s.e - s.a, rR, 90, 180);
}

void BranchOutline::OuterArc(Side side) {
  Circle c = OuterCircle(side);
  if (side == kLeftSide)
    figure_.AddArcRecord(kSolid, kDuct, c.cx, c.cy, c.r, 0, 90);
  else
    figure_.AddArcRecord(kSolid, kDuct, c.cx, c.cy, c.r, 90, 180);
}

namespace {

// Sets a flag for as long as it lives, also when a file error ends the
// action early.
class Raised {
 public:
  explicit Raised(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~Raised() { flag_ = before_; }

 private:
  bool& flag_;
  bool before_;
};

}  // namespace

BranchDialog::BranchDialog(ui::Env env, ui::Layout layout, FittingSetup setup, std::vector<SettingLine> settings,
                           BranchIds ids)
    : FittingDialog(env, std::move(layout), std::move(setup), std::move(settings)), ids_(std::move(ids)) {}

FittingIds BranchDialog::Fitting(const BranchIds& b) {
  FittingIds ids;
  ids.update = b.update;
  ids.angle = b.angle;
  for (int i = 0; i < 8; ++i) ids.rotation[i] = kRotation0 + i;
  ids.mirror = kMirror;
  ids.currentLayer = kCurrentLayer;
  ids.anchor = kAnchor;
  ids.preview = kPreview;
  ids.status = kStatus;
  return ids;
}

std::vector<ListedBox> BranchDialog::SizeLists(const BranchIds& b) {
  return {{kRightList, kRight}, {kLeftList, b.left}, {kTopList, b.top}, {kTrunkList, b.trunk}};
}

void BranchDialog::AddRatioAndSettings(ui::Layout& l, ui::Point at) {
  const int x = at.x, y = at.y;
  l.Group("《幹管分割比》", {x, y, 96, 54});
  l.Edit(kRatio, {x + 8, y + 14, 50, 12}, ui::kCentred);
  l.Button(kRatioOk, "OK", {x + 62, y + 13, 26, 14});
  l.Label(ui::kNoId, "左から　*-*-*", {x + 8, y + 32, 80, 10});
  l.Group("《設定》", {x + 102, y, 96, 54});
  l.Label(ui::kNoId, "内R=", {x + 109, y + 15, 22, 10});
  l.Edit(kRadius, {x + 131, y + 13, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "W", {x + 162, y + 15, 10, 10});
  l.Label(ui::kNoId, "A=", {x + 109, y + 29, 22, 10});
  l.Edit(kStraight, {x + 131, y + 27, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "（R端部直進長さ）", {x + 109, y + 41, 84, 10});
}

// The boxes restore their texts as they were stored: loading a width does
// not overwrite the halves stored after it.
void BranchDialog::OnInit() {
  {
    Raised loading(writing_);
    FittingDialog::OnInit();
  }
  if (!form().Checked(kCorner)) form().SetChecked(kOrigin, true);
}

void BranchDialog::FillLists() {
  for (int list : {kRightList, kLeftList, kTopList, kTrunkList}) FillSizeList(list);
}

bool BranchDialog::BranchCommand(int id, ui::Notify what) {
  const BranchIds& b = ids_;
  if (what == ui::Notify::Focus && (id == kLeftUpper || id == b.leftLower || id == b.topLeft || id == b.topRight)) {
    activeHalf_ = id;
    return true;
  }
  if (what == ui::Notify::Change) {
    if (writing_) return true;
    SetStatus(kStatusStale);
    if (id == b.left)
      SplitLeftWidth();
    else if (id == b.top)
      SplitTopWidth();
    else if (id == activeHalf_)
      HalfChanged(id);
    return id != b.trunk;
  }
  if (what == ui::Notify::Select) {
    const int box = id == kRightList   ? kRight
                    : id == kLeftList  ? b.left
                    : id == kTopList   ? b.top
                    : id == kTrunkList ? b.trunk
                                       : ui::kNoId;
    if (box == ui::kNoId) return false;
    // A chosen size is typed into its box; only the trunk's splits again.
    form().SetText(box, form().Text(id));
    if (id != kTrunkList || !ApplySplitRatio(false)) Rebuild();
    return true;
  }
  if (what == ui::Notify::Click && id == kRatioOk) {
    ApplySplitRatio(true);
    return true;
  }
  if (what == ui::Notify::Click && (id == kOrigin || id == kCorner)) {
    Rebuild();
    return true;
  }
  return false;
}

void BranchDialog::SplitLeftWidth() {
  Write(kLeftUpper, Value(ids_.left) / 2);
  Write(ids_.leftLower, Value(ids_.left) / 2);
}

void BranchDialog::SplitTopWidth() {
  Write(ids_.topLeft, Value(ids_.top) / 2);
  Write(ids_.topRight, Value(ids_.top) / 2);
}

// A half typed in makes its partner the rest of the branch width.
void BranchDialog::HalfChanged(int id) {
  const int width = id == kLeftUpper || id == ids_.leftLower ? ids_.left : ids_.top;
  const int partner = id == kLeftUpper       ? ids_.leftLower
                      : id == ids_.leftLower ? kLeftUpper
                      : id == ids_.topLeft   ? ids_.topRight
                                             : ids_.topLeft;
  Write(partner, Value(width) - Value(id));
}

bool BranchDialog::ApplySplitRatio(bool tell) {
  const std::string& ratio = form().Text(kRatio);
  if (ratio.empty()) return false;
  const size_t channels = ids_.channels.size();
  auto widths = SplitTrunk(ratio, channels, Value(ids_.trunk));
  if (!widths) {
    if (tell) {
      const std::string example = channels == 3 ? "1-2-1" : "1-1";
      Message("幹管分割比は " + example + " のように、合計が0にならない" + std::to_string(channels) +
                  "つの数を「-」で区切って入力してください。",
              "入力確認");
    }
    return false;
  }
  for (size_t i = 0; i < channels; ++i) Write(ids_.channels[i], (*widths)[i]);
  Rebuild();
  return true;
}

void BranchDialog::Write(int id, double value) { WriteText(id, ui::FormatWhole(value)); }

void BranchDialog::WriteText(int id, const std::string& text) {
  Raised writing(writing_);
  form().SetText(id, text);
}

void BranchDialog::PlaceReference() {
  if (!form().Checked(kCorner)) return;
  placement().offsetX = Value(ids_.trunk) / 2;
  placement().offsetY = Value(kRight) / 2;
}

BranchSizes BranchDialog::Sizes() const {
  BranchSizes s;
  s.wm = Value(ids_.trunk);
  s.s1 = Value(ids_.channels.front());
  s.s3 = Value(ids_.channels.back());
  s.wl = Value(ids_.left);
  s.b1 = Value(kLeftUpper);
  s.b2 = Value(ids_.leftLower);
  s.t1 = Value(ids_.topLeft);
  s.t2 = Value(ids_.topRight);
  s.wr = Value(kRight);
  s.lt = Value(kTopLength);
  s.k = Value(kRadius);
  s.e = Value(kStraight);
  s.a = common().angleWidth;
  s.f = common().flange;
  s.m = common().frameMargin;
  return s;
}

// The frame's corners, placed as the records are, fitted into the preview
// around the placement point.
double BranchDialog::PreviewScale() const {
  const figure::Extents e = figure::FrameExtents(figure());
  const figure::Placement& p = figure().placement;
  double across = 0, up = 0;
  for (double x : {-e.e3, e.e1}) {
    for (double y : {-e.e2, e.e4}) {
      const figure::Vec corner = p.Place(x, y);
      across = std::max(across, std::fabs(corner.x));
      up = std::max(up, std::fabs(corner.y));
    }
  }
  const ui::Rect frame = form().PixelRect(kPreview);
  const double scale = std::min((frame.width / 2.0 - 4) / across, (frame.height / 2.0 - 4) / up);
  return std::isfinite(scale) && scale > 0 ? scale : figure::kFallbackScale;
}

}  // namespace duct
