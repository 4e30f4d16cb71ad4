// English word order: the sentence cut into segments (at punctuation, at a
// conjunction, a relative or interrogative pronoun, a joining adverb) and
// each segment's words moved into the order the option asks for: the verb
// after its nominatives (NOMVERB), or subject, verb, object and the rest
// (SVOE); the automatic order takes SVOE for plain segments and NOMVERB
// where the sentence heaps verbs or the segment is built on "be". Only whole
// slots move, and only within their segment.
#pragma once
#include "base/options.h"
#include "english/clause_repairs.h"
#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

inline constexpr int kMaxOrderSegments = 100;

void order_words(const SentenceInput& in, const Copulas& copulas, WordOrder order,
                 OutputWords& out);

// "of the of " -> "of " and the like, left where words came together.
void reduce_doubled_prepositions(std::string& slot);

}  // namespace kelvo::english
