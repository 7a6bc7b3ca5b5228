#include "jw/Exchange.h"

#include <charconv>
#include <cmath>

namespace jw {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) fields.push_back(text.substr(start, i - start));
  }
  return fields;
}

bool ReadNumbers(const std::vector<std::string_view>& fields, size_t first, std::vector<double>& values) {
  for (size_t i = first; i < fields.size(); ++i) {
    double v = 0;
    if (!ReadNumber(fields[i], v)) return false;
    values.push_back(v);
  }
  return true;
}

std::string_view TrimEnd(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// "hp1 x y": the point's number and place.
bool ReadPickedPoint(std::string_view line, Item& item) {
  std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 3 || fields[0].size() < 3) return false;
  std::string_view digits = fields[0].substr(2);
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), item.number);
  if (ec != std::errc() || end != digits.data() + digits.size()) return false;
  std::vector<double> v;
  if (!ReadNumbers(fields, 1, v)) return false;
  item.kind = Item::Kind::Point;
  item.point = {v[0], v[1]};
  return true;
}

bool ReadShape(std::string_view line, Shape& shape) {
  std::vector<std::string_view> fields = Fields(line);
  std::vector<double> v;
  if (line.front() == ' ') {
    if (fields.size() != 4 || !ReadNumbers(fields, 0, v)) return false;
    shape = LineShape({v[0], v[1]}, {v[2], v[3]});
    return true;
  }
  if (fields.size() != 4 && fields.size() != 6 && fields.size() != 8) return false;
  if (!ReadNumbers(fields, 1, v)) return false;
  shape = CircleShape({v[0], v[1]}, v[2]);
  if (v.size() > 3) {
    shape.kind = Shape::Kind::Arc;
    shape.start = v[3];
    shape.end = v[4];
  }
  if (v.size() > 5) {
    shape.flatness = v[5];
    shape.tilt = v[6];
  }
  return true;
}

}  // namespace

bool ReadNumber(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

Shape LineShape(Point a, Point b) { return {.kind = Shape::Kind::Line, .a = a, .b = b}; }

Shape CircleShape(Point centre, double radius) { return {.kind = Shape::Kind::Circle, .a = centre, .b = {}, .radius = radius}; }

std::vector<Item> ParseExchange(const std::vector<std::string>& lines, const std::string& fileName) {
  std::vector<Item> items;
  for (size_t n = 0; n < lines.size(); ++n) {
    std::string_view line = TrimEnd(lines[n]);
    if (line.empty()) continue;
    Item item;
    item.text = std::string(line);
    std::string_view head = line.substr(0, 2);
    if (line == "hq") {
      item.kind = Item::Kind::Check;
    } else if (head == "hp" && ReadPickedPoint(line, item)) {
    } else if (head == "lg" || head == "ly" || head == "lt" || head == "lc") {
      item.kind = Item::Kind::Attribute;
      item.key = line[1];
      item.text = std::string(line.substr(2));
    } else if (line.front() == ' ' || line.substr(0, 3) == "ci ") {
      item.kind = Item::Kind::Shape;
      if (!ReadShape(line, item.shape))
        throw Error(fileName + " の " + std::to_string(n + 1) + " 行目の数値が読めません: " + std::string(line));
    }
    items.push_back(std::move(item));
  }
  return items;
}

bool HasCheckLine(const std::vector<Item>& items) {
  for (const Item& item : items)
    if (item.kind == Item::Kind::Check) return true;
  return false;
}

std::map<int, Point> PickedPoints(const std::vector<Item>& items) {
  std::map<int, Point> points;
  for (const Item& item : items)
    if (item.kind == Item::Kind::Point) points[item.number] = item.point;
  return points;
}

std::string FormatNumber(double value) {
  if (!std::isfinite(value)) throw Error("数値が大きすぎて作図できません。");
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  std::string text(buffer, result.ptr);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string FormatShape(const Shape& s) {
  auto join = [](std::string text, std::initializer_list<double> values) {
    for (double v : values) {
      text += ' ';
      text += FormatNumber(v);
    }
    return text;
  };
  switch (s.kind) {
    case Shape::Kind::Line:
      return join("", {s.a.x, s.a.y, s.b.x, s.b.y});
    case Shape::Kind::Circle:
      return join("ci", {s.a.x, s.a.y, s.radius});
    case Shape::Kind::Arc:
      return join("ci", {s.a.x, s.a.y, s.radius, s.start, s.end, s.flatness, s.tilt});
  }
  return {};
}

std::vector<Record> Records(const std::vector<Item>& items, const Attributes& current) {
  std::vector<Record> records;
  Attributes in = current;
  for (const Item& item : items) {
    if (item.kind == Item::Kind::Attribute) {
      std::string& value = item.key == 'g' ? in.group : item.key == 'y' ? in.layer : item.key == 't' ? in.type : in.colour;
      value = item.text;
    } else if (item.kind == Item::Kind::Shape) {
      records.push_back({in, item.shape});
    }
  }
  return records;
}

void ExchangeWriter::Emit(const char* key, const std::string& value, std::string& last) {
  if (value.empty() || value == last) return;
  lines_.push_back(key + value);
  last = value;
}

void ExchangeWriter::Use(const Attributes& a) {
  Emit("lg", a.group, last_.group);
  Emit("ly", a.layer, last_.layer);
  Emit("lt", a.type, last_.type);
  Emit("lc", a.colour, last_.colour);
}

void ExchangeWriter::Add(const Shape& shape) { lines_.push_back(FormatShape(shape)); }

void ExchangeWriter::Add(const Record& record) {
  Use(record.attributes);
  Add(record.shape);
}

}  // namespace jw
