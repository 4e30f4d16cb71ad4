#include "grammar/stem_keys.h"

#include <algorithm>

#include "base/text.h"
#include "grammar/lexicon.h"

namespace kelvo::grammar {

namespace {

std::span<const DictEntry> range_of(const Lexicon& lexicon, char first) {
  auto [lo, hi] = lexicon.letter_range(first);
  if (lo >= hi) return {};
  return lexicon.entries().subspan(static_cast<std::size_t>(lo), static_cast<std::size_t>(hi - lo));
}

}  // namespace

LetterStems StemKeys::letter(const Lexicon& lexicon, char first) const {
  std::size_t k;
  if (first >= 'a' && first <= 'z') {
    k = static_cast<std::size_t>(first - 'a');
  } else if (first >= 'A' && first <= 'Z') {
    k = 26 + static_cast<std::size_t>(first - 'A');
  } else {
    return {range_of(lexicon, first), {}};
  }
  Slot& slot = slots_[k];
  // The flag spares every later search the call_once machinery.
  if (!slot.ready.load(std::memory_order_acquire)) {
    std::call_once(slot.once, [&] {
      std::span<const DictEntry> range = range_of(lexicon, first);
      if (k >= 26) {
        // The capitalised stems sort below "a" by their first byte.
        const auto u = static_cast<unsigned char>(first);
        auto byte_of = [](const DictEntry& e) { return static_cast<unsigned char>(e.stem[0]); };
        auto lo = std::partition_point(range.begin(), range.end(),
                                       [&](const DictEntry& e) { return byte_of(e) < u; });
        auto hi = std::partition_point(lo, range.end(),
                                       [&](const DictEntry& e) { return byte_of(e) <= u; });
        range = {lo, hi};
      }
      slot.entries = range;
      slot.keys.reserve(range.size());
      for (const DictEntry& e : range) slot.keys.push_back(stem_key(e.stem));
      slot.ready.store(true, std::memory_order_release);
    });
  }
  return {slot.entries, slot.keys};
}

}  // namespace kelvo::grammar
