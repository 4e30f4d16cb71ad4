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
      slot.keys = std::make_unique<LetterKeys>(range);
      slot.ready.store(true, std::memory_order_release);
    });
  }
  return {slot.keys->entries(), slot.keys.get()};
}

LetterKeys::LetterKeys(std::span<const DictEntry> entries)
    : entries_(entries),
      keys_(std::make_unique_for_overwrite<std::uint64_t[]>(entries.size())),
      chunks_(std::make_unique<Chunk[]>((entries.size() + kStemChunk - 1) / kStemChunk)) {
  fences_.reserve((entries.size() + kStemChunk - 1) / kStemChunk);
  for (std::size_t i = 0; i < entries.size(); i += kStemChunk)
    fences_.push_back(stem_key(entries[i].stem));
}

void LetterKeys::make_chunk(std::size_t c) const {
  Chunk& chunk = chunks_[c];
  std::call_once(chunk.once, [&] {
    const std::size_t end = std::min(entries_.size(), (c + 1) * kStemChunk);
    for (std::size_t i = c * kStemChunk; i < end; ++i) keys_[i] = stem_key(entries_[i].stem);
    chunk.ready.store(true, std::memory_order_release);
  });
}

}  // namespace kelvo::grammar
