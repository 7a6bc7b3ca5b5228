#include "jw/TakeoffRead.h"

namespace jw {

std::vector<std::string> MarkerExtract(const std::vector<Item>& drawing) {
  std::vector<std::string> lines;
  std::string type, written;
  for (const Item& item : drawing) {
    if (item.kind == Item::Kind::Attribute && item.key == 't') type = item.text;
    if (item.kind != Item::Kind::Shape || item.shape.kind == Shape::Kind::Line) continue;
    if (type != written) {
      lines.push_back("lt" + type);
      written = type;
    }
    lines.push_back(FormatShape(item.shape));
  }
  return lines;
}

}  // namespace jw
