// The stem searches of one word's splits, longest stem first, in a table
// sorted by stem (or one letter's part of it).
#pragma once
#include <cstddef>
#include <span>
#include <string_view>

#include "grammar/records.h"

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

  // Whether a stem of this length may still have entries.
  bool may_find(std::size_t size) const { return size <= reach_ && !entries_.empty(); }

  std::span<const DictEntry> find(std::string_view stem) {
    if (stem.size() > reach_ || entries_.empty()) return {};
    const std::span<const DictEntry> run = entries_with_stem(entries_, stem);
    // A stem no entry can have is found nowhere, and tells nothing.
    if (run.data() == nullptr) return {};
    const auto before = static_cast<std::size_t>(run.data() - entries_.data());
    reach_ = before == 0 ? 0 : shared_beginning(entries_[before - 1], stem);
    entries_ = entries_.first(before);
    return run;
  }

 private:
  static std::size_t shared_beginning(const DictEntry& e, std::string_view stem) {
    std::size_t i = 0;
    while (i < stem.size() && i < sizeof(e.stem) && e.stem[i] == stem[i]) ++i;
    return i;
  }

  std::span<const DictEntry> entries_;
  std::size_t reach_ = sizeof(DictEntry::stem);
};

}  // namespace kelvo::grammar
