#include "takeoff/Markers.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>

#include "settings/Paths.h"
#include "takeoff/Bytes.h"
#include "ui/Text.h"

namespace takeoff {
namespace {

const std::string_view kFittingHead = "0.91119", kPipeHead = "0.92229";
const char* const kReadingStatus = "情報取り込み中･････。";
enum Head : uint8_t { kNoHead = 0, kFittingMark = 1, kPipeMark = 2 };

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The high bit of every byte of the word that equals c; the lowest one
// marked is always right, which is all the scans use.
uint64_t BytesEqual(uint64_t word, char c) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
  const uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
  return (x - kOnes) & ~x & kHighs;
}

// The high bit of every byte of the word below c (at most 0x80); the lowest
// one marked is always right.
uint64_t BytesBelow(uint64_t word, char c) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
  return (word - kOnes * static_cast<unsigned char>(c)) & ~word & kHighs;
}

// Where the field that starts at p ends: at the first blank or line feed,
// or at the end of the extract.
inline const char* FieldEnd(const char* p, const char* end) {
  for (; end - p >= 8; p += 8) {
    const uint64_t word = Word(p);
    if (uint64_t stops = BytesEqual(word, ' ') | BytesEqual(word, '\t') | BytesEqual(word, '\n'))
      return p + std::countr_zero(stops) / 8;
  }
  while (p < end && !IsBlank(*p) && *p != '\n') ++p;
  return p;
}

const char* SkipBlanks(const char* p, const char* end) {
  while (p < end && IsBlank(*p)) ++p;
  return p;
}

struct Circle {
  std::string_view x, y, radius;
};

// Reads the radius that starts at p: up to a blank or the line's end, one
// CR before the line feed no part of it. Returns where the next line starts.
const char* ReadAnyRadius(const char* p, const char* end, std::string_view& radius) {
  const char* radiusEnd = FieldEnd(p, end);
  const char* next;
  if (radiusEnd == end || *radiusEnd == '\n') {
    next = radiusEnd == end ? end : radiusEnd + 1;
    if (radiusEnd > p && radiusEnd[-1] == '\r') --radiusEnd;
  } else {
    const void* lf = std::memchr(radiusEnd, '\n', end - radiusEnd);
    next = lf ? static_cast<const char*>(lf) + 1 : end;
  }
  radius = std::string_view(p, radiusEnd - p);
  return next;
}

// ReadAnyRadius, at once for most radii: a few bytes ended by LF or CR LF,
// which the first byte below '!' in the next eight tells.
inline const char* ReadRadius(const char* p, const char* end, std::string_view& radius) {
  if (end - p >= 9) {
    if (const uint64_t low = BytesBelow(Word(p), '!')) {
      const int n = std::countr_zero(low) / 8;
      if (p[n] == '\n' || (p[n] == '\r' && p[n + 1] == '\n')) {
        radius = std::string_view(p, n);
        return p + n + (p[n] == '\n' ? 1 : 2);
      }
    }
  }
  return ReadAnyRadius(p, end, radius);
}

// Whether the line goes on from p with a radius of `size` bytes (1..7),
// then an ending of `ending` bytes, LF or CR LF, and nothing else: the
// first byte below '!' in the next eight tells.
inline bool IsRadiusLine(const char* p, size_t size, size_t ending) {
  const uint64_t low = BytesBelow(Word(p), '!');
  if (low == 0 || size == 0 || static_cast<size_t>(std::countr_zero(low) / 8) != size) return false;
  return ending == 1 ? p[size] == '\n' : ending == 2 && p[size] == '\r' && p[size + 1] == '\n';
}

// Reads the circle of a line that begins with "ci": its three fields after
// the first, separated by blanks. Returns where the next line starts.
const char* ReadCircle(const char* line, const char* end, Circle& circle) {
  const char* x = SkipBlanks(FieldEnd(line, end), end);
  const char* xEnd = FieldEnd(x, end);
  const char* y = SkipBlanks(xEnd, end);
  const char* yEnd = FieldEnd(y, end);
  circle.x = std::string_view(x, xEnd - x);
  circle.y = std::string_view(y, yEnd - y);
  return ReadRadius(SkipBlanks(yEnd, end), end, circle.radius);
}

// The circles of an extract's lt9 stretches, one after the other, read where
// they stand in its bytes. A line is a circle when it begins with "ci" and
// has three more fields, separated by blanks; one CR before its line feed is
// no part of it. A circle whose line begins as the last circle's did, up to
// and with the blank after its y, has the same centre: only its radius is
// read.
class CircleReader {
 public:
  // Tells the progress how far the reading came every few thousand lines.
  CircleReader(std::string_view extract, Progress& progress)
      : begin_(extract.data()), end_(extract.data() + extract.size()), next_(begin_), progress_(progress) {}

  // Reads on to the next circle; false at the end of the extract.
  bool Next() {
    while (next_ < end_) {
      if ((++lines_ & 0xfff) == 0) progress_.Step(next_ - begin_);
      const char* line = next_;
      if (!lineType9_) {
        SkipLine(line);
        continue;
      }
      sameCentre_ = prefix_ > 0 && static_cast<size_t>(end_ - line) >= prefix_ &&
                    SameText({line, prefix_}, {centreLine_, prefix_});
      if (sameCentre_) {
        next_ = ReadRadius(SkipBlanks(line + prefix_, end_), end_, circle_.radius);
        if (circle_.radius.empty()) continue;
      } else if (end_ - line >= 2 && line[0] == 'c' && line[1] == 'i') {
        next_ = ReadCircle(line, end_, circle_);
        if (circle_.x.empty() || circle_.y.empty() || circle_.radius.empty()) continue;
        centreLine_ = line;
        prefix_ = circle_.y.data() + circle_.y.size() + 1 - line;
      } else {
        SkipLine(line);
        continue;
      }
      radiusSize_ = circle_.radius.size();
      endingSize_ = next_ - circle_.radius.data() - radiusSize_;
      line_ = line;
      return true;
    }
    return false;
  }

  // Reads on to the next circle when its line begins as the last circle's
  // did and is as long, as most lines of a marker are: where the line after
  // it starts is known before its bytes are looked at. False, and nothing
  // read, otherwise.
  bool NextAlike() {
    const char* line = next_;
    const char* radius = line + prefix_;
    if (!lineType9_ || prefix_ == 0 || end_ - radius < 9 || !SameText({line, prefix_}, {centreLine_, prefix_}) ||
        !IsRadiusLine(radius, radiusSize_, endingSize_))
      return false;
    if ((++lines_ & 0xfff) == 0) progress_.Step(next_ - begin_);
    circle_.radius = std::string_view(radius, radiusSize_);
    next_ = radius + radiusSize_ + endingSize_;
    sameCentre_ = true;
    line_ = line;
    return true;
  }

  // The circle read, whether the circle before had its centre, and where
  // its line starts.
  const Circle& circle() const { return circle_; }
  bool sameCentre() const { return sameCentre_; }
  const char* line() const { return line_; }

 private:
  // A line that is no circle; "lt" lines of three characters or more switch
  // the stretches.
  void SkipLine(const char* line) {
    const void* lf = std::memchr(line, '\n', end_ - line);
    const char* stop = lf ? static_cast<const char*>(lf) : end_;
    next_ = lf ? stop + 1 : end_;
    if (stop > line && stop[-1] == '\r') --stop;
    if (stop - line >= 3 && line[0] == 'l' && line[1] == 't') lineType9_ = line[2] == '9';
  }

  const char* begin_;
  const char* end_;
  const char* next_;
  Progress& progress_;
  size_t lines_ = 0;
  bool lineType9_ = false;
  Circle circle_;                     // the x and y of the last circle read in full
  bool sameCentre_ = false;
  const char* line_ = nullptr;
  const char* centreLine_ = nullptr;  // where the line of the last circle read in full starts
  size_t prefix_ = 0;                 // its line up to its radius, with one blank after its y
  size_t radiusSize_ = 0;             // the last radius and what ended its line
  size_t endingSize_ = 0;
};

// The circles of one centre that holds a head circle: how many there are,
// which heads were among them, and the positions they filled.
struct Group {
  const char* x;  // the texts of the centre where the extract holds them
  const char* y;
  uint32_t xSize, ySize;
  uint32_t circles = 0;
  uint8_t heads = kNoHead;
  MarkerCodes codes;

  bool At(std::string_view otherX, std::string_view otherY) const {
    return SameText({x, xSize}, otherX) && SameText({y, ySize}, otherY);
  }
};

// The one hash table of centres: open addressing over the groups, each slot
// holding a group's number + 1 (0: empty) and the top of its hash.
class Centres {
 public:
  // Room for the centres an extract of this size may hold, so that the
  // table seldom grows: a marker takes some 250 bytes of it.
  explicit Centres(size_t extractSize) : slots_(std::bit_ceil(std::max<size_t>(1024, extractSize / 128)), 0) {
    groups_.reserve(slots_.size() / 2);
  }

  static uint64_t Hash(std::string_view x, std::string_view y) { return HashText(y, HashText(x)); }

  // The group of the centre, or nullptr; a group is where it is until the
  // next one is added.
  Group* Find(std::string_view x, std::string_view y, uint64_t hash) {
    const uint64_t tag = hash >> 32 << 32;
    for (size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
      const uint64_t slot = slots_[i];
      if (slot == 0) return nullptr;
      if ((slot & ~0xffffffffULL) != tag) continue;
      Group& group = groups_[static_cast<uint32_t>(slot) - 1];
      if (group.At(x, y)) return &group;
    }
  }

  // Fetches the slot where a look-up starts, so that it is at hand later.
  void Prefetch(uint64_t hash) const { __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]); }

  uint32_t NumberOf(const Group& group) const { return static_cast<uint32_t>(&group - groups_.data()); }
  const Group& operator[](uint32_t number) const { return groups_[number]; }

  Group& Add(std::string_view x, std::string_view y, uint64_t hash) {
    if ((groups_.size() + 1) * 2 > slots_.size()) Grow();
    Place(hash, static_cast<uint32_t>(groups_.size()));
    return groups_.emplace_back(
        Group{x.data(), y.data(), static_cast<uint32_t>(x.size()), static_cast<uint32_t>(y.size()), 0, kNoHead, {}});
  }

 private:
  void Place(uint64_t hash, uint32_t number) {
    size_t i = hash & (slots_.size() - 1);
    while (slots_[i] != 0) i = (i + 1) & (slots_.size() - 1);
    slots_[i] = (hash >> 32 << 32) | (number + 1);
  }

  void Grow() {
    slots_.assign(slots_.size() * 2, 0);
    for (uint32_t number = 0; number < groups_.size(); ++number)
      Place(Hash({groups_[number].x, groups_[number].xSize}, {groups_[number].y, groups_[number].ySize}), number);
  }

  std::vector<uint64_t> slots_;
  std::vector<Group> groups_;
};

// The circles that follow one another at one centre. They are gathered
// apart and join the centre's group when the run ends, by which time the
// slot of its look-up, fetched when the run began, is at hand.
struct Run {
  std::string_view x, y;
  uint64_t hash = 0;
  uint32_t circles = 0;
  uint8_t heads = kNoHead;
  MarkerCodes codes;
  std::vector<const char*> lines;  // while no head has come

  void Start(const Circle& circle) {
    x = circle.x;
    y = circle.y;
    hash = Centres::Hash(x, y);
    circles = 0;
    heads = kNoHead;
    codes = MarkerCodes{};
    lines.clear();
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

std::string ReadExtractBytes(const ui::Drive& drive, Progress& progress) {
  std::filesystem::path file = drive.Locate(settings::HaikanFile("Toridasi.txt"));
  std::error_code ec;
  auto size = std::filesystem::file_size(file, ec);
  if (ec || !std::filesystem::is_regular_file(file, ec)) throw ui::FileError(file, false);
  progress.Phase(kReadingStatus, size);
  std::ifstream in(file, std::ios::binary);
  // Read through a small buffer, so that the string's bytes are written once.
  std::string bytes;
  bytes.reserve(size);
  std::vector<char> part(64 << 10);
  while (bytes.size() < size) {
    const size_t n = std::min(part.size(), size - bytes.size());
    if (!in.read(part.data(), static_cast<std::streamsize>(n))) throw ui::FileError(file, ui::FileError::kUnreadable);
    bytes.append(part.data(), n);
    progress.Step(bytes.size());
  }
  return bytes;
}

// One pass over the bytes. Only the numbers of the circles matter, and they
// are ASCII in any code page, so the extract is read as it is, without
// converting it; the texts of the centres stay where they are in it. A run
// of circles whose centre has a group by then joins it at once; the circles
// of the rest are remembered by their line and looked at again when every
// head is known.
FoundMarkers FindMarkerCodes(std::string_view extract, Progress& progress) {
  progress.Phase(kReadingStatus, extract.size());
  const char* const end = extract.data() + extract.size();
  Centres centres(extract.size());
  std::vector<uint32_t> fittingOrder, pipeOrder;  // groups by their first head circle of the kind
  std::vector<const char*> waiting;                   // circles seen before any head of their centre

  Run run;
  auto endRun = [&] {
    if (run.circles == 0) return;
    Group* group = centres.Find(run.x, run.y, run.hash);
    if (!group && run.heads == kNoHead) {
      waiting.insert(waiting.end(), run.lines.begin(), run.lines.end());
      return;
    }
    if (!group) group = &centres.Add(run.x, run.y, run.hash);
    if (run.heads & ~group->heads & kFittingMark) fittingOrder.push_back(centres.NumberOf(*group));
    if (run.heads & ~group->heads & kPipeMark) pipeOrder.push_back(centres.NumberOf(*group));
    group->heads |= run.heads;
    group->circles += run.circles;
    group->codes.Take(run.codes);
  };

  CircleReader reader(extract, progress);
  auto add = [&](std::string_view radius, const char* line) {
    ++run.circles;
    // A head's position digit is 9, which no other circle of a marker has.
    const bool nine = radius.size() == 7 && radius[2] == '9';
    if (nine && SameText(radius, kFittingHead)) run.heads |= kFittingMark;
    else if (nine && SameText(radius, kPipeHead)) run.heads |= kPipeMark;
    else if (run.heads == kNoHead) run.lines.push_back(line);
    run.codes.Add(radius);
  };
  while (reader.Next()) {
    const Circle& circle = reader.circle();
    if (!reader.sameCentre()) {
      endRun();
      run.Start(circle);
      centres.Prefetch(run.hash);
    }
    add(circle.radius, reader.line());
    while (reader.NextAlike()) add(reader.circle().radius, reader.line());
  }
  endRun();

  // The waiting circles come before every circle of their group, so the
  // latest of them fills only what the group's own circles left empty.
  for (auto it = waiting.rbegin(); it != waiting.rend(); ++it) {
    Circle circle;
    ReadCircle(*it, end, circle);
    Group* group = centres.Find(circle.x, circle.y, Centres::Hash(circle.x, circle.y));
    if (!group) continue;
    ++group->circles;
    MarkerCodes earlier;
    earlier.Add(circle.radius);
    earlier.Take(group->codes);
    group->codes = earlier;
  }
  progress.Step(extract.size());

  FoundMarkers found;
  auto collect = [&](const std::vector<uint32_t>& order, uint32_t circles, std::vector<MarkerCodes>& out) {
    out.reserve(order.size());
    for (uint32_t number : order)
      if (centres[number].circles == circles) out.push_back(centres[number].codes);
  };
  collect(fittingOrder, 9, found.fittings);
  collect(pipeOrder, 10, found.pipes);
  return found;
}

Markers FindMarkers(std::string_view extract, Progress& progress) {
  const FoundMarkers found = FindMarkerCodes(extract, progress);
  Markers markers;
  auto decode = [](const std::vector<MarkerCodes>& codes, std::vector<Marker>& out) {
    out.reserve(codes.size());
    for (const MarkerCodes& marker : codes) out.push_back(marker.Decoded());
  };
  decode(found.fittings, markers.fittings);
  decode(found.pipes, markers.pipes);
  return markers;
}

}  // namespace takeoff
