// The drawing surface of a dialog on a GDI device context: one-pixel pens
// (solid, dotted, dash-dot), move-to/line-to, counter-clockwise arcs and
// solid fills, in dialog pixels scaled to the window's DPI.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/Canvas.h"

namespace ui::win32 {

class GdiCanvas : public Canvas {
 public:
  GdiCanvas(HDC dc, double scale);
  ~GdiCanvas() override;
  void SetPen(Rgb colour, PenStyle style) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Arc(Rect box, int x1, int y1, int x2, int y2) override;
  void FillRect(Rect rect, Rgb colour) override;

 private:
  HDC dc_;
  HPEN pen_ = nullptr;
  HGDIOBJ oldPen_;
  int oldMode_, oldBackground_;
  XFORM oldTransform_{};
};

// Draws the window's client area off the screen, on a dialog's colour, and
// then onto the target at once, so that a drawing redone at every keystroke
// does not flicker.
void PaintOffScreen(HWND window, HDC target, const std::function<void(HDC dc, const RECT& client)>& draw);

// The picture as a bitmap of its size times the scale, on the colour of a
// button's face.
HBITMAP RenderPicture(const Picture& picture, double scale);

}  // namespace ui::win32
