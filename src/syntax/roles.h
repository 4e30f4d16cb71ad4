// Role assignment: within a stretch of a clause, the main verb, the subject
// that agrees with it in person and number, its direct object and a second
// complement, held in the clause's role slots.
#pragma once
#include "syntax/sentence_view.h"

namespace kelvo::syntax {

// Fills the role slots for the analyses [first, last]; a slot it cannot fill
// stays -1. The subject and the main verb are linked to each other.
void assign_roles(SentenceView& s, int first, int last);

// Whether a verb reading takes a direct object.
bool transitive(const grammar::WordAnalysis& v);
// Whether a verb reading takes a dative.
bool takes_dative(const grammar::WordAnalysis& v);

// Whether nominal n can be the subject of finite verb v: nominative, and the
// verb's person and number (a noun is third person; ego, tu, nos, vos first
// or second).
bool subject_fits(const SentenceView& s, int n, int v);

}  // namespace kelvo::syntax
