#include "figure/DrawData.h"

#include <charconv>
#include <cmath>

#include "settings/Paths.h"
#include "ui/Text.h"

namespace figure {

using ui::FormatExp;
using ui::GetListField;
using ui::StartsWith;
using ui::ToInt;
using ui::ToReal;

InvalidFigure::InvalidFigure()
    : std::runtime_error("寸法から図形を作れません。入力値を確認してください。") {}

std::string DrawDataNumber(double value) {
  if (!std::isfinite(value)) throw InvalidFigure();
  return FormatExp(value);
}

namespace {

// A field of a record as the drawing data writes it. Records hold "%f"
// texts, where a value that was not finite reads "inf" or "nan" (which
// atof would take for 0): such a field is refused.
std::string Number(const std::string& record, int field) {
  std::string text = GetListField(record, field, ',');
  double parsed = 0;
  const char* first = text.data() + (StartsWith(text, "+") ? 1 : 0);
  if (std::from_chars(first, text.data() + text.size(), parsed).ec == std::errc() && !std::isfinite(parsed))
    throw InvalidFigure();
  return DrawDataNumber(ToReal(text));
}

}  // namespace

void DrawDataWriter::Emit(const char* key, const std::string& value, std::string& last) {
  if (value == last) return;
  lines.push_back(key + value);
  last = value;
}

void DrawDataWriter::Attributes(const std::string& layerGroup, const std::string& layer,
                                const std::string& lineType, const std::string& colour) {
  if (!currentLayer_) {
    Emit("lg", layerGroup, layerGroup_);
    Emit("ly", layer, layer_);
  }
  Emit("lt", lineType, lineType_);
  Emit("lc", colour, colour_);
}

void DrawDataWriter::Segment(const std::string& r) {
  lines.push_back(" " + Number(r, 4) + " " + Number(r, 5) + " " + Number(r, 6) + " " + Number(r, 7));
}

void DrawDataWriter::Arc(const std::string& r) {
  lines.push_back("ci " + Number(r, 4) + " " + Number(r, 5) + " " + Number(r, 6) + " " + Number(r, 7) + " " +
                  Number(r, 8) + " 1 0");
}

std::vector<std::string> DrawDataLines(const Figure& figure, bool currentLayer) {
  DrawDataWriter writer(currentLayer);
  const auto& records = figure.records();
  for (size_t i = 1; i < records.size(); ++i) {
    const std::string& record = records[i];
    int kind = ToInt(GetListField(record, 1, ','));
    int slot = ToInt(GetListField(record, 3, ','));
    settings::SlotAttributes attributes;
    if (slot >= 1 && slot <= settings::kSlots) attributes = figure.slots()[slot];
    int layerField = kind == 2 ? 9 : 8;
    writer.Attributes(GetListField(record, layerField, ','), GetListField(record, layerField + 1, ','),
                      attributes.lineType, attributes.colour);
    if (kind == 1) writer.Segment(record);
    else if (kind == 2) writer.Arc(record);
  }
  return writer.lines;
}

void WriteDrawData(const ui::Drive& drive, const Figure& figure, bool currentLayer) {
  drive.WriteLines(settings::SetFile("DrawData.txt"), DrawDataLines(figure, currentLayer));
}

}  // namespace figure
