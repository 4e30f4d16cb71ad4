#include "syntax/clause_analysis.h"

namespace kelvo::syntax {

void clause_analysis(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  sc.person_counts.fill(0);
  sc.person_mask = 0;
  sc.question_ne = -1;
  sc.document_persons = 0;
  if (const text::PersonCounts* d = s.env.persons)
    sc.document_persons = d->ego + d->tu + d->nos + d->vos;
  count_verb_persons(s);
  strike_future_imperatives_beside_nouns(s);
  strike_adjectives_beside_ime_adverbs(s);
  build_clause_table(s);
  count_pronoun_subjects(s);
  move_postpositive_conjunction(s);
  pair_alius_alter(s);
  move_inserted_clause(s);
  for (int c = 0; c < sc.clause_count; ++c) analyse_clause(s, c);
  sc.reset_slots();
  clean_up_links(s);
  make_back_links(s);
  repair_prepositions(s);
  clear_quis_marks(s);
  link_vocative_between_commas(s);
}

}  // namespace kelvo::syntax
