// The drawing surface of a dialog on a QPainter, with GDI's one-pixel pens.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <QPoint>

#include "ui/Canvas.h"

namespace ui::qt {

class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QPainter& painter);
  void SetPen(Rgb colour, PenStyle style) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Arc(Rect box, int x1, int y1, int x2, int y2) override;
  void FillRect(Rect rect, Rgb colour) override;

 private:
  QPainter& painter_;
  QPoint at_;
};

// The picture rendered into a pixmap of its own size, with `ratio` device
// pixels to the pixel so that it stays sharp on a high-resolution screen.
QPixmap RenderPicture(const Picture& picture, qreal ratio = 1);

}  // namespace ui::qt
