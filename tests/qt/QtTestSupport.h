// Shows a dialog in a real (offscreen) Qt window and saves pictures of it to
// build/screenshots, for the eye of whoever changes the dialog.
#pragma once

#include <QImage>
#include <memory>
#include <string>

#include "ui/Dialog.h"
#include "ui/qt/QtDialog.h"

namespace test {

class Screen {
 public:
  // Builds the window and initialises the dialog as opening it would.
  explicit Screen(ui::DialogHandler& dialog);
  ~Screen();
  QImage Grab();
  // Saves build/screenshots/<name>.png and returns the picture.
  QImage Save(const std::string& name);
  ui::qt::QtDialog& window() { return *window_; }

 private:
  std::unique_ptr<ui::qt::QtDialog> window_;
};

// Counts the pixels of exactly this colour.
int CountColour(const QImage& image, QRgb colour);

}  // namespace test
