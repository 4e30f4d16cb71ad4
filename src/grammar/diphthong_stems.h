// What the dictionary can make of a diphthong written as a plain "e" (celum,
// preter, pena): which stems hold an "ae" or "oe",
// and which endings hold one (haec, quae). Every known word with an inner "e"
// asks before its respelling is analysed, so the answer is a lookup; each
// letter's stems are gathered on the first question about that letter, once
// for every thread reading the tables.
#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "grammar/records.h"

namespace kelvo::grammar {

class Lexicon;

class DiphthongStems {
 public:
  // Whether the respelling `word`, with "ae" or "oe" at `at`, may have
  // dictionary readings: the word begins with a stem that holds the
  // diphthong, or with a stem word[0, at + 1) whose ending begins with the
  // "e", or it ends in an ending that holds it. False only when none of these
  // is so; the first letter counts in either case, as the stem search reads it.
  bool may_read(const Lexicon& lexicon, std::string_view word, std::size_t at) const;

 private:
  const std::vector<std::uint64_t>& holding_stems(const Lexicon& lexicon, char letter) const;
  const std::vector<std::string>& endings(const Lexicon& lexicon) const;

  mutable std::array<std::once_flag, 26> letter_once_;
  // Per first letter, the hashes of the stems holding a diphthong or ending
  // in its first letter, as an open-addressed set.
  mutable std::array<std::vector<std::uint64_t>, 26> letter_stems_;
  mutable std::once_flag endings_once_;
  mutable std::vector<std::string> endings_;
};

}  // namespace kelvo::grammar
