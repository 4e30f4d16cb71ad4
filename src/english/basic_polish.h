// The part of polishing that every sentence needs before it can be printed:
// first the senses that only context tells apart (sense_words.h), then suffix
// markers spelled, irregular forms looked up, the head-word marker
// removed, "the" taken from proper names, an article repeated across a word
// and the word it agrees with said once, and the first word capitalised.
// (The full polishing pass, with word order, takes its place when it exists.)
#pragma once
#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

void basic_polish(const SentenceInput& in, OutputWords& out);

// The length of the article or preposition that opens a slot ("the ",
// "of the ", "with " ...), 0 when none.
std::size_t article_length(std::string_view slot);

}  // namespace kelvo::english
