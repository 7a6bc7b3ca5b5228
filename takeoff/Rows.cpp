#include "takeoff/Rows.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "takeoff/Bytes.h"
#include "takeoff/Markers.h"
#include "ui/Drive.h"
#include "ui/Text.h"

namespace takeoff {
namespace {

const char* const kWritingStatus = "情報書き込み中･････。";

std::string_view KeyOf(std::string_view entry) { return entry.substr(0, entry.find('|')); }

// The text up to the first separator, taken from the front of the text
// with the separator; the whole text when it holds none.
std::string_view Cut(std::string_view& text, char separator) {
  size_t at = 0;
  while (at < text.size() && text[at] != separator) ++at;
  const std::string_view part = text.substr(0, at);
  text.remove_prefix(std::min(at + 1, text.size()));
  return part;
}

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc); }
unsigned char Fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Compares Shift-JIS texts byte by byte, folding ASCII letters but never the
// second byte of a double-byte character.
int CompareShiftJisNoCase(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  bool trail = false;
  for (size_t i = 0; i < n; ++i) {
    unsigned char ca = a[i], cb = b[i];
    if (!trail) ca = Fold(ca), cb = Fold(cb);
    if (ca != cb) return ca < cb ? -1 : 1;
    trail = !trail && IsLeadByte(ca);
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// Numbers distinct texts in the order they first come, and keeps a copy of
// each, one after the other. An open-addressing table over their hashes,
// each slot holding the low half of a hash, which also tells where the text
// belongs, and the number + 1 (0: empty).
class TextNumbers {
 public:
  // The number of the text, whose hash is given or worked out; a text not
  // given before takes the next one.
  uint32_t Add(std::string_view text) { return Add(text, HashText(text)); }
  uint32_t Add(std::string_view text, uint64_t hash) {
    const uint64_t tag = hash << 32;
    const size_t mask = slots_.size() - 1;
    size_t i = (tag >> 32) & mask;
    for (; slots_[i] != 0; i = (i + 1) & mask) {
      const uint32_t number = (slots_[i] & kNumber) - 1;
      if ((slots_[i] & ~kNumber) == tag && SameText((*this)[number], text)) return number;
    }
    const uint32_t number = static_cast<uint32_t>(size());
    bytes_ += text;
    starts_.push_back(bytes_.size());
    slots_[i] = tag | (number + 1);
    if (size() * 2 > slots_.size()) Grow();
    return number;
  }

  // Fetches the slot where the look-up of a text of this hash starts, so
  // that it is at hand when the text comes.
  void Prefetch(uint64_t hash) const { __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]); }

  size_t size() const { return starts_.size() - 1; }
  std::string_view operator[](uint32_t number) const {
    return std::string_view(bytes_.data() + starts_[number], starts_[number + 1] - starts_[number]);
  }

 private:
  static constexpr uint64_t kNumber = 0xffffffff;

  void Grow() {
    std::vector<uint64_t> slots(slots_.size() * 2, 0);
    const size_t mask = slots.size() - 1;
    for (uint64_t slot : slots_) {
      if (slot == 0) continue;
      size_t i = (slot >> 32) & mask;
      while (slots[i] != 0) i = (i + 1) & mask;
      slots[i] = slot;
    }
    slots_ = std::move(slots);
  }

  std::vector<uint64_t> slots_ = std::vector<uint64_t>(64, 0);
  std::string bytes_;              // the texts one after the other
  std::vector<size_t> starts_{0};  // where each begins, and where the last ends
};

// The ranks of the texts numbered, in their Shift-JIS order; texts that
// differ only in the case of ASCII letters take their UTF-8 order.
std::vector<uint32_t> Ranks(const TextNumbers& texts) {
  // One conversion for all texts: they come from lines and hold no line break.
  std::string joined;
  for (uint32_t n = 0; n < texts.size(); ++n) (joined += texts[n]) += '\n';
  std::vector<std::string> shiftJis = ui::Split(ui::Utf8ToCp932(joined), '\n');
  shiftJis.resize(texts.size());  // the empty text after the last line break
  std::vector<uint32_t> order(texts.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    int c = CompareShiftJisNoCase(shiftJis[a], shiftJis[b]);
    return c != 0 ? c < 0 : texts[a] < texts[b];
  });
  std::vector<uint32_t> ranks(texts.size());
  for (uint32_t rank = 0; rank < order.size(); ++rank) ranks[order[rank]] = rank;
  return ranks;
}

// The order of the keys field by field: classification, family or pipe
// name, name or pipe kind, size, each field as Shift-JIS text, so that a
// size comes before the longer sizes it begins ("10" before "100"). Four
// stable passes, one per field from the last; keys alike in all four fields
// differ beyond them (odd keys of edited files) and go by their bytes.
std::vector<uint32_t> Order(const TextNumbers& keys, KeyFields (*fieldsOf)(std::string_view), Progress& progress) {
  progress.Phase(kWritingStatus, 2 * keys.size());
  // The first two fields end at colons: a key's text up to its second colon
  // gives them, the rest the other two. These parts come in fewer texts
  // than the keys, so each part is numbered, and its fields when it first
  // comes.
  TextNumbers heads, tails;
  std::vector<std::array<uint32_t, 2>> headFields, tailFields;
  std::array<TextNumbers, 4> fields;
  struct Place {
    std::array<uint32_t, 4> ranks;  // the numbers of the fields, then their ranks
    uint32_t key;
  };
  std::vector<Place> places(keys.size()), sorted(keys.size());
  for (uint32_t k = 0; k < keys.size(); ++k) {
    if ((k & 0xfff) == 0) progress.Step(k);
    const std::string_view key = keys[k];
    size_t split = 0;
    for (int colons = 0; colons < 2 && split < key.size();) colons += key[split++] == ':';
    const uint32_t head = heads.Add(key.substr(0, split)), tail = tails.Add(key.substr(split));
    if (head == headFields.size()) {
      const KeyFields f = fieldsOf(key);
      headFields.push_back({fields[0].Add(f.classification), fields[1].Add(f.family)});
    }
    if (tail == tailFields.size()) {
      const KeyFields f = fieldsOf(key);
      tailFields.push_back({fields[2].Add(f.name), fields[3].Add(f.size)});
    }
    places[k] = {{headFields[head][0], headFields[head][1], tailFields[tail][0], tailFields[tail][1]}, k};
  }
  for (size_t f = 4; f-- > 0;) {
    progress.Step(keys.size() + (3 - f) * keys.size() / 4);
    const std::vector<uint32_t> rankOf = Ranks(fields[f]);
    std::vector<uint32_t> next(rankOf.size() + 1, 0);  // where each rank's keys go
    for (Place& place : places) ++next[(place.ranks[f] = rankOf[place.ranks[f]]) + 1];
    std::partial_sum(next.begin(), next.end(), next.begin());
    for (const Place& place : places) sorted[next[place.ranks[f]]++] = place;
    places.swap(sorted);
  }
  std::vector<uint32_t> order;
  order.reserve(keys.size());
  for (auto alike = places.begin(); alike != places.end();) {
    auto end = std::find_if(alike, places.end(), [&](const Place& place) { return place.ranks != alike->ranks; });
    if (end - alike > 1)
      std::sort(alike, end, [&](const Place& a, const Place& b) { return keys[a.key] < keys[b.key]; });
    for (; alike != end; ++alike) order.push_back(alike->key);
  }
  return order;
}

// Metres of a pipe entry from the text after its key: length code × 0.01,
// over the cosine of the slope.
double PipeMetres(std::string_view afterKey) {
  const std::string_view after = afterKey.substr(std::min<size_t>(1, afterKey.size()));
  double metres = CodeValue(ui::ListField(after, 1, ':')) * 0.01;
  int angle = CodeValue(ui::ListField(after, 2, ':'));
  if (angle != 0) metres /= std::cos(angle * 3.1415926535 / 180);
  return metres;
}

// Sums what each entry adds to the row of its key, then puts the rows in order.
template <class Amount, class Format>
std::vector<ResultRow> Aggregate(const std::vector<std::string>& entries, Amount amountOf, Format format,
                                 KeyFields (*fieldsOf)(std::string_view), Progress& progress) {
  progress.Phase(kWritingStatus, entries.size());
  TextNumbers keys;  // numbered as their rows
  std::vector<decltype(amountOf(std::string_view()))> totals;
  // Each key is hashed some entries ahead, and the slot where its look-up
  // starts fetched, so that the slot is at hand when the key's turn comes.
  constexpr size_t kAhead = 8;
  std::array<std::pair<std::string_view, uint64_t>, kAhead> ahead;  // of entry k at k % kAhead
  auto lookAhead = [&](size_t k) {
    if (k >= entries.size()) return;
    const std::string_view key = KeyOf(entries[k]);
    ahead[k % kAhead] = {key, HashText(key)};
    keys.Prefetch(ahead[k % kAhead].second);
  };
  for (size_t k = 0; k < kAhead; ++k) lookAhead(k);
  for (size_t k = 0; k < entries.size(); ++k) {
    if ((k & 0xfff) == 0) progress.Step(k);
    const auto [key, hash] = ahead[k % kAhead];
    lookAhead(k + kAhead);
    const uint32_t row = keys.Add(key, hash);
    if (row == totals.size()) totals.emplace_back();
    totals[row] += amountOf(std::string_view(entries[k]).substr(key.size()));
  }
  progress.Step(entries.size());
  std::vector<ResultRow> rows;
  rows.reserve(keys.size());
  for (uint32_t row : Order(keys, fieldsOf, progress)) rows.push_back({std::string(keys[row]), format(totals[row])});
  progress.Step(2 * keys.size());
  return rows;
}

}  // namespace

KeyFields FittingKeyFields(std::string_view key) {
  KeyFields f;
  f.classification = Cut(key, ':');
  f.family = Cut(key, ':');
  f.name = Cut(key, '~');
  f.size = key;
  return f;
}

KeyFields PipeKeyFields(std::string_view key) {
  KeyFields f;
  f.classification = Cut(key, ':');
  f.family = Cut(key, ':');
  f.name = Cut(key, ':');
  f.size = Cut(key, ':');
  return f;
}

std::vector<ResultRow> FittingRows(const std::vector<std::string>& entries, Progress& progress) {
  return Aggregate(
      entries, [](std::string_view) { return 1LL; }, [](long long n) { return std::to_string(n); }, FittingKeyFields,
      progress);
}

std::vector<ResultRow> PipeRows(const std::vector<std::string>& entries, Progress& progress) {
  return Aggregate(
      entries, [](std::string_view afterKey) { return PipeMetres(afterKey); },
      [](double metres) { return ui::FormatFixed(metres); }, PipeKeyFields, progress);
}

}  // namespace takeoff
