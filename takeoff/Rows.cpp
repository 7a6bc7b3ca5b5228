#include "takeoff/Rows.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

#include "ui/Drive.h"
#include "ui/Text.h"

namespace takeoff {
namespace {

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

void SortRows(std::vector<ResultRow>& rows) {
  // One conversion for all rows: texts come from lines and hold no line break.
  std::string texts;
  for (const ResultRow& row : rows) texts += row.Text() + "\n";
  std::vector<std::string> sortKeys = ui::Split(ui::Utf8ToCp932(texts), '\n');
  std::vector<size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(),
            [&](size_t a, size_t b) { return CompareShiftJisNoCase(sortKeys[a], sortKeys[b]) < 0; });
  std::vector<ResultRow> sorted;
  sorted.reserve(rows.size());
  for (size_t i : order) sorted.push_back(std::move(rows[i]));
  rows = std::move(sorted);
}

// Metres of a pipe entry: length code × 0.01, over the cosine of the slope.
double PipeMetres(std::string_view entry) {
  size_t bar = entry.find('|');
  std::string after = bar == std::string_view::npos ? "" : std::string(entry.substr(bar + 1));
  double metres = ui::ToInt(ui::GetListField(after, 1, ':')) * 0.01;
  int angle = ui::ToInt(ui::GetListField(after, 2, ':'));
  if (angle != 0) metres /= std::cos(angle * 3.1415926535 / 180);
  return metres;
}

// Sums what each entry adds to the row of its key.
template <class Amount, class Format>
std::vector<ResultRow> Aggregate(const std::vector<std::string>& entries, Amount amountOf, Format format) {
  std::unordered_map<std::string_view, size_t> rowOf;
  std::vector<std::string_view> keys;
  std::vector<decltype(amountOf(std::string_view()))> totals;
  for (const std::string& entry : entries) {
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
  SortRows(rows);
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

std::vector<ResultRow> FittingRows(const std::vector<std::string>& entries) {
  return Aggregate(entries, [](std::string_view) { return 1LL; }, [](long long n) { return std::to_string(n); });
}

std::vector<ResultRow> PipeRows(const std::vector<std::string>& entries) {
  return Aggregate(entries, PipeMetres, [](double metres) { return ui::FormatFixed(metres); });
}

}  // namespace takeoff
