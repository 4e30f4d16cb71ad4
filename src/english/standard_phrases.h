// The standard-phrase matcher: a run of Latin words that is one of the
// user's standard phrases (userphrases.txt) is said by the phrase's English.
// The first word of the run takes the English (and, for an "INF" phrase, the
// role of a verb built from the inflection of the word the phrase names);
// the other words of the run are removed from the sentence.
#pragma once
#include "english/output_words.h"
#include "english/sentence_input.h"
#include "text/sentence_words.h"
#include "userdata/standard_phrases.h"

namespace kelvo::english {

inline constexpr int kMaxPhraseRemovals = 399;
inline constexpr const char* kNoPhrasesMessage =
    "There must be an entry for 'z' in your list of user LSPs!\n LSPs cancelled.";
inline constexpr const char* kTooManyRemovalsMessage = "Too many deletions from UserPhrases";

// Runs over one sentence; returns the number of phrases matched, or -1 when
// there are no phrases at all (the caller then says kNoPhrasesMessage once
// and stops asking). `words` is the sentence's analysis table: removed
// positions get speech 255, a phrase verb speech 77.
int match_standard_phrases(const userdata::StandardPhrases& phrases, const SentenceInput& in,
                           text::SentenceWords& words, OutputWords& out);

}  // namespace kelvo::english
