// Where the word that inflects stands in the English of a sense: a verb's
// head is its first word ("look at", "make war upon"), a noun's the last word
// before a following phrase ("land surveyor", "son of god", "court of
// justice"). The data builder and the translator for meanings the builder
// never saw (the user's dictionary) use the same rule.
#pragma once
#include <cstddef>
#include <string_view>

#include "grammar/codes.h"

namespace kelvo::grammar {

struct SenseParts {
  std::size_t head_begin = 0;
  std::size_t head_length = 0;      // 0: nothing to inflect
  std::size_t particle_length = 0;  // a verb's particle after the head, with its blank
};

// `speech` is the part of speech of the entry (VERB for its participles too).
SenseParts find_sense_parts(std::string_view sense, Code speech);

// A word that opens the phrase after a noun's head ("of", "in", "for" ...).
bool is_phrase_opener(std::string_view word);
// A particle that belongs with the verb before it ("up", "at", "away" ...).
bool is_verb_particle(std::string_view word);

}  // namespace kelvo::grammar
