// Catalogue part files (.ajc): read, placed in a pose the dialog offers and
// written as drawing data with a take-off marker; the writer either refuses
// the part or writes only finite numbers. The first byte of the input
// chooses the reference point, the mirror and the current layer; the part
// file follows, and its last line doubles as the angle typed into "角度".
#include "figure/DrawData.h"
#include "piping/CatalogueDrawData.h"
#include "piping/PartFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "ui/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<std::string> lines = ui::DecodeLines(fuzz::Bytes(data + 1, size - 1));
  const piping::Pose pose{data[0] % 9, (data[0] & 0x10) != 0, lines.empty() ? 0 : ui::ToReal(lines.back())};
  const bool currentLayer = (data[0] & 0x20) != 0;
  const piping::PartAttributes attributes = piping::ParsePartAttributes("0-1-1-2,0-1-2-3,0-2-5-4");
  piping::PlacedPart placed = piping::PlacePart(piping::ParsePartFile(lines), attributes, pose);
  std::vector<std::string> written;
  try {
    written = piping::PartDrawData(placed, currentLayer);
    std::vector<std::string> marker =
        piping::MarkerDrawData({"0.91119", "0.80018", "0.70007"}, placed.markerCentre, attributes.solid, {}, currentLayer);
    written.insert(written.end(), marker.begin(), marker.end());
  } catch (const figure::InvalidFigure&) {
    return 0;
  }
  fuzz::CheckDrawingText(written, "a placed part");
  return 0;
}
