// The final polish: word and phrase replacements over the composed sentence
// (finalpolish.dat), for what only shows once the slots stand side by side
// ("the the" across two words, "a" before a vowel, "more good").
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "grammar/records.h"

namespace kelvo::english {

// A table of final polish records, indexed once so that a word is compared
// only with the records whose text stands at it. The table must outlive it.
class FinalPolish {
 public:
  explicit FinalPolish(std::span<const grammar::FinalPolishRecord> table);

  // Rewrites `text` (a composed sentence, ending in a line feed) in place. At
  // each word the records of the word's first letter are tried in order; a
  // record matches when its text stands there whole (followed by a blank, a
  // line feed, "." or ","). A replacement of the same length lets the next
  // record try the same place; another length ends the work at that word. A
  // word that began with a capital keeps it.
  void apply(std::string& text) const;

 private:
  struct Entry {
    std::string_view match;
    const grammar::FinalPolishRecord* record;  // its replacement, read when it matches
    std::uint64_t hash;   // of `match`
    std::uint32_t next;   // the next entry in its bucket, in table order (kNone: the last)
    unsigned char letter;  // the words whose records it is among
  };
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;
  // The first entry after `after` of the word's letter whose text stands at
  // `at`, or -1.
  int next_match(const std::string& text, std::size_t at, unsigned char letter, int after) const;

  bool empty_table_ = true;
  std::vector<Entry> entries_;  // the records a word may try, in table order
  // The entries by their text's hash: the first of each bucket (a power of two of them).
  std::vector<std::uint32_t> buckets_;
  std::size_t longest_ = 0;  // the longest entry text
};

// The same for a table used once.
void final_polish(std::span<const grammar::FinalPolishRecord> table, std::string& text);

}  // namespace kelvo::english
