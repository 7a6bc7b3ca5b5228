#include "jw/FigPlace.h"

#include "jw/Exchange.h"

namespace jw {

std::vector<std::string> PlaceFigure(const std::vector<std::string>& drawData, Point at) {
  std::vector<std::string> lines;
  for (const Item& item : ParseExchange(drawData, "DrawData.txt")) {
    if (item.kind == Item::Kind::Attribute) {
      lines.push_back(std::string("l") + item.key + item.text);
    } else if (item.kind == Item::Kind::Shape) {
      Shape shape = item.shape;
      shape.a = shape.a + at;
      if (shape.kind == Shape::Kind::Line) shape.b = shape.b + at;
      lines.push_back(FormatShape(shape));
    } else {
      throw Error("DrawData.txt に図形として読めない行があります: " + item.text);
    }
  }
  return lines;
}

}  // namespace jw
