#include "takeoff/Markers.h"

#include <fstream>
#include <sstream>
#include <unordered_map>

#include "settings/Paths.h"
#include "ui/Text.h"

namespace takeoff {
namespace {

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
    position.code = std::string(radius.substr(3, 3));
    position.value = ui::ToInt(position.code);
  }
  return marker;
}

std::string ReadExtractBytes(const ui::Drive& drive) {
  std::filesystem::path file = drive.Locate(settings::HaikanFile("Toridasi.txt"));
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) throw ui::FileError(file, false);
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ui::FileError(file, false);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw ui::FileError(file, false);
  return std::move(bytes).str();
}

// Only the numbers of the circles matter, and they are ASCII in any code
// page, so the extract is read as bytes without converting it.
MarkerExtract::MarkerExtract(std::string bytes, Progress& progress) : bytes_(std::move(bytes)) {
  progress.Phase("情報取り込み中･････。", bytes_.size());
  const std::string_view text = bytes_;
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
      std::string_view fields[4];
      if (SplitFields(line, fields, 4) == 4) circles_.push_back({fields[1], fields[2], fields[3]});
    }
  }
  progress.Step(text.size());
}

std::vector<Marker> FindMarkers(const MarkerExtract& extract, MarkerKind kind, Progress& progress) {
  const std::string_view head = kind == MarkerKind::Fitting ? "0.91119" : "0.92229";
  const size_t circlesPerMarker = kind == MarkerKind::Fitting ? 9 : 10;
  const std::vector<Circle>& circles = extract.circles();

  // The centres, each once, in the order of their first head circle.
  std::unordered_map<Centre, uint32_t, CentreHash> groupOf;
  for (const Circle& c : circles)
    if (c.radius == head) groupOf.try_emplace(Centre{c.x, c.y}, static_cast<uint32_t>(groupOf.size()));

  // Every circle at one of these centres, grouped by centre in one pass.
  std::vector<uint32_t> counts(groupOf.size(), 0);
  std::vector<int32_t> groupOfCircle(groupOf.empty() ? 0 : circles.size(), -1);
  if (!groupOf.empty()) {
    for (size_t i = 0; i < circles.size(); ++i) {
      auto it = groupOf.find(Centre{circles[i].x, circles[i].y});
      if (it == groupOf.end()) continue;
      groupOfCircle[i] = static_cast<int32_t>(it->second);
      ++counts[it->second];
    }
  }
  std::vector<uint32_t> first(groupOf.size() + 1, 0);
  for (size_t g = 0; g < groupOf.size(); ++g) first[g + 1] = first[g] + counts[g];
  std::vector<uint32_t> radii(first.back());
  std::vector<uint32_t> filled(first.begin(), first.end() - 1);
  for (size_t i = 0; i < groupOfCircle.size(); ++i)
    if (groupOfCircle[i] >= 0) radii[filled[groupOfCircle[i]]++] = static_cast<uint32_t>(i);

  progress.Phase("情報分析中････。", groupOf.size());
  std::vector<Marker> markers;
  std::vector<std::string_view> group;
  for (size_t g = 0; g < groupOf.size(); ++g) {
    if ((g & 0xfff) == 0) progress.Step(g);
    if (counts[g] != circlesPerMarker) continue;
    group.clear();
    for (uint32_t k = first[g]; k < first[g + 1]; ++k) group.push_back(circles[radii[k]].radius);
    markers.push_back(DecodeMarker(group));
  }
  progress.Step(groupOf.size());
  return markers;
}

}  // namespace takeoff
