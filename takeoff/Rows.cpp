#include "takeoff/Rows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>
#include <numeric>
#include <unordered_map>

#include "ui/Drive.h"
#include "ui/Text.h"

namespace takeoff {
namespace {

const char* const kWritingStatus = "情報書き込み中･････。";

std::string_view KeyOf(std::string_view entry) { return entry.substr(0, entry.find('|')); }

std::string_view Before(std::string_view text, char separator) { return text.substr(0, text.find(separator)); }

// The text after the n-th colon (n from 1), or empty.
std::string_view AfterColons(std::string_view text, int n) {
  size_t at = 0;
  for (int i = 0; i < n; ++i) {
    at = text.find(':', at);
    if (at == std::string_view::npos) return {};
    ++at;
  }
  return text.substr(at);
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

// Ranks of the distinct texts of one key field in their Shift-JIS order;
// texts that differ only in the case of ASCII letters take their UTF-8 order.
class FieldRanks {
 public:
  uint32_t Add(std::string_view text) {
    auto [it, added] = idOf_.try_emplace(text, static_cast<uint32_t>(texts_.size()));
    if (added) texts_.push_back(text);
    return it->second;
  }

  // The rank of every id Add gave.
  std::vector<uint32_t> Ranks() const {
    // One conversion for all texts: they come from lines and hold no line break.
    std::string joined;
    for (std::string_view text : texts_) (joined += text) += '\n';
    std::vector<std::string> shiftJis = ui::Split(ui::Utf8ToCp932(joined), '\n');
    shiftJis.resize(texts_.size());  // the empty text after the last line break
    std::vector<uint32_t> order(texts_.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
      int c = CompareShiftJisNoCase(shiftJis[a], shiftJis[b]);
      return c != 0 ? c < 0 : texts_[a] < texts_[b];
    });
    std::vector<uint32_t> ranks(texts_.size());
    for (uint32_t rank = 0; rank < order.size(); ++rank) ranks[order[rank]] = rank;
    return ranks;
  }

 private:
  std::unordered_map<std::string_view, uint32_t> idOf_;
  std::vector<std::string_view> texts_;
};

// Orders the rows field by field: classification, family or pipe name, name
// or pipe kind, size. Each field compares as Shift-JIS text, so that a size
// comes before the longer sizes it begins ("10" before "100").
void SortRows(std::vector<ResultRow>& rows, KeyFields (*fieldsOf)(std::string_view), Progress& progress) {
  progress.Phase(kWritingStatus, 2 * rows.size());
  std::array<FieldRanks, 4> fields;
  std::vector<std::array<uint32_t, 4>> ids(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    if ((i & 0xfff) == 0) progress.Step(i);
    KeyFields f = fieldsOf(rows[i].key);
    ids[i] = {fields[0].Add(f.classification), fields[1].Add(f.family), fields[2].Add(f.name), fields[3].Add(f.size)};
  }
  std::array<std::vector<uint32_t>, 4> ranks;
  for (size_t f = 0; f < 4; ++f) ranks[f] = fields[f].Ranks();
  // The four ranks in one number where each takes 16 bits, as they do but
  // for thousands of names or sizes; else they are compared one by one.
  const bool packed = std::all_of(ranks.begin(), ranks.end(), [](auto& r) { return r.size() <= 0x10000; });
  struct Place {
    uint64_t packed;
    std::array<uint32_t, 4> ranks;
    uint32_t row;
  };
  std::vector<Place> order(rows.size());
  for (uint32_t i = 0; i < rows.size(); ++i) {
    if ((i & 0xfff) == 0) progress.Step(rows.size() + i);
    Place& place = order[i];
    place.row = i;
    for (size_t f = 0; f < 4; ++f) place.ranks[f] = ranks[f][ids[i][f]];
    place.packed = packed ? uint64_t{place.ranks[0]} << 48 | uint64_t{place.ranks[1]} << 32 |
                                uint64_t{place.ranks[2]} << 16 | place.ranks[3]
                          : 0;
  }
  // Keys alike in all four fields differ beyond them (odd keys of edited files).
  std::sort(order.begin(), order.end(), [&](const Place& a, const Place& b) {
    if (a.packed != b.packed) return a.packed < b.packed;
    return a.ranks != b.ranks ? a.ranks < b.ranks : rows[a.row].key < rows[b.row].key;
  });
  std::vector<ResultRow> sorted;
  sorted.reserve(rows.size());
  for (const Place& place : order) sorted.push_back(std::move(rows[place.row]));
  rows = std::move(sorted);
}

// Metres of a pipe entry: length code × 0.01, over the cosine of the slope.
double PipeMetres(std::string_view entry) {
  size_t bar = entry.find('|');
  std::string_view after = bar == std::string_view::npos ? std::string_view() : entry.substr(bar + 1);
  double metres = ui::ToInt(ui::ListField(after, 1, ':')) * 0.01;
  int angle = ui::ToInt(ui::ListField(after, 2, ':'));
  if (angle != 0) metres /= std::cos(angle * 3.1415926535 / 180);
  return metres;
}

// Sums what each entry adds to the row of its key.
template <class Amount, class Format>
std::vector<ResultRow> Aggregate(const std::vector<std::string>& entries, Amount amountOf, Format format,
                                 KeyFields (*fieldsOf)(std::string_view), Progress& progress) {
  progress.Phase(kWritingStatus, entries.size());
  std::unordered_map<std::string_view, size_t> rowOf;
  rowOf.reserve(entries.size());
  std::vector<std::string_view> keys;
  std::vector<decltype(amountOf(std::string_view()))> totals;
  for (size_t k = 0; k < entries.size(); ++k) {
    if ((k & 0xfff) == 0) progress.Step(k);
    const std::string& entry = entries[k];
    auto [it, added] = rowOf.try_emplace(KeyOf(entry), keys.size());
    if (added) {
      keys.push_back(it->first);
      totals.emplace_back();
    }
    totals[it->second] += amountOf(entry);
  }
  std::vector<ResultRow> rows;
  rows.reserve(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) rows.push_back({std::string(keys[i]), format(totals[i])});
  SortRows(rows, fieldsOf, progress);
  progress.Step(entries.size());
  return rows;
}

}  // namespace

KeyFields FittingKeyFields(std::string_view key) {
  std::string_view rest = AfterColons(key, 2);
  size_t tilde = rest.find('~');
  return {Before(key, ':'), Before(AfterColons(key, 1), ':'), rest.substr(0, tilde),
          tilde == std::string_view::npos ? std::string_view() : rest.substr(tilde + 1)};
}

KeyFields PipeKeyFields(std::string_view key) {
  return {Before(key, ':'), Before(AfterColons(key, 1), ':'), Before(AfterColons(key, 2), ':'),
          Before(AfterColons(key, 3), ':')};
}

std::vector<ResultRow> FittingRows(const std::vector<std::string>& entries, Progress& progress) {
  return Aggregate(
      entries, [](std::string_view) { return 1LL; }, [](long long n) { return std::to_string(n); }, FittingKeyFields,
      progress);
}

std::vector<ResultRow> PipeRows(const std::vector<std::string>& entries, Progress& progress) {
  return Aggregate(
      entries, PipeMetres, [](double metres) { return ui::FormatFixed(metres); }, PipeKeyFields, progress);
}

}  // namespace takeoff
