// Drawing surface of a dialog: one-pixel pens, move-to/line-to, arcs by
// bounding box and end points, and solid fills, with y growing downwards.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Layout.h"

namespace ui {

enum class PenStyle { Solid, Dot, DashDot };

// A coordinate in pixels, truncated toward zero: held within a million
// pixels either way (far beyond any window), so that a figure of any size
// still draws, and 0 for a value that is not a number.
inline int Pixel(double value) {
  constexpr double kReach = 1e6;
  if (!(value > -kReach)) return value != value ? 0 : -static_cast<int>(kReach);
  if (!(value < kReach)) return static_cast<int>(kReach);
  return static_cast<int>(value);
}

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetPen(Rgb colour, PenStyle style = PenStyle::Solid) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Counter-clockwise (as seen on the screen) arc of the ellipse inside the
  // box, from where the ray from the centre towards (x1, y1) meets it to where
  // the ray towards (x2, y2) does; equal rays draw the whole ellipse.
  virtual void Arc(Rect box, int x1, int y1, int x2, int y2) = 0;
  virtual void FillRect(Rect rect, Rgb colour) = 0;
};

// A picture drawn on demand, for example the icon of a push button.
struct Picture {
  int width = 0, height = 0;
  std::function<void(Canvas&)> draw;
  explicit operator bool() const { return static_cast<bool>(draw); }
};

// Keeps every call as a line of text; the tests compare drawings with it.
class RecordingCanvas : public Canvas {
 public:
  void SetPen(Rgb colour, PenStyle style) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Arc(Rect box, int x1, int y1, int x2, int y2) override;
  void FillRect(Rect rect, Rgb colour) override;

  std::vector<std::string> calls;
};

}  // namespace ui
