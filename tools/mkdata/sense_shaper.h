// Decides, once per dictionary meaning, the English that a sentence renders:
// one sense without notes, abbreviations or Latin grammar, its head word found
// and put in its base form (a plural gloss made singular), so that the
// translator only inflects it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "grammar/records.h"
#include "mkdata/english_words.h"

namespace kelvo::mkdata {

inline constexpr std::size_t kMaxSenseChars = sizeof(grammar::SenseRecord::text) - 1;

struct EntryFacts {
  int speech = 0;          // part of speech (the codes of grammar::pos)
  bool impersonal = false; // an impersonal verb: its "it" is the verb phrase's
};

// `words` may be empty (no WordNet): then every alternative with a head is
// taken as it stands.
grammar::SenseRecord shape_sense(std::string_view raw_meaning, const EntryFacts& entry,
                                 const EnglishWords& words);


}  // namespace kelvo::mkdata
