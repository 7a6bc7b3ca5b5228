#include "piping/CatalogueDrawData.h"

#include "figure/DrawData.h"
#include "ui/Text.h"

namespace piping {

using ui::GetListField;

std::vector<std::string> PartDrawData(const PlacedPart& part, bool currentLayer) {
  figure::DrawDataWriter writer(currentLayer);
  for (const PlacedRecord& record : part.records) {
    const std::string& r = record.text;
    bool arc = GetListField(r, 1, ',') == "2";
    int layerField = arc ? 9 : 8;
    writer.Attributes(GetListField(r, layerField, ','), GetListField(r, layerField + 1, ','), GetListField(r, 2, ','),
                      GetListField(r, 3, ','));
    if (arc) writer.Arc(r);
    else writer.Segment(r);
  }
  return writer.lines;
}

std::vector<std::string> MarkerDrawData(const std::vector<std::string>& radii, figure::Vec centre,
                                        const settings::SlotAttributes& solid, const MarkerLayer& layer,
                                        bool currentLayer) {
  std::vector<std::string> lines;
  if (layer.fixed) {
    lines.push_back("lg" + layer.group);
    lines.push_back("ly" + layer.layer);
  } else if (!currentLayer) {
    lines.push_back("lg" + solid.layerGroup);
    lines.push_back("ly" + solid.layer);
  }
  lines.push_back("lt9");
  lines.push_back("lc" + solid.colour);
  std::string at = "ci " + figure::DrawDataNumber(centre.x) + " " + figure::DrawDataNumber(centre.y) + " ";
  for (const std::string& radius : radii) lines.push_back(at + figure::DrawDataNumber(ui::ToReal(radius)));
  return lines;
}

}  // namespace piping
