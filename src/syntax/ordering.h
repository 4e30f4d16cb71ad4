// Ranks each word's candidate analyses before the sentence passes: the
// commonest reading for the user's age and area first, then by form (a
// nominative before an oblique case, an active verb before a passive).
#pragma once
#include "base/options.h"
#include "grammar/records.h"
#include "syntax/syntax_scratch.h"
#include "text/sentence_words.h"

namespace kelvo::syntax {

// The ranking key of one analysis: lower comes first. `area` is the current
// preferred area letter (0 for none).
int ordering_score(const grammar::WordAnalysis& a, const TranslationOptions& options, char area);

// Sorts every run of records with the same word position by that key (ties
// keep their order), moving each record's origin with it. `area` as above.
void order_candidates(text::SentenceWords& words, SyntaxScratch& scratch,
                      const TranslationOptions& options, char area);

}  // namespace kelvo::syntax
