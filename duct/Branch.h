// What the branch fittings share: a trunk from below whose width a split
// ratio divides into channels, side branches that turn off it through
// pairs of arcs, a top branch, and the boxes that hold a branch width as
// its two halves. The fitting's frame has its origin on the trunk's centre
// line at the height of the right branch's centre line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "duct/FittingDialog.h"
#include "figure/Figure.h"

namespace duct {

// The channel widths that a split ratio ("p-q" or "p-q-r", from the left)
// gives a trunk: each but the last cut down to a multiple of 5 mm, the last
// taking the rest. Nothing when the text has fewer numbers than channels or
// they sum to 0.
std::optional<std::vector<double>> SplitTrunk(const std::string& ratio, size_t channels, double trunk);

struct Circle {
  double cx, cy, r;
};

// How high up the vertical line x = x a channel boundary must climb,
// from `start` in 1 mm steps, before its slant to `from` would no longer
// meet the bend's circle: the last height at which it still does. When
// the slant already clears the circle from the start, that is the start.
double ClearanceHeight(figure::Vec from, double x, double start, const Circle& bend);

// The dimensions of a branch fitting, in millimetres.
struct BranchSizes {
  double wm = 0;                  // trunk width
  double s1 = 0, s3 = 0;          // left and right channel at the trunk
  double wl = 0, b1 = 0, b2 = 0;  // left branch: width, parts above and below its centre line
  double t1 = 0, t2 = 0;          // top branch: parts left and right of the trunk's centre line
  double wr = 0;                  // right branch width, centred on the x axis
  double lt = 0;                  // top branch length above the right branch
  double k = 0;                   // inner-radius factor
  double e = 0;                   // straight length at the flange end of each branch
  double a = 0, f = 0, m = 0;     // angle width, flange protrusion, frame margin
};

enum Side { kLeftSide, kRightSide };

// The legs whose ends (flange, angle line, straight) a fitting has.
enum Leg : unsigned { kRightLeg = 1, kTrunkLeg = 2, kLeftLeg = 4, kTopLeg = 8 };

// Appends the pieces of a branch fitting's outline to a figure.
class BranchOutline {
 public:
  BranchOutline(figure::Figure& figure, const BranchSizes& sizes);

  const BranchSizes s;
  // How far the lower side of each side branch's bend reaches below the
  // x axis.
  const double yL, yR;
  // Depth of the trunk's angle line below the x axis: the deeper bend's.
  double d;
  const double rL, rR;  // inner radii of the left and right bends
  const double xL, xR;  // left and right flange
  const double yT;      // top flange

  // The frame record: the given top extent above the flanges to the sides
  // and the trunk's below.
  void Frame(double top);
  // Flanges, then angle lines (when there is an angle width), then the
  // straights at the side and top flanges (when they are not the angle
  // width long), each in the order right, trunk, left, top.
  void LegEnds(unsigned legs);
  // The side of the middle channel that leads into the top branch: one
  // slant from the top branch down to the splitter wall's foot, or, when
  // the top branch is wider there, up the wall and a slant past the bend.
  void ChannelBoundary(Side side);
  // Both sides of the trunk, both splitter walls and both bends.
  void TrunkWallsAndBends();
  void TrunkSide(Side side);
  void SplitterWall(Side side);
  void InnerArc(Side side);
  void OuterArc(Side side);

 private:
  // Where the splitter wall ends and its bend's outer arc begins.
  double WallTop(Side side) const;
  Circle OuterCircle(Side side) const;
  void Line(int slot, double x1, double y1, double x2, double y2);

  figure::Figure& figure_;
};

// A branch fitting's dialog: the controls both branch commands have, under
// the same ids, and the ones whose ids differ in `BranchIds`.
class BranchDialog : public FittingDialog {
 public:
  enum Id {
    kMirror = 1001,
    kLeftUpper = 1002,  // B1
    kRight = 1003,      // WR
    kAnchor = 1004,
    kTopLength = 1011,  // Lt
    kRatio = 1012,
    kRatioOk = 1013,
    kRadius = 1014,  // k
    kPreview = 1015,
    kCurrentLayer = 1021,
    kStraight = 1022,  // E
    kStatus = 1024,
    kRightList = 1025,
    kRotation0 = 1027,  // 1027..1034
    kLeftList = 1035,
    kTopList = 1036,
    kTrunkList = 1037,
    kOrigin = 1038,  // reference point: the frame's origin
    kCorner = 1039,  // reference point: the trunk's right side at the right branch's lower side
  };

  struct BranchIds {
    int angle, update;
    int trunk;                   // WM
    std::vector<int> channels;   // S1 … from the left
    int left, leftLower;         // WL, B2
    int top, topLeft, topRight;  // WT, T1, T2
  };

  BranchDialog(ui::Env env, ui::Layout layout, FittingSetup setup, std::vector<SettingLine> settings, BranchIds ids);

  // The shared controls for the fitting-dialog base.
  static FittingIds Fitting(const BranchIds& ids);
  // The size lists and the boxes their sizes go into.
  static std::vector<ListedBox> SizeLists(const BranchIds& ids);
  // The groups "《幹管分割比》" and "《設定》", 198 × 54 dialog units from `at`.
  static void AddRatioAndSettings(ui::Layout& layout, ui::Point at);

 protected:
  void OnInit() override;
  double PreviewScale() const override;
  void FillLists() override;
  // The notifications both branch commands answer alike; true when handled.
  // A new trunk width only marks the preview stale and is left to the
  // command.
  bool BranchCommand(int id, ui::Notify what);
  // A new left width: B1 and B2 take its halves.
  virtual void SplitLeftWidth();

  // Applies the split ratio to the trunk; when it is not usable, changes
  // nothing and, when `tell`, says why. True when the channels were set.
  bool ApplySplitRatio(bool tell);
  // Writes a value into a box without the boxes linked to it following.
  void Write(int id, double value);
  void WriteText(int id, const std::string& text);
  // The reference offset of the checked reference point.
  void PlaceReference();
  BranchSizes Sizes() const;

 private:
  void SplitTopWidth();
  void HalfChanged(int id);

  BranchIds ids_;
  int activeHalf_ = ui::kNoId;  // the one of B1, B2, T1, T2 the user is typing in
  bool writing_ = false;        // the dialog itself is writing boxes
};

}  // namespace duct
