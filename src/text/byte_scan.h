// Word-at-a-time scans over 8-bit text: eight bytes are tested together with a
// few integer operations instead of one branch each, which is what makes the
// per-character passes over a whole file fast.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace kelvo::text {

inline constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// The eight bytes at p, the first in the lowest bits on any host.
inline std::uint64_t load_bytes(const char* p) {
  std::uint64_t w;
  std::memcpy(&w, p, sizeof w);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

// The high bit of every byte of w that is zero. Exact: no carry crosses bytes.
inline std::uint64_t zero_bytes(std::uint64_t w) {
  return ~(((w & ~kHighBits) + ~kHighBits) | w | ~kHighBits);
}

// The high bit of every byte of w equal to c.
inline std::uint64_t bytes_equal(std::uint64_t w, char c) {
  return zero_bytes(w ^ (kEveryByte * static_cast<unsigned char>(c)));
}

// Position (0-7) of the lowest byte marked in a non-zero mask.
inline std::size_t first_marked(std::uint64_t mask) {
  return static_cast<std::size_t>(std::countr_zero(mask)) / 8;
}

// Index of the first byte at or after i that is NUL or not ASCII, else the
// size of s.
inline std::size_t skip_ascii(std::string_view s, std::size_t i) {
  for (; i + 8 <= s.size(); i += 8) {
    const std::uint64_t w = load_bytes(s.data() + i);
    if (const std::uint64_t stop = (w & kHighBits) | zero_bytes(w)) return i + first_marked(stop);
  }
  while (i < s.size() && s[i] != 0 && static_cast<unsigned char>(s[i]) < 0x80) ++i;
  return i;
}

// Index of the first c at or after i and before end, else end.
inline std::size_t find_byte(std::string_view s, char c, std::size_t i, std::size_t end) {
  for (; i + 8 <= end; i += 8) {
    if (const std::uint64_t hit = bytes_equal(load_bytes(s.data() + i), c))
      return i + first_marked(hit);
  }
  while (i < end && s[i] != c) ++i;
  return i;
}

}  // namespace kelvo::text
