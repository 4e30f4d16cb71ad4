// One first letter's dictionary stems as numbers, for the stem searches of
// word analysis. Every word searches several of its beginnings among the
// stems of its first letter and among the capitalised stems of that letter;
// a binary search of 40-byte entries spread over megabytes costs a cache
// miss at most of its steps. Here a search compares one number a step in
// small contiguous arrays: first the keys of every 256th stem (the fences),
// then the keys of the 256 stems between two fences (a chunk). A letter's
// fences are made on the first search of it and a chunk's keys on the first
// search that reaches it, each once for every thread reading the tables, so
// neither loading the tables nor a short run does work over the whole
// dictionary.
#pragma once
#include <array>
#include <atomic>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "grammar/records.h"

namespace kelvo::grammar {

class Lexicon;

// A stem's key: its bytes after the first (which all stems of one letter
// share), the next eight of them, zero-padded, the first the most
// significant. Stems in byte order have their keys in order, so a key that
// differs from a stem's own places the stem, and for a stem of up to eight
// letters an equal key is the same stem.
inline std::uint64_t stem_key(std::string_view stem) {
  std::uint64_t v = 0;
  if (stem.size() > 8) {
    std::memcpy(&v, stem.data() + 1, 8);
    if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
    return v;
  }
  for (std::size_t i = 1; i < 9; ++i)
    v = v << 8 | (i < stem.size() ? static_cast<unsigned char>(stem[i]) : 0u);
  return v;
}

// The key of an entry's stem field, read in place: the bytes from the
// field's first zero on are not the stem's, whatever the field holds there.
inline std::uint64_t stem_key(const char (&field)[sizeof(DictEntry::stem)]) {
  if (field[0] == '\0') return 0;
  std::uint64_t w;
  std::memcpy(&w, field + 1, 8);
  if constexpr (std::endian::native == std::endian::little) {
    const std::uint64_t zero = (w - 0x0101010101010101ull) & ~w & 0x8080808080808080ull;
    // The lowest marked byte is the first zero (a false mark only follows one).
    if (zero) w &= (std::uint64_t{1} << (std::countr_zero(zero) & ~7)) - 1;
    return __builtin_bswap64(w);
  } else {
    return stem_key(field_view(field));
  }
}
// A stem of up to this many letters is in its key whole, its end included.
inline constexpr std::size_t kStemKeyWhole = 8;

// Every this many entries of a letter, one fence key and one chunk of keys.
inline constexpr std::size_t kStemChunk = 256;

// The keys of the entries of one letter, sorted by stem.
class LetterKeys {
 public:
  // Made for these entries: their fences at once, the chunks when asked.
  explicit LetterKeys(std::span<const DictEntry> entries);

  std::span<const DictEntry> entries() const { return entries_; }
  // The keys of entries 0, kStemChunk, 2 kStemChunk ...
  std::span<const std::uint64_t> fences() const { return fences_; }
  // The keys of the entries of chunk c (from entry c kStemChunk on), made on
  // the first question, once for every thread.
  const std::uint64_t* chunk(std::size_t c) const {
    Chunk& chunk = chunks_[c];
    if (!chunk.ready.load(std::memory_order_acquire)) make_chunk(c);
    return keys_.get() + c * kStemChunk;
  }

 private:
  struct Chunk {
    std::once_flag once;
    std::atomic<bool> ready{false};
  };
  void make_chunk(std::size_t c) const;

  std::span<const DictEntry> entries_;
  std::vector<std::uint64_t> fences_;
  std::unique_ptr<std::uint64_t[]> keys_;  // written a chunk at a time
  std::unique_ptr<Chunk[]> chunks_;
};

// The entries whose stems begin with one byte, and when that byte is a
// letter (either case) their keys; without keys a search reads the entries
// alone.
struct LetterStems {
  std::span<const DictEntry> entries;
  const LetterKeys* keys = nullptr;
};

class StemKeys {
 public:
  // The stems beginning with `first`. A lower-case letter's are its letter
  // range; a capital's are those of the capitalised stems (all sorting below
  // "a") that begin with it. Any other byte gives the range that the letter
  // index gives it, without keys.
  LetterStems letter(const Lexicon& lexicon, char first) const;

 private:
  struct Slot {
    std::once_flag once;
    std::atomic<bool> ready{false};
    std::unique_ptr<LetterKeys> keys;
  };
  mutable std::array<Slot, 52> slots_;  // 'a'..'z', then 'A'..'Z'
};

}  // namespace kelvo::grammar
