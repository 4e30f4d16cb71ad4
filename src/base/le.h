// Little-endian integer fields for byte-exact records: the stored bytes are
// the same on any host, and reading them never needs aligned memory.
#pragma once
#include <cstdint>

namespace kelvo {

struct LeI16 {
  std::uint8_t b[2]{};
  std::int16_t get() const {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
  }
  void set(std::int16_t v) {
    auto u = static_cast<std::uint16_t>(v);
    b[0] = static_cast<std::uint8_t>(u & 0xFF);
    b[1] = static_cast<std::uint8_t>(u >> 8);
  }
};

struct LeI32 {
  std::uint8_t b[4]{};
  std::int32_t get() const {
    std::uint32_t u = std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) |
                      (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24);
    return static_cast<std::int32_t>(u);
  }
  void set(std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
  }
};

static_assert(sizeof(LeI16) == 2 && alignof(LeI16) == 1);
static_assert(sizeof(LeI32) == 4 && alignof(LeI32) == 1);

}  // namespace kelvo
