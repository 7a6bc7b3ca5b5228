// Jw_cad's external-transform exchange text, as jwc_temp.txt and
// DrawData.txt carry it: header lines ("hq", "hp1 x y"), attribute lines
// ("lg", "ly", "lt", "lc" directly followed by the value), line records
// (" x1 y1 x2 y2") and circle records ("ci x y r", or for an arc
// "ci x y r start end flatness tilt"). Text is kept as the bytes it came as;
// only numbers are read. docs/jw-exchange.md describes the whole exchange.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "jw/Geometry.h"

namespace jw {

// Anything that stops a program or the host: the message says what and where.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The values of the lg, ly, lt and lc lines in force for a record.
struct Attributes {
  std::string group, layer, type, colour;
  bool operator==(const Attributes&) const = default;
};

struct Shape {
  enum class Kind { Line, Circle, Arc };
  Kind kind = Kind::Line;
  Point a, b;  // a line's ends; a is the centre of a circle or arc
  double radius = 0, start = 0, end = 0, flatness = 1, tilt = 0;
};
Shape LineShape(Point a, Point b);
Shape CircleShape(Point centre, double radius);

// One line of exchange text.
struct Item {
  enum class Kind { Check, Point, Attribute, Shape, Other };
  Kind kind = Kind::Other;
  int number = 0;    // Point: 1 for "hp1"
  char key = 0;      // Attribute: 'g', 'y', 't' or 'c'
  std::string text;  // Attribute: the value; otherwise the whole line
  jw::Point point;
  jw::Shape shape;
};

// The items of the lines (empty lines are skipped). A line or circle record
// whose numbers cannot be read throws an Error naming the file and line.
std::vector<Item> ParseExchange(const std::vector<std::string>& lines, const std::string& fileName);

bool HasCheckLine(const std::vector<Item>& items);
// The picked points by number.
std::map<int, Point> PickedPoints(const std::vector<Item>& items);

// The whole text as a finite decimal number (no hex, "inf" or "nan").
bool ReadNumber(std::string_view text, double& value);

// A number as exchange text: rounded to six decimals (a millionth of a
// millimetre, as the drawing data carries), without trailing zeros and never
// in exponent form ("0.91119", "1500", "-12.5"). A number that is not
// finite (a figure moved or drawn beyond the double range) throws Error:
// no program writes one.
std::string FormatNumber(double value);
std::string FormatShape(const Shape& shape);

struct Record {
  Attributes attributes;
  Shape shape;
};
// The records of the items, each with the attributes in force for it; the
// attributes start as `current` (the values Jw_cad gives records that are
// not preceded by attribute lines).
std::vector<Record> Records(const std::vector<Item>& items, const Attributes& current);

// Collects exchange text, writing an attribute line only where its value
// changes. An empty value is never written: the value in force stays, which
// is how a program draws on Jw_cad's current layer.
class ExchangeWriter {
 public:
  void Use(const Attributes& attributes);
  void Add(const Shape& shape);
  void Add(const Record& record);
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  void Emit(const char* key, const std::string& value, std::string& last);
  Attributes last_;
  std::vector<std::string> lines_;
};

}  // namespace jw
