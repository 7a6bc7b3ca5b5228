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
    uint32_t first, last;
    std::memcpy(&first, p, 4);
    std::memcpy(&last, p + n - 4, 4);
    word = uint64_t{first} << 32 | last;
  } else {
    word = n == 0 ? 0 : uint64_t{uint8_t(p[0])} << 16 | uint64_t{uint8_t(p[n / 2])} << 8 | uint8_t(p[n - 1]);
  }
  hash = (hash ^ word) * kOdd;
  hash = (hash ^ (hash >> 32)) * kOdd;
  return hash ^ (hash >> 29);
}

}  // namespace takeoff
