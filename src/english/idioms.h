// Polishing steps on neighbouring slots: an article said once for a word and
// the word it agrees with, a participle's or gerundive's several words
// hyphenated into one, and the idioms of two linked words ("res publica" is
// "the State", "plus quam" is "more than").
#pragma once
#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

void tidy_articles(const SentenceInput& in, OutputWords& out);
void hyphenate_participles(const SentenceInput& in, OutputWords& out);
void apply_idioms(const SentenceInput& in, OutputWords& out);
// "postero die", "ea nocte": an ablative of time says when ("on the next
// day"), not "with"; run once the words stand in their English order.
void time_ablatives(const SentenceInput& in, OutputWords& out);

}  // namespace kelvo::english
