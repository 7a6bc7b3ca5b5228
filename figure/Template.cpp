#include "figure/Template.h"

#include <algorithm>
#include <cmath>

#include "figure/Geometry.h"
#include "figure/Preview.h"
#include "ui/Text.h"

namespace figure {

using ui::GetListField;
using ui::ToInt;
using ui::ToReal;

std::vector<std::string> ReadTemplate(const ui::Drive& drive, const std::string& windowsPath) {
  return drive.ReadLines(windowsPath);
}

void DrawGuide(ui::Canvas& canvas, const std::vector<std::string>& lines, const GuideScale& g, ui::Point origin,
               const std::vector<int>& greyed) {
  auto px = [&](double x) { return ui::Pixel(g.k * x + g.ox + origin.x); };
  auto py = [&](double y) { return ui::Pixel(g.k * y + g.oy + origin.y); };
  for (const std::string& line : lines) {
    int kind = ToInt(GetListField(line, 1, ','));
    int style = ToInt(GetListField(line, 2, ','));
    auto field = [&](int n) { return ToReal(GetListField(line, n, ',')); };
    int group = ToInt(GetListField(line, 3, ','));
    if (std::find(greyed.begin(), greyed.end(), group) != greyed.end()) canvas.SetPen(kDisabledColour);
    else if (style == 4) canvas.SetPen(kDashDotColour, ui::PenStyle::DashDot);
    else if (style == 2 || style == 3) canvas.SetPen(kDottedColour, ui::PenStyle::Dot);
    else canvas.SetPen({0, 0, 0});
    if (kind == 1) {
      canvas.MoveTo(px(field(4)), py(field(5) * 0.5));
      canvas.LineTo(px(field(6) / 3), py(field(7) * 0.25));
    } else if (kind == 2) {
      double cx = g.k * field(4) + g.ox + origin.x, cy = g.k * field(5) + g.oy + origin.y, r = g.k * field(6);
      DrawArc(canvas, cx, cy, r, field(7), field(8));
    }
  }
}

}  // namespace figure
