#include "figure/Preview.h"

#include <algorithm>
#include <cmath>

#include "figure/Geometry.h"
#include "ui/Text.h"

namespace figure {

using ui::GetListField;
using ui::ToInt;
using ui::ToReal;

ui::Rgb SlotColour(int slot) {
  switch (slot) {
    case 1: return {0, 255, 0};
    case 2: return {0, 0, 255};
    case 3: return {0, 255, 255};
    case 4: return {255, 0, 0};
    case 5: return {255, 0, 255};
    case 6: return {255, 160, 0};   // hatching and bellows: orange
    case 7: return {128, 64, 192};  // centre lines: violet
    default: return {0, 0, 0};
  }
}

void DrawArc(ui::Canvas& canvas, double cx, double cy, double r, double a1, double a2) {
  auto at = ui::Pixel;
  ui::Rect box{at(cx - r), at(cy - r), at(cx + r) - at(cx - r), at(cy + r) - at(cy - r)};
  canvas.Arc(box, at(cx + r * std::cos(a1 * kPreviewRadiansPerDegree)),
             at(cy - r * std::sin(a1 * kPreviewRadiansPerDegree)),
             at(cx + r * std::cos(a2 * kPreviewRadiansPerDegree)),
             at(cy - r * std::sin(a2 * kPreviewRadiansPerDegree)));
}

void DrawPreview(ui::Canvas& canvas, const Figure& figure, double s, ui::Rect frame) {
  canvas.FillRect({frame.x + 1, frame.y + 1, frame.width - 2, frame.height - 2}, kPreviewBackground);
  const int cx = (frame.x + frame.right()) / 2;
  const int cy = (frame.y + frame.bottom()) / 2;
  auto px = [&](double x) { return ui::Pixel(cx + s * x); };
  auto py = [&](double y) { return ui::Pixel(cy - s * y); };
  const auto& records = figure.records();
  for (size_t i = 1; i < records.size(); ++i) {
    const std::string& record = records[i];
    auto field = [&](int n) { return ToReal(GetListField(record, n, ',')); };
    int style = ToInt(GetListField(record, 2, ','));
    if (style == kDashDot) canvas.SetPen(kDashDotColour, ui::PenStyle::DashDot);
    else if (style == kDotted || style == kDotted3) canvas.SetPen(kDottedColour, ui::PenStyle::Dot);
    else canvas.SetPen(SlotColour(figure.recordSlots()[i]));
    int kind = ToInt(GetListField(record, 1, ','));
    if (kind == 1) {
      canvas.MoveTo(px(field(4)), py(field(5)));
      canvas.LineTo(px(field(6)), py(field(7)));
    } else if (kind == 2) {
      DrawArc(canvas, cx + s * field(4), cy - s * field(5), s * field(6), field(7), field(8));
    }
  }
  canvas.SetPen(kMarkerColour);
  canvas.Arc({cx - 2, cy - 2, 4, 4}, cx + 2, cy, cx + 2, cy);
}

double ExtentFitScale(const Figure& figure, double pixels) {
  Extents e = FrameExtents(figure);
  double span = std::max(std::fabs(e.e1) + std::fabs(e.e3), std::fabs(e.e2) + std::fabs(e.e4));
  if (!(span > 0) || !std::isfinite(span)) return kFallbackScale;
  return pixels / span;
}

double RecordFitScale(const Figure& figure, double halfWidth, double halfHeight) {
  double reachX = 0, reachY = 0;
  const auto& records = figure.records();
  for (size_t i = 1; i < records.size(); ++i) {
    auto field = [&](int n) { return std::fabs(ToReal(GetListField(records[i], n, ','))); };
    int kind = ToInt(GetListField(records[i], 1, ','));
    if (kind == 1) {
      reachX = std::max({reachX, field(4), field(6)});
      reachY = std::max({reachY, field(5), field(7)});
    } else if (kind == 2) {
      reachX = std::max(reachX, field(4) + field(6));
      reachY = std::max(reachY, field(5) + field(6));
    }
  }
  double scale = std::min(reachX > 0 ? halfWidth / reachX : HUGE_VAL, reachY > 0 ? halfHeight / reachY : HUGE_VAL);
  return std::isfinite(scale) && scale > 0 ? scale : kFallbackScale;
}

}  // namespace figure
