// The Latin half of a MeaningLine: an entry's principal parts, built only from
// forms that the inflection table produces from the entry's own stems, so that
// every citation word analyses back to its entry.
#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "grammar/records.h"

namespace kelvo::mkdata {

inline constexpr std::size_t kMaxCitationWords = 4;
inline constexpr std::size_t kMaxCitationChars = 79;

// What the citation needs of an entry, in our codes; stems normalised, "" for none.
struct CitationEntry {
  std::array<std::string, 4> stems;
  grammar::Code speech = 0;
  grammar::Code which = 0;
  grammar::Code variant = 0;
  grammar::Code byte3 = 0;      // gender (NOUN), comparison (ADJ), case (PREP)
  grammar::Code verb_kind = 0;  // VERB only
  grammar::Code number_flag = 0;  // NOUN: 1 singular only, 2 plural only
  // NOUN: a people or a body of persons (Germani, maiores), which
  // dictionaries cite in the plural though it has a singular.
  bool people = false;
};

// Inflections grouped by part of speech for quick lookup; built once.
class InflectionIndex {
 public:
  explicit InflectionIndex(std::span<const grammar::InflectionRecord> table);
  std::span<const grammar::InflectionRecord* const> of(grammar::Code speech) const;

 private:
  std::array<std::vector<const grammar::InflectionRecord*>, 16> by_speech_;
};

// Principal parts joined by blanks; "" when no form could be built.
// The stored form of an empty stem (the whole word is its ending).
inline constexpr const char* kEmptyStem = ".";

std::string build_citation(const CitationEntry& entry, const InflectionIndex& index);

}  // namespace kelvo::mkdata
