// The Details listing of the sentence passes in the parse log: the clauses,
// every analysis with its links, and the readings the passes struck out.
#pragma once
#include "syntax/sentence_view.h"

namespace kelvo::syntax {

void write_details(const SentenceView& s, ParseLog& log);
// The same for a sentence whose passes have run, read with the area its
// English is made in (written again before the English).
void write_details(text::SentenceWords& words, SyntaxScratch& scratch,
                   const TranslationOptions& options, char area, ParseLog& log);

}  // namespace kelvo::syntax
