// Templates (.tec): guide sketches and the catalogue's sheet pictures, drawn
// at the scales the dialogs use. Nothing may crash, whatever the numbers.
#include "figure/Template.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines = ui::DecodeLines(fuzz::Bytes(data, size));
  fuzz::NullCanvas canvas;
  figure::DrawGuide(canvas, lines, {5.5, 150, 80}, {12, 20});
  figure::DrawGuide(canvas, lines, {1, 455, 11}, {0, 0}, {1, 3});
  return 0;
}
