// Texts read eight bytes at a time, where the tally runs over many of them.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace takeoff {

// Eight bytes at once; the first byte is the lowest.
inline uint64_t Word(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, 8);
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
  return word;
}

// Four bytes at once, the first the lowest.
inline uint32_t Word4(const char* p) {
  uint32_t word;
  std::memcpy(&word, p, 4);
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap32(word);
  return word;
}

// Whether the texts are the same, compared in line: the texts compared
// are mostly short.
inline bool SameText(std::string_view a, std::string_view b) {
  const size_t n = a.size();
  if (b.size() != n) return false;
  const char *p = a.data(), *q = b.data();
  if (n >= 8) {
    for (size_t i = 0; i + 8 < n; i += 8)
      if (Word(p + i) != Word(q + i)) return false;
    return Word(p + n - 8) == Word(q + n - 8);  // the last eight, some perhaps again
  }
  if (n >= 4) return Word4(p) == Word4(q) && Word4(p + n - 4) == Word4(q + n - 4);
  for (size_t i = 0; i < n; ++i)
    if (p[i] != q[i]) return false;
  return true;
}

// A hash of the text, its bits mixed at the end so that each depends on
// every byte; `seed` chains the hashes of several texts.
inline uint64_t HashText(std::string_view text, uint64_t seed = 0) {
  constexpr uint64_t kOdd = 0x9e3779b97f4a7c15ULL;
  const char* p = text.data();
  const size_t n = text.size();
  uint64_t hash = seed ^ n, word;
  if (n >= 8) {
    for (const char* last = p + n - 8; p < last; p += 8) hash = (hash ^ Word(p)) * kOdd;
    word = Word(text.data() + n - 8);  // the last eight, some perhaps again
  } else if (n >= 4) {
    word = uint64_t{Word4(p)} << 32 | Word4(p + n - 4);
  } else {
    word = n == 0 ? 0 : uint64_t{uint8_t(p[0])} << 16 | uint64_t{uint8_t(p[n / 2])} << 8 | uint8_t(p[n - 1]);
  }
  hash = (hash ^ word) * kOdd;
  hash = (hash ^ (hash >> 32)) * kOdd;
  return hash ^ (hash >> 29);
}

}  // namespace takeoff
