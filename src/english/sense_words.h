// The senses of the few words whose dictionary order cannot tell them apart:
// plaga, contentus and saltus by the sense network, lustrum and pila by rules,
// and the vocative of liber ("O child"). Each routine rewrites only the slot
// of its own word position, before any reordering.
#pragma once
#include <string>

#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

// Every word position in order; does nothing with NEURAL off or for a single
// word. With Details on, each network run leaves its outputs in the parse log.
void apply_sense_disambiguation(const SentenceInput& in, OutputWords& out);

// The word routines, for the word at position p.
void disambiguate_plaga(const SentenceInput& in, OutputWords& out, int p);
void disambiguate_contentus(const SentenceInput& in, OutputWords& out, int p);
void disambiguate_saltus(const SentenceInput& in, OutputWords& out, int p);
void disambiguate_lustrum(const SentenceInput& in, OutputWords& out, int p);
void disambiguate_pila(const SentenceInput& in, OutputWords& out, int p);

// The network's input codes (empty when the word's form gives none).
std::string plaga_code(const SentenceInput& in, int p);
std::string contentus_code(const SentenceInput& in, int p);
std::string saltus_code(const SentenceInput& in, int p);

// A word governed by a preposition: its link leads to a preposition, or the
// preposition at `prep` (an analysis index, -1 for none) links to it or to a
// word that links to it. A word without a link is never governed.
bool governed_by_preposition(const SentenceInput& in, int analysis, int prep);

}  // namespace kelvo::english
