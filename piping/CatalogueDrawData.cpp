#include "piping/CatalogueDrawData.h"

#include "ui/Text.h"

namespace piping {
namespace {

using ui::GetListField;

std::string Number(const std::string& record, int field) {
  return ui::FormatExp(ui::ToReal(GetListField(record, field, ',')));
}

void Emit(std::vector<std::string>& lines, const char* key, const std::string& value, std::string& last) {
  if (value == last) return;
  lines.push_back(key + value);
  last = value;
}

}  // namespace

std::vector<std::string> PartDrawData(const PlacedPart& part, bool currentLayer) {
  std::vector<std::string> lines;
  std::string layerGroup, layer, lineType, colour;
  for (const PlacedRecord& record : part.records) {
    const std::string& r = record.text;
    bool arc = GetListField(r, 1, ',') == "2";
    int layerField = arc ? 9 : 8;
    if (!currentLayer) {
      Emit(lines, "lg", GetListField(r, layerField, ','), layerGroup);
      Emit(lines, "ly", GetListField(r, layerField + 1, ','), layer);
    }
    Emit(lines, "lt", GetListField(r, 2, ','), lineType);
    Emit(lines, "lc", GetListField(r, 3, ','), colour);
    if (arc) {
      lines.push_back("ci " + Number(r, 4) + " " + Number(r, 5) + " " + Number(r, 6) + " " + Number(r, 7) + " " +
                      Number(r, 8) + " 1 0");
    } else {
      lines.push_back(" " + Number(r, 4) + " " + Number(r, 5) + " " + Number(r, 6) + " " + Number(r, 7));
    }
  }
  return lines;
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
  std::string at = "ci " + ui::FormatExp(centre.x) + " " + ui::FormatExp(centre.y) + " ";
  for (const std::string& radius : radii) lines.push_back(at + ui::FormatExp(ui::ToReal(radius)));
  return lines;
}

}  // namespace piping
