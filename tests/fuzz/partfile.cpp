// Catalogue part files (.ajc): read, placed in every pose the dialog offers
// (the angle from the input's last line, as typed into "角度"), and written
// as drawing data with a take-off marker. The writer either refuses the part
// or writes only finite numbers.
#include "figure/DrawData.h"
#include "piping/CatalogueDrawData.h"
#include "piping/PartFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "ui/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines = ui::DecodeLines(fuzz::Bytes(data, size));
  double angle = lines.empty() ? 0 : ui::ToReal(lines.back());
  piping::PartFile part = piping::ParsePartFile(lines);
  piping::PartAttributes attributes = piping::ParsePartAttributes("0-1-1-2,0-1-2-3,0-2-5-4");
  for (int point = 0; point < 9; ++point) {
    for (bool mirror : {false, true}) {
      piping::PlacedPart placed = piping::PlacePart(part, attributes, {point, mirror, angle});
      for (bool currentLayer : {false, true}) {
        std::vector<std::string> written;
        try {
          written = piping::PartDrawData(placed, currentLayer);
          std::vector<std::string> marker = piping::MarkerDrawData(
              {"0.91119", "0.80018", "0.70007"}, placed.markerCentre, attributes.solid, {}, currentLayer);
          written.insert(written.end(), marker.begin(), marker.end());
        } catch (const figure::InvalidFigure&) {
          continue;
        }
        fuzz::CheckDrawingText(written, "a placed part");
      }
    }
  }
  return 0;
}
