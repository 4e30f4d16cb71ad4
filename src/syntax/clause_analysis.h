// Clause analysis: the sentence cut into clauses at its punctuation, readings
// the context rules out struck, agreeing words linked, and a few words moved
// (a postpositive conjunction to the front, an inserted vocative or "inquit"
// clause to the end).
#pragma once
#include "syntax/sentence_view.h"

namespace kelvo::syntax {

// The whole pass, in its order.
void clause_analysis(SentenceView& s);

// The steps, for the pass and its tests.
void count_verb_persons(SentenceView& s);
void strike_future_imperatives_beside_nouns(SentenceView& s);
void strike_adjectives_beside_ime_adverbs(SentenceView& s);
// Builds the clause table; false when the 50-clause limit cut the sentence.
bool build_clause_table(SentenceView& s);
void count_pronoun_subjects(SentenceView& s);
void move_postpositive_conjunction(SentenceView& s);
void pair_alius_alter(SentenceView& s);
void move_inserted_clause(SentenceView& s);
void analyse_clause(SentenceView& s, int clause);
void clean_up_links(SentenceView& s);
void make_back_links(SentenceView& s);
void repair_prepositions(SentenceView& s);
void clear_quis_marks(SentenceView& s);
void link_vocative_between_commas(SentenceView& s);

// Whether an analysis's text and part of speech are on the list of forms that
// are never meant (the verb reading of "me.", the noun reading of "sat.is").
bool fixed_drop(const grammar::WordAnalysis& a);

// Moves records [from, from + n) to start at index `to` (to <= from), the
// records in between moving up, with their origins.
void rotate_records(SentenceView& s, int to, int from, int n);

// The clause index that holds analysis i, or -1.
int clause_of(const SentenceView& s, int i);

}  // namespace kelvo::syntax
