// Role assignment: within a stretch of a clause, the main verb, the subject
// that agrees with it in person and number, its direct object and a second
// complement, held in the clause's role slots.
#pragma once
#include "syntax/sentence_view.h"

namespace kelvo::syntax {

// Fills the role slots for the analyses [first, last]; a slot it cannot fill
// stays -1. The subject and the main verb are linked to each other.
void assign_roles(SentenceView& s, int first, int last);

// The word positions around verb v (within [first, last]) that can hold its
// subject and object: up to a conjunction or another finite verb, back to a
// relative pronoun that opens the verb's clause.
struct Stretch {
  int low, high;
};
Stretch verb_stretch(const SentenceView& s, int first, int last, int v);

// Whether a verb reading takes a direct object.
bool transitive(const grammar::WordAnalysis& v);
// Whether a finite verb reading can have a direct object: active (or
// deponent), not "be", not known to be intransitive or impersonal.
bool may_take_object(const grammar::WordAnalysis& v);
// Whether n's word has an accusative reading of n's kind and number beside n.
bool may_be_accusative(const SentenceView& s, int n);
// Whether n, a possible subject of v, should rather be v's object: v can take
// one, n may be accusative, and no other word of v's stretch in [first, last]
// can be the object.
bool object_shaped_subject(const SentenceView& s, int first, int last, int n, int v);
// Whether a verb reading takes a dative.
bool takes_dative(const grammar::WordAnalysis& v);

// Whether nominal n can be the subject of finite verb v: nominative, and the
// verb's person and number (a noun is third person; ego, tu, nos, vos first
// or second).
bool subject_fits(const SentenceView& s, int n, int v);

}  // namespace kelvo::syntax
