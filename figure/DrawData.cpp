#include "figure/DrawData.h"

#include "settings/Paths.h"
#include "ui/Text.h"

namespace figure {

using ui::FormatExp;
using ui::GetListField;
using ui::ToInt;
using ui::ToReal;

InvalidFigure::InvalidFigure()
    : std::runtime_error("寸法から図形を作れません。入力値を確認してください。") {}

namespace {

std::string Number(const std::string& record, int field) { return FormatExp(ToReal(GetListField(record, field, ','))); }

void Emit(std::vector<std::string>& lines, const char* key, const std::string& value, std::string& last) {
  if (value == last) return;
  lines.push_back(key + value);
  last = value;
}

}  // namespace

std::vector<std::string> DrawDataLines(const Figure& figure, bool currentLayer) {
  std::vector<std::string> lines;
  std::string layerGroup, layer, lineType, colour;
  const auto& records = figure.records();
  for (size_t i = 1; i < records.size(); ++i) {
    const std::string& record = records[i];
    int kind = ToInt(GetListField(record, 1, ','));
    int slot = ToInt(GetListField(record, 3, ','));
    settings::SlotAttributes attributes;
    if (slot >= 1 && slot <= settings::kSlots) attributes = figure.slots()[slot];
    int layerField = kind == 2 ? 9 : 8;
    if (!currentLayer) {
      Emit(lines, "lg", GetListField(record, layerField, ','), layerGroup);
      Emit(lines, "ly", GetListField(record, layerField + 1, ','), layer);
    }
    Emit(lines, "lt", attributes.lineType, lineType);
    Emit(lines, "lc", attributes.colour, colour);
    if (kind == 1) {
      lines.push_back(" " + Number(record, 4) + " " + Number(record, 5) + " " + Number(record, 6) + " " +
                      Number(record, 7));
    } else if (kind == 2) {
      lines.push_back("ci " + Number(record, 4) + " " + Number(record, 5) + " " + Number(record, 6) + " " +
                      Number(record, 7) + " " + Number(record, 8) + " 1 0");
    }
  }
  return lines;
}

void WriteDrawData(const ui::Drive& drive, const Figure& figure, bool currentLayer) {
  if (!figure.finite()) throw InvalidFigure();
  drive.WriteLines(settings::SetFile("DrawData.txt"), DrawDataLines(figure, currentLayer));
}

}  // namespace figure
