// The stem searches of one word's splits, longest stem first, in a table
// sorted by stem (or one letter's part of it).
#pragma once
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "base/text.h"
#include "grammar/records.h"
#include "grammar/stem_keys.h"

namespace kelvo::grammar {

// Each stem asked for must begin the one asked for before it (a word's stems
// from the whole word down). A search tells more than whether its stem is
// there: the entry just before where the stem would stand shares the longest
// beginning with it that any shorter entry does, since every text between a
// beginning of the stem and the stem itself starts with that beginning. So a
// shorter stem longer than that shared beginning is no entry's and is not
// searched, and a shorter one lies before the place found. A word's guesses
// (a respelling, a stem with a letter more) mostly end there after one search.
class StemSearch {
 public:
  explicit StemSearch(std::span<const DictEntry> sorted) : entries_(sorted) {}
  // With the keys of the stems (see StemKeys): every stem asked for must
  // then begin with the letter the stems all begin with.
  explicit StemSearch(LetterStems stems) : entries_(stems.entries), keys_(stems.keys) {}

  // Whether a stem of this length may still have entries.
  bool may_find(std::size_t size) const { return size <= reach_ && !entries_.empty(); }

  std::span<const DictEntry> find(std::string_view stem) {
    if (stem.size() > reach_ || entries_.empty()) return {};
    if (keys_) return find_by_key(stem);
    const std::span<const DictEntry> run = entries_with_stem(entries_, stem);
    // A stem no entry can have is found nowhere, and tells nothing.
    if (run.data() == nullptr) return {};
    const auto before = static_cast<std::size_t>(run.data() - entries_.data());
    reach_ = before == 0 ? 0 : shared_beginning(entries_[before - 1], stem);
    entries_ = entries_.first(before);
    return run;
  }

 private:
  // The same run as the search of the entries, found by keys: first among
  // the fences, then in the chunk between two. The entries are read only
  // for the rest of a stem whose key does not hold it whole, or to tell how
  // much of it the entry before shares when their keys are equal.
  std::span<const DictEntry> find_by_key(std::string_view stem) {
    // Every stem begins the first one searched, so its key is that one's
    // cut to its length, and it holds a zero byte only past where that did.
    if (!first_searched_) {
      first_searched_ = true;
      first_key_ = stem_key(stem);
      for (first_zero_ = 0; first_zero_ < stem.size() && stem[first_zero_] != '\0';) ++first_zero_;
    }
    if (stem.size() > first_zero_) return {};
    const std::uint64_t key = first_key_ & key_mask(stem.size());
    const std::size_t first = first_not_below(key);
    std::size_t last = first;
    while (last < entries_.size() && key_at(last) == key) ++last;
    std::span<const DictEntry> run = entries_.subspan(first, last - first);
    if (stem.size() > kStemKeyWhole) run = entries_with_stem(run, stem);
    const auto before = static_cast<std::size_t>(run.data() - entries_.data());
    if (before == 0) {
      reach_ = 0;
    } else if (const std::uint64_t differ = key_at(before - 1) ^ key; differ != 0) {
      // The first letter, then the key's bytes up to the first that differs.
      reach_ = 1 + static_cast<std::size_t>(std::countl_zero(differ) / 8);
    } else {
      reach_ = shared_beginning(entries_[before - 1], stem);
    }
    entries_ = entries_.first(before);
    return run;
  }

  std::uint64_t key_at(std::size_t i) const { return keys_->chunk(i / kStemChunk)[i % kStemChunk]; }

  // The first entry still searched whose key is not below `key`.
  std::size_t first_not_below(std::uint64_t key) const {
    const std::size_t n = entries_.size();
    // The fences of the entries still searched, and how many are below the key.
    const std::span<const std::uint64_t> fences = keys_->fences();
    const std::size_t below = count_below(std::min(fences.size(), (n + kStemChunk - 1) / kStemChunk),
                                          key, [&](std::size_t i) { return fences[i]; });
    if (below == 0) return 0;
    // Past the last fence below the key, and not past the next fence.
    const std::size_t chunk = below - 1;
    const std::uint64_t* keys = keys_->chunk(chunk);
    const std::size_t to = std::min(kStemChunk, n - chunk * kStemChunk);
    return chunk * kStemChunk + 1 +
           count_below(to - 1, key, [&](std::size_t i) { return keys[1 + i]; });
  }

  // How many of n keys in order are below `key`: a binary search whose
  // steps choose without branching, since which half a stem lies in cannot
  // be foreseen.
  template <typename KeyAt>
  static std::size_t count_below(std::size_t n, std::uint64_t key, KeyAt key_at) {
    if (n == 0) return 0;
    std::size_t base = 0;
    while (n > 1) {
      const std::size_t half = n / 2;
      base += static_cast<std::size_t>(key_at(base + half - 1) < key) * half;
      n -= half;
    }
    return base + (key_at(base) < key ? 1 : 0);
  }

  // The bits of the key that a stem of this length fills.
  static std::uint64_t key_mask(std::size_t size) {
    if (size <= 1) return 0;
    if (size > kStemKeyWhole) return ~std::uint64_t{0};
    return ~std::uint64_t{0} << (8 * (kStemKeyWhole + 1 - size));
  }

  static std::size_t shared_beginning(const DictEntry& e, std::string_view stem) {
    std::size_t i = 0;
    while (i < stem.size() && i < sizeof(e.stem) && e.stem[i] == stem[i]) ++i;
    return i;
  }

  std::span<const DictEntry> entries_;
  const LetterKeys* keys_ = nullptr;
  std::size_t reach_ = sizeof(DictEntry::stem);
  bool first_searched_ = false;
  std::uint64_t first_key_ = 0;
  std::size_t first_zero_ = 0;
};

}  // namespace kelvo::grammar
