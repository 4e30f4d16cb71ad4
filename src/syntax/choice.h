// Analysis choice: every word position gets the one reading that English
// generation and the exports show. Each clause is cut into segments at the
// words that open a subordinate or coordinate part; in each segment the roles
// are assigned, every live reading scored by its links, roles, rarity and
// form, and the best one chosen.
#pragma once
#include "syntax/sentence_view.h"

namespace kelvo::syntax {

void choose_analyses(SentenceView& s);

}  // namespace kelvo::syntax
