// The Details listing of the sentence passes in the parse log: the clauses,
// every analysis with its links, and the readings the passes struck out.
#pragma once
#include "syntax/sentence_view.h"

namespace kelvo::syntax {

void write_details(const SentenceView& s, ParseLog& log);

}  // namespace kelvo::syntax
