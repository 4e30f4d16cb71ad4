// The per-slot rendering of polishing: each word's suffix marker spelled out,
// the pronouns and adjectives whose English depends on their form or on the
// noun before them put right ("whom", "me", "all", "many"), numerals joined,
// and the irregular English forms looked up. A word translated on its own
// stops here.
#pragma once
#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

// Renders every slot in place (before any slot has moved).
void render_slots(const SentenceInput& in, OutputWords& out);

}  // namespace kelvo::english
