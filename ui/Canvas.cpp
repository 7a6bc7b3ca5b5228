#include "ui/Canvas.h"

namespace ui {
namespace {

std::string Colour(Rgb c) {
  return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

const char* StyleName(PenStyle style) {
  switch (style) {
    case PenStyle::Solid: return "solid";
    case PenStyle::Dot: return "dot";
    case PenStyle::DashDot: return "dashdot";
  }
  return "?";
}

std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

}  // namespace

void RecordingCanvas::SetPen(Rgb colour, PenStyle style) {
  calls.push_back("pen " + Colour(colour) + " " + StyleName(style));
}
void RecordingCanvas::MoveTo(int x, int y) { calls.push_back("move " + At(x, y)); }
void RecordingCanvas::LineTo(int x, int y) { calls.push_back("line " + At(x, y)); }
void RecordingCanvas::Arc(Rect b, int x1, int y1, int x2, int y2) {
  calls.push_back("arc " + At(b.x, b.y) + " " + At(b.right(), b.bottom()) + " " + At(x1, y1) + " " +
                  At(x2, y2));
}
void RecordingCanvas::FillRect(Rect r, Rgb colour) {
  calls.push_back("fill " + At(r.x, r.y) + " " + At(r.right(), r.bottom()) + " " + Colour(colour));
}

}  // namespace ui
