// FNV-1a, fed a value at a time: the quick hash the tables' own indexes use
// (a match is always checked after, so a collision costs only a comparison).
#pragma once
#include <cstdint>

namespace kelvo {

inline constexpr std::uint64_t kFnvStart = 1469598103934665603ull;

constexpr std::uint64_t fnv_step(std::uint64_t h, std::uint64_t value) {
  return (h ^ value) * 1099511628211ull;
}

}  // namespace kelvo
