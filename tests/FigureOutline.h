// Checks on the outline of a built figure, read back from its records.
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "figure/Figure.h"
#include "ui/Text.h"

namespace test {

// A record's numbers: kind, style, slot, then the coordinates.
struct Record {
  int kind, style, slot;
  std::vector<double> v;  // line: x1 y1 x2 y2; arc: cx cy r a1 a2
};

namespace detail {

inline constexpr double kTolerance = 1e-4;

inline std::vector<figure::Vec> Ends(const Record& r) {
  if (r.kind == 1) return {{r.v[0], r.v[1]}, {r.v[2], r.v[3]}};
  std::vector<figure::Vec> ends;
  for (double a : {r.v[3], r.v[4]})
    ends.push_back({r.v[0] + r.v[2] * std::cos(a * M_PI / 180), r.v[1] + r.v[2] * std::sin(a * M_PI / 180)});
  return ends;
}

inline bool Near(figure::Vec a, figure::Vec b) { return std::hypot(a.x - b.x, a.y - b.y) < kTolerance; }

inline bool OnLine(figure::Vec p, const Record& r) {
  const double dx = r.v[2] - r.v[0], dy = r.v[3] - r.v[1], length2 = dx * dx + dy * dy;
  if (length2 == 0) return Near(p, {r.v[0], r.v[1]});
  const double k = std::clamp(((p.x - r.v[0]) * dx + (p.y - r.v[1]) * dy) / length2, 0.0, 1.0);
  return Near(p, {r.v[0] + k * dx, r.v[1] + k * dy});
}

}  // namespace detail

// The records after the frame record, as numbers.
inline std::vector<Record> Records(const figure::Figure& figure) {
  std::vector<Record> records;
  for (int i = 1; i < figure.count(); ++i) {
    const std::string& text = figure.records()[i];
    auto field = [&](int n) { return ui::GetListField(text, n, ','); };
    Record r{ui::ToInt(field(1)), ui::ToInt(field(2)), ui::ToInt(field(3)), {}};
    for (int n = 4; n <= (r.kind == 1 ? 7 : 8); ++n) r.v.push_back(ui::ToReal(field(n)));
    records.push_back(r);
  }
  return records;
}

// The ends of the lines and arcs of the outline's slots that meet no other
// record of those slots or of the meeting ones (flanges, say), neither at
// its end nor along a line: gaps in the outline.
inline std::vector<figure::Vec> OpenEnds(const figure::Figure& figure, std::initializer_list<int> slots,
                                         std::initializer_list<int> meeting = {}) {
  auto in = [](std::initializer_list<int> list, int slot) {
    return std::find(list.begin(), list.end(), slot) != list.end();
  };
  const std::vector<Record> records = Records(figure);
  std::vector<figure::Vec> open;
  for (size_t i = 0; i < records.size(); ++i) {
    if (!in(slots, records[i].slot)) continue;
    for (figure::Vec end : detail::Ends(records[i])) {
      bool met = false;
      for (size_t j = 0; j < records.size() && !met; ++j) {
        if (j == i || !(in(slots, records[j].slot) || in(meeting, records[j].slot))) continue;
        for (figure::Vec other : detail::Ends(records[j])) met = met || detail::Near(end, other);
        met = met || (records[j].kind == 1 && detail::OnLine(end, records[j]));
      }
      if (!met) open.push_back(end);
    }
  }
  return open;
}

// Lines of the figure from (x1, y1) to (x2, y2), to a millionth.
inline int CountLines(const figure::Figure& figure, double x1, double y1, double x2, double y2) {
  int n = 0;
  for (const Record& r : Records(figure))
    if (r.kind == 1 && std::abs(r.v[0] - x1) < 1e-6 && std::abs(r.v[1] - y1) < 1e-6 && std::abs(r.v[2] - x2) < 1e-6 &&
        std::abs(r.v[3] - y2) < 1e-6)
      ++n;
  return n;
}

// The points as text, for a failure message.
inline std::string Describe(const std::vector<figure::Vec>& points) {
  std::string text;
  for (figure::Vec p : points) text += "(" + ui::FormatFixed(p.x) + ", " + ui::FormatFixed(p.y) + ") ";
  return text;
}

}  // namespace test
