// DrawData.txt as FigPlace reads it: moved to a picked point. The program
// either refuses the file or writes drawing text with finite numbers only.
#include "jw/Exchange.h"
#include "jw/FigPlace.h"
#include "jw/Files.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> drawData = jw::LinesOf(fuzz::Bytes(data, size));
  for (jw::Point at : {jw::Point{0, 0}, jw::Point{1000.5, -250}, jw::Point{1e308, -1e308}}) {
    try {
      fuzz::CheckDrawingText(jw::PlaceFigure(drawData, at), "the placed figure");
    } catch (const jw::Error&) {
    }
  }
  return 0;
}
