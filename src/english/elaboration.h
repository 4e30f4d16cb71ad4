// Elaboration: every word position gets the English of its chosen reading,
// dressed for its part in the sentence: the article or preposition its case
// calls for, comparison words, numeral suffixes, the verb phrase, participle
// and supine forms, and the "RTB " marker of the gerundive. The suffix
// markers ("+s", "+ed") and the head-word marker "^" stay for polishing.
#pragma once
#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

inline constexpr const char* kGapText = "[Gap in translation (too many words in sentence?)]";

void elaborate(const SentenceInput& in, OutputWords& out);

// The number of nominatives attached to the verb at analysis `verb` (a
// plural one counting 2): those linked to it in its clause, or, when none is
// linked, those that agree with it in number.
int subject_count(const SentenceInput& in, int verb);

}  // namespace kelvo::english
