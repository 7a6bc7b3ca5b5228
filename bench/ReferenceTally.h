// The tally as it was before the extract was decoded in a single pass: every
// circle of an lt9 stretch kept in a list, the centres of the head circles
// grouped in a hash table, then each marker decoded from its group and its
// entries formed as texts; and the rows as they are defined. Kept to check
// the tally against: the benchmark compares the saved results and the rows
// of both on large extracts, the fuzz test the saved results of mutated
// ones, the rows' test the rows of many keys.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "takeoff/Entries.h"
#include "takeoff/Rows.h"
#include "ui/Drive.h"
#include "ui/Text.h"

namespace reference {

using takeoff::Marker;

struct Circle {
  std::string_view x, y, radius;
};

// The circles of the lt9 stretches of an extract, in file order.
class Circles {
 public:
  explicit Circles(std::string_view text) : text_(text) {
    circles_.reserve(std::count(text.begin(), text.end(), '\n') + 1);
    constexpr size_t kLongest = std::numeric_limits<uint16_t>::max();
    bool lineType9 = false;
    for (size_t start = 0; start < text.size();) {
      size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      start = end + 1;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (line.size() < 3) continue;
      if (line.starts_with("lt")) {
        lineType9 = line[2] == '9';
      } else if (lineType9 && line.starts_with("ci")) {
        std::string_view f[4];
        if (SplitFields(line, f, 4) < 4 || f[3].end() - f[1].begin() > static_cast<ptrdiff_t>(kLongest)) continue;
        circles_.push_back(Packed{static_cast<uint64_t>(f[1].data() - text.data()), static_cast<uint16_t>(f[1].size()),
                                  static_cast<uint16_t>(f[2].data() - f[1].end()), static_cast<uint16_t>(f[2].size()),
                                  static_cast<uint16_t>(f[3].data() - f[2].end()), static_cast<uint16_t>(f[3].size())});
      }
    }
  }

  size_t size() const { return circles_.size(); }
  Circle operator[](size_t i) const {
    const Packed& p = circles_[i];
    const char* x = text_.data() + p.x;
    const char* y = x + p.xSize + p.yGap;
    const char* radius = y + p.ySize + p.radiusGap;
    return Circle{{x, p.xSize}, {y, p.ySize}, {radius, p.radiusSize}};
  }

 private:
  struct Packed {
    uint64_t x;
    uint16_t xSize, yGap, ySize, radiusGap, radiusSize;
  };

  static size_t SplitFields(std::string_view line, std::string_view* fields, size_t count) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    size_t n = 0, i = 0;
    while (n < count) {
      while (i < line.size() && blank(line[i])) ++i;
      if (i == line.size()) break;
      size_t start = i;
      while (i < line.size() && !blank(line[i])) ++i;
      fields[n++] = line.substr(start, i - start);
    }
    return n;
  }

  std::string_view text_;
  std::vector<Packed> circles_;
};

inline Marker DecodeMarker(const std::vector<std::string_view>& radii) {
  Marker marker;
  for (std::string_view radius : radii) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (radius.size() < 7 || !radius.starts_with("0.") || radius[2] != radius[6] || radius[2] < '1' ||
        radius[2] > '8' || !digit(radius[3]) || !digit(radius[4]) || !digit(radius[5]))
      continue;
    takeoff::Position& position = marker[radius[2] - '0'];
    std::copy_n(radius.begin() + 3, 3, position.digits.begin());
    position.read = true;
    position.value = ui::ToInt(radius.substr(3, 3));
  }
  return marker;
}

// The markers of the circles: the circles at the centres of head circles
// grouped by centre, then the groups of the right size decoded, each kind in
// the order of its first head circle.
inline takeoff::Markers FindMarkers(const Circles& circles) {
  struct Centre {
    std::string_view x, y;
    bool operator==(const Centre&) const = default;
  };
  struct CentreHash {
    size_t operator()(const Centre& c) const {
      size_t h = std::hash<std::string_view>{}(c.x);
      return h ^ (std::hash<std::string_view>{}(c.y) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
    }
  };
  std::unordered_map<Centre, uint32_t, CentreHash> groupOf;
  std::vector<uint8_t> kinds;  // bit 1 fitting head seen, bit 2 pipe head seen
  std::vector<uint32_t> fittingOrder, pipeOrder;
  for (size_t i = 0; i < circles.size(); ++i) {
    Circle c = circles[i];
    uint8_t kind = c.radius == "0.91119" ? 1 : c.radius == "0.92229" ? 2 : 0;
    if (!kind) continue;
    auto [it, added] = groupOf.try_emplace(Centre{c.x, c.y}, static_cast<uint32_t>(kinds.size()));
    if (added) kinds.push_back(0);
    if (kinds[it->second] & kind) continue;
    kinds[it->second] |= kind;
    (kind == 1 ? fittingOrder : pipeOrder).push_back(it->second);
  }
  // Group g holds members[first[g] .. first[g + 1]), circle numbers in file order.
  std::vector<int32_t> groupOfCircle(circles.size(), -1);
  std::vector<uint32_t> counts(kinds.size(), 0);
  for (size_t i = 0; i < circles.size() && !groupOf.empty(); ++i) {
    Circle c = circles[i];
    auto it = groupOf.find(Centre{c.x, c.y});
    if (it == groupOf.end()) continue;
    groupOfCircle[i] = static_cast<int32_t>(it->second);
    ++counts[it->second];
  }
  std::vector<uint32_t> first(kinds.size() + 1, 0);
  for (size_t g = 0; g < kinds.size(); ++g) first[g + 1] = first[g] + counts[g];
  std::vector<uint32_t> members(first.back());
  std::vector<uint32_t> filled(first.begin(), first.end() - 1);
  for (size_t i = 0; i < groupOfCircle.size(); ++i)
    if (groupOfCircle[i] >= 0) members[filled[groupOfCircle[i]]++] = static_cast<uint32_t>(i);

  auto decode = [&](const std::vector<uint32_t>& order, size_t circlesPerMarker) {
    std::vector<Marker> markers;
    std::vector<std::string_view> group;
    for (uint32_t g : order) {
      if (first[g + 1] - first[g] != circlesPerMarker) continue;
      group.clear();
      for (uint32_t k = first[g]; k < first[g + 1]; ++k) group.push_back(circles[members[k]].radius);
      markers.push_back(reference::DecodeMarker(group));
    }
    return markers;
  };
  return {decode(fittingOrder, 9), decode(pipeOrder, 10)};
}

inline std::string SizeText(int main, int branch) {
  if (main == branch) return std::to_string(main) + "|";
  return std::to_string(std::max(main, branch)) + "･" + std::to_string(std::min(main, branch)) + "|";
}

inline void AppendFittingEntries(const Marker& m, const takeoff::NameLists& lists, std::vector<std::string>& entries) {
  using takeoff::ListName;
  const int family = m[6].value;
  const std::string head = std::string(ListName(lists.fittingClasses, m[8].value)) + ":" +
                           std::string(takeoff::MergedFamily(ListName(lists.families, family))) + ":";
  takeoff::Breakdown breakdown = takeoff::FindBreakdown(
      lists, std::to_string(family - 1) + "_" + std::to_string(m[3].value) + "_" + std::to_string(m[2].value));
  const int main = m[5].value, branch = m[4].value;
  std::string pipeKind = "@";
  if (m[7].value != 0) {
    const std::vector<std::string>* kinds = takeoff::FamilyPipeKinds(lists, family);
    pipeKind = kinds ? std::string(ListName(*kinds, m[7].value)) : "";
  }
  if (breakdown.count < 1) return;
  entries.push_back(head + breakdown.first + "~" + SizeText(main, branch) + pipeKind + ":" + std::string(m[1].code()) +
                    ":");
  if (breakdown.count >= 2) {
    int second = std::min(main, branch);
    entries.push_back(head + breakdown.second + "~" + SizeText(second, second) + "@:@");
  }
}

inline std::string PipeEntry(const Marker& m, const takeoff::NameLists& lists) {
  using takeoff::ListName;
  std::string pipeKind = m[3].value == 0 ? "@" : std::string(takeoff::PipeKindName(lists, m[3].value, m[7].value));
  return std::string(ListName(lists.pipeClasses, m[8].value)) + ":" +
         std::string(takeoff::MergedFamily(ListName(lists.pipeNames, m[6].value))) + ":" + pipeKind + ":" +
         std::to_string(m[5].value) + "|" + std::string(m[1].code()) + ":" + std::string(m[4].code()) + ":";
}

inline std::optional<std::string> DerivedPipeEntry(const std::string& entry) {
  size_t bar = entry.find('|');
  if (bar == std::string::npos) return std::nullopt;
  std::string after = entry.substr(bar + 1);
  std::string pipeKind = ui::GetListField(after, 1, ':');
  if (pipeKind == "@") return std::nullopt;
  std::string distance = ui::GetListField(after, 2, ':');
  size_t tilde = entry.find('~');
  std::string size = tilde < bar ? entry.substr(tilde + 1, bar - tilde - 1) : "";
  if (size_t dot = size.find("･"); dot != std::string::npos)
    size = std::to_string(std::min(ui::ToInt(size.substr(0, dot)), ui::ToInt(size.substr(dot + 3))));
  std::string head = ui::GetListField(entry, 1, ':') + ":" + ui::GetListField(entry, 2, ':') + ":";
  return head + pipeKind + ":" + size + "|" + distance + ":000:*";
}

// The entries of an extract, as "集計開始" formed them without merging.
inline takeoff::Tally Tally(std::string_view extract, const takeoff::NameLists& lists) {
  Circles circles(extract);
  takeoff::Markers markers = FindMarkers(circles);
  takeoff::Tally tally;
  for (const Marker& marker : markers.fittings) reference::AppendFittingEntries(marker, lists, tally.fittings);
  for (const Marker& marker : markers.pipes) tally.pipes.push_back(reference::PipeEntry(marker, lists));
  for (const std::string& entry : tally.fittings)
    if (auto derived = reference::DerivedPipeEntry(entry)) tally.pipes.push_back(std::move(*derived));
  return tally;
}

// Metres of a pipe entry: length code × 0.01, over the cosine of the slope.
inline double PipeMetres(std::string_view entry) {
  size_t bar = entry.find('|');
  std::string_view after = bar == std::string_view::npos ? std::string_view() : entry.substr(bar + 1);
  double metres = ui::ToInt(ui::ListField(after, 1, ':')) * 0.01;
  int angle = ui::ToInt(ui::ListField(after, 2, ':'));
  if (angle != 0) metres /= std::cos(angle * 3.1415926535 / 180);
  return metres;
}

// The rows of entries as they are defined: fittings counted and pipe metres
// summed by key, then ordered field by field, each field by its Shift-JIS
// bytes with ASCII letters folded (but never the second byte of a
// double-byte character) and then by its own bytes; keys alike in all four
// fields by their bytes.
inline std::vector<takeoff::ResultRow> Rows(const std::vector<std::string>& entries, bool pipes) {
  std::map<std::string, double> totals;  // in key order, added in entry order
  for (const std::string& entry : entries) totals[entry.substr(0, entry.find('|'))] += pipes ? PipeMetres(entry) : 1;
  std::map<std::string, std::string, std::less<>> sortKeys;
  auto sortKey = [&](std::string_view field) {
    auto [it, added] = sortKeys.try_emplace(std::string(field));
    if (!added) return std::make_pair(std::string_view(it->second), field);
    std::string bytes = ui::Utf8ToCp932(field);
    for (size_t i = 0; i < bytes.size(); ++i) {
      const auto c = static_cast<unsigned char>(bytes[i]);
      if ((c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc)) ++i;  // the second byte stays
      else if (c >= 'A' && c <= 'Z') bytes[i] = static_cast<char>(c + ('a' - 'A'));
    }
    it->second = std::move(bytes);
    return std::make_pair(std::string_view(it->second), field);
  };
  auto fieldsOf = pipes ? takeoff::PipeKeyFields : takeoff::FittingKeyFields;
  auto order = [&](std::string_view key) {
    const takeoff::KeyFields f = fieldsOf(key);
    return std::make_tuple(sortKey(f.classification), sortKey(f.family), sortKey(f.name), sortKey(f.size), key);
  };
  std::vector<decltype(order(""))> keys;
  for (const auto& [key, total] : totals) keys.push_back(order(key));
  std::sort(keys.begin(), keys.end());
  std::vector<takeoff::ResultRow> rows;
  for (const auto& sorted : keys) {
    const std::string key(std::get<4>(sorted));
    const double total = totals.find(key)->second;
    rows.push_back({key, pipes ? ui::FormatFixed(total) : std::to_string(static_cast<long long>(total))});
  }
  return rows;
}

}  // namespace reference
