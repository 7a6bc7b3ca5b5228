#include "takeoff/Markers.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <unordered_map>

#include "settings/Paths.h"
#include "ui/Text.h"

namespace takeoff {
namespace {

const std::string_view kFittingHead = "0.91119", kPipeHead = "0.92229";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Up to `count` blank-separated fields of the line.
size_t SplitFields(std::string_view line, std::string_view* fields, size_t count) {
  size_t n = 0, i = 0;
  while (n < count) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    fields[n++] = line.substr(start, i - start);
  }
  return n;
}

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

// The circles at the centres that carry a head circle, grouped by centre in
// one pass over the extract.
struct Groups {
  std::vector<uint32_t> first;                 // group g holds members[first[g] .. first[g + 1])
  std::vector<uint32_t> members;                  // circle indices
  std::vector<uint32_t> fittingOrder, pipeOrder;  // groups by their first head circle of the kind

  explicit Groups(const MarkerExtract& extract) : extract(extract) {
    std::unordered_map<Centre, uint32_t, CentreHash> groupOf;
    std::vector<uint8_t> kinds;  // bit 1 fitting head seen, bit 2 pipe head seen
    for (size_t i = 0; i < extract.size(); ++i) {
      Circle c = extract[i];
      uint8_t kind = c.radius == kFittingHead ? 1 : c.radius == kPipeHead ? 2 : 0;
      if (!kind) continue;
      auto [it, added] = groupOf.try_emplace(Centre{c.x, c.y}, static_cast<uint32_t>(kinds.size()));
      if (added) kinds.push_back(0);
      if (kinds[it->second] & kind) continue;
      kinds[it->second] |= kind;
      (kind == 1 ? fittingOrder : pipeOrder).push_back(it->second);
    }
    if (groupOf.empty()) return;

    std::vector<int32_t> groupOfCircle(extract.size(), -1);
    std::vector<uint32_t> counts(kinds.size(), 0);
    for (size_t i = 0; i < extract.size(); ++i) {
      Circle c = extract[i];
      auto it = groupOf.find(Centre{c.x, c.y});
      if (it == groupOf.end()) continue;
      groupOfCircle[i] = static_cast<int32_t>(it->second);
      ++counts[it->second];
    }
    first.assign(kinds.size() + 1, 0);
    for (size_t g = 0; g < kinds.size(); ++g) first[g + 1] = first[g] + counts[g];
    members.resize(first.back());
    std::vector<uint32_t> filled(first.begin(), first.end() - 1);
    for (size_t i = 0; i < groupOfCircle.size(); ++i)
      if (groupOfCircle[i] >= 0) members[filled[groupOfCircle[i]]++] = static_cast<uint32_t>(i);
  }

  std::vector<Marker> Decode(const std::vector<uint32_t>& order, size_t circlesPerMarker, Progress& progress) const {
    progress.Phase("情報分析中････。", order.size());
    std::vector<Marker> markers;
    std::vector<std::string_view> group;
    for (size_t k = 0; k < order.size(); ++k) {
      if ((k & 0xfff) == 0) progress.Step(k);
      uint32_t g = order[k];
      if (first[g + 1] - first[g] != circlesPerMarker) continue;
      group.clear();
      for (uint32_t k = first[g]; k < first[g + 1]; ++k) group.push_back(extract[members[k]].radius);
      markers.push_back(DecodeMarker(group));
    }
    progress.Step(order.size());
    return markers;
  }

  const MarkerExtract& extract;
};

}  // namespace

std::vector<std::string> TakeoffBatchLines() {
  return {
      "@REM 積算情報読込みバッチファイル",
      "@echo off",
      "goto  EXE",
      "REM  #jww",
      "REM  #h1",
      "REM  #hc    【積算情報読込み】",
      "REM  #g1",
      "REM  #e",
      ":EXE",
      R"(\Tavrin\exe\TakeoffRead.exe)",
  };
}

Marker DecodeMarker(const std::vector<std::string_view>& radii) {
  Marker marker;
  for (std::string_view radius : radii) {
    if (radius.size() < 7 || radius[2] != radius[6] || radius[2] < '1' || radius[2] > '8') continue;
    Position& position = marker[radius[2] - '0'];
    std::copy_n(radius.begin() + 3, 3, position.digits.begin());
    position.read = true;
    position.value = ui::ToInt(radius.substr(3, 3));
  }
  return marker;
}

std::string ReadExtractBytes(const ui::Drive& drive) {
  std::filesystem::path file = drive.Locate(settings::HaikanFile("Toridasi.txt"));
  std::error_code ec;
  auto size = std::filesystem::file_size(file, ec);
  if (ec || !std::filesystem::is_regular_file(file, ec)) throw ui::FileError(file, false);
  std::ifstream in(file, std::ios::binary);
  std::string bytes(size, '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size)))
    throw ui::FileError(file, ui::FileError::kUnreadable);
  return bytes;
}

// Only the numbers of the circles matter, and they are ASCII in any code
// page, so the extract is read as bytes without converting it.
MarkerExtract::MarkerExtract(std::string bytes, Progress& progress) : bytes_(std::move(bytes)) {
  progress.Phase("情報取り込み中･････。", bytes_.size());
  const std::string_view text = bytes_;
  circles_.reserve(std::count(text.begin(), text.end(), '\n') + 1);
  constexpr size_t kLongest = std::numeric_limits<uint16_t>::max();
  bool lineType9 = false;
  size_t lines = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if ((++lines & 0xfff) == 0) progress.Step(start);
    if (line.size() < 3) continue;
    if (line.starts_with("lt")) {
      lineType9 = line[2] == '9';
    } else if (lineType9 && line.starts_with("ci")) {
      std::string_view f[4];
      // Fields beyond 64 KB are no numbers anybody wrote.
      if (SplitFields(line, f, 4) < 4 || f[3].end() - f[1].begin() > static_cast<ptrdiff_t>(kLongest)) continue;
      circles_.push_back(Packed{static_cast<uint64_t>(f[1].data() - text.data()), static_cast<uint16_t>(f[1].size()),
                                static_cast<uint16_t>(f[2].data() - f[1].end()), static_cast<uint16_t>(f[2].size()),
                                static_cast<uint16_t>(f[3].data() - f[2].end()), static_cast<uint16_t>(f[3].size())});
    }
  }
  progress.Step(text.size());
}

Circle MarkerExtract::operator[](size_t i) const {
  const Packed& p = circles_[i];
  const char* x = bytes_.data() + p.x;
  const char* y = x + p.xSize + p.yGap;
  const char* radius = y + p.ySize + p.radiusGap;
  return Circle{{x, p.xSize}, {y, p.ySize}, {radius, p.radiusSize}};
}

Markers FindMarkers(const MarkerExtract& extract, Progress& progress) {
  Groups groups(extract);
  return {groups.Decode(groups.fittingOrder, 9, progress), groups.Decode(groups.pipeOrder, 10, progress)};
}

}  // namespace takeoff
