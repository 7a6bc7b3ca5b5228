#include "tests/qt/QtTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace test {

Screen::Screen(ui::DialogHandler& dialog) : window_(std::make_unique<ui::qt::QtDialog>(dialog, nullptr)) {
  dialog.UserInit();
  window_->show();
  QApplication::processEvents();
}

Screen::~Screen() = default;

QImage Screen::Grab() {
  QApplication::processEvents();
  // Rendered into a 32-bit image: the offscreen screen keeps fewer colours.
  // On a high-resolution screen the picture has its device pixels.
  const qreal ratio = window_->devicePixelRatioF();
  QImage image(window_->size() * ratio, QImage::Format_ARGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  window_->render(&image);
  return image;
}

QImage Screen::Save(const std::string& name) {
  QImage image = Grab();
  QString file = QString::fromStdString(std::string(TAVRIN_SCREENSHOTS) + "/" + name + ".png");
  QDir().mkpath(QFileInfo(file).path());
  image.save(file);
  return image;
}

int CountColour(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) ++count;
  return count;
}

}  // namespace test
