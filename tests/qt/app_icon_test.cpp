#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <fstream>
#include <sstream>

#include "app/Startup.h"
#include "ui/qt/QtCanvas.h"

namespace {

void Put(std::string& out, unsigned value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The icon as a Windows icon file: the picture at 16, 32 and 48 pixels, each
// a 32-bit image with an empty mask.
std::string IconFile(const ui::Picture& picture) {
  const int sizes[] = {16, 32, 48};
  std::string header, images;
  Put(header, 0, 2);
  Put(header, 1, 2);  // an icon
  Put(header, 3, 2);
  size_t offset = 6 + 16 * 3;
  for (int size : sizes) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.scale(double(size) / picture.width, double(size) / picture.height);
      ui::qt::QtCanvas canvas(painter);
      picture.draw(canvas);
    }
    std::string data;
    Put(data, 40, 4);
    Put(data, size, 4);
    Put(data, size * 2, 4);  // the image and its mask
    Put(data, 1, 2);
    Put(data, 32, 2);
    for (int i = 0; i < 6; ++i) Put(data, 0, 4);
    for (int y = size - 1; y >= 0; --y)
      for (int x = 0; x < size; ++x) Put(data, image.pixel(x, y), 4);  // 0xAARRGGBB: B, G, R, A
    data.append(size * ((size + 31) / 32 * 4), '\0');
    Put(header, size, 1);
    Put(header, size, 1);
    Put(header, 0, 2);
    Put(header, 1, 2);
    Put(header, 32, 2);
    Put(header, static_cast<unsigned>(data.size()), 4);
    Put(header, static_cast<unsigned>(offset), 4);
    offset += data.size();
    images += data;
  }
  return header + images;
}

}  // namespace

// The icon built into Tavrin.exe is the panel's icon as the program draws it.
TEST(AppIcon, TheWindowsIconFileIsTheDrawnIcon) {
  const std::string drawn = IconFile(app::AppIcon());
  std::ifstream in(std::string(TAVRIN_SOURCE_DATA) + "/../windows/Tavrin.ico", std::ios::binary);
  std::ostringstream shipped;
  shipped << in.rdbuf();
  if (shipped.str() != drawn) {
    const std::string fresh = std::string(TAVRIN_SCREENSHOTS) + "/Tavrin.ico";
    std::ofstream(fresh, std::ios::binary) << drawn;
    FAIL() << "resources/windows/Tavrin.ico is not the icon the program draws; the drawn one is " << fresh;
  }
}
