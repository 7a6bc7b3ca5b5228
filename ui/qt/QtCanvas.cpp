#include "ui/qt/QtCanvas.h"

#include <QPixmap>
#include <cmath>

namespace ui::qt {

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setPen(QPen(Qt::black, 0));
}

void QtCanvas::SetPen(Rgb colour, PenStyle style) {
  Qt::PenStyle qtStyle = style == PenStyle::Dot ? Qt::DotLine : style == PenStyle::DashDot ? Qt::DashDotLine : Qt::SolidLine;
  painter_.setPen(QPen(QColor(colour.r, colour.g, colour.b), 0, qtStyle));
}

void QtCanvas::MoveTo(int x, int y) { at_ = QPoint(x, y); }

void QtCanvas::LineTo(int x, int y) {
  QPoint to(x, y);
  painter_.drawLine(at_, to);
  at_ = to;
}

void QtCanvas::Arc(Rect box, int x1, int y1, int x2, int y2) {
  double cx = box.x + box.width / 2.0;
  double cy = box.y + box.height / 2.0;
  double a1 = std::atan2(cy - y1, x1 - cx) * 180.0 / M_PI;
  double a2 = std::atan2(cy - y2, x2 - cx) * 180.0 / M_PI;
  double span = a2 - a1;
  while (span <= 0) span += 360.0;
  if (x1 == x2 && y1 == y2) span = 360.0;
  painter_.drawArc(QRectF(box.x, box.y, box.width, box.height), static_cast<int>(std::lround(a1 * 16)),
                   static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::FillRect(Rect rect, Rgb colour) {
  painter_.fillRect(QRect(rect.x, rect.y, rect.width, rect.height), QColor(colour.r, colour.g, colour.b));
}

QPixmap RenderPicture(const Picture& picture, qreal ratio) {
  QPixmap pixmap(QSize(picture.width, picture.height) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QtCanvas canvas(painter);
  picture.draw(canvas);
  return pixmap;
}

}  // namespace ui::qt
