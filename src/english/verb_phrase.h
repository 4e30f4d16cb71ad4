// The English verb phrase of a Latin finite verb, infinitive or impersonal:
// the meaning's head word put into the template of its tense, voice and mood,
// agreed with its person and number and given its subject pronoun. The result
// keeps the markers the later passes consume: "^" before the head word, a
// suffix after "+" ("+ed", "+ing", "+s", "+es"), "!" after an imperative.
#pragma once
#include <string>
#include <string_view>

#include "grammar/records.h"

namespace kelvo::english {

inline constexpr std::size_t kMaxPhrase = 79;

// What the builder needs to know of the verb's subject (from sentence analysis).
struct SubjectFacts {
  bool linked = false;  // the verb has a subject link
  grammar::Code speech = 0;
  grammar::Code noun_kind = 0;
  grammar::Code gender = 0;
};

// The person index: person + 3 x number (4 I ... 9 they); 0 for an infinitive.
int person_index(const grammar::WordAnalysis& verb);
// The form of "be" for a person index ("am", "are", "is"; "" for 0-3).
std::string_view form_of_be(int p);

// Builds the phrase for `meaning` (the English of the verb's sense, its head
// word first) into `out`. `subject_count` counts the nominatives attached to
// the verb, a plural one counting 2.
void build_verb_phrase(std::string_view meaning, const grammar::WordAnalysis& verb,
                       int subject_count, const SubjectFacts& subject, std::string& out);

}  // namespace kelvo::english
