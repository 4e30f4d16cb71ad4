// Linking a word to an agreeing neighbour, and coordination: a word meaning
// "and", "or", "nor" between two conjuncts of one kind becomes a marker that
// links them.
#pragma once
#include <span>

#include "syntax/sentence_view.h"

namespace kelvo::syntax {

enum class PartnerResult : std::uint8_t {
  found,
  not_found,  // the neighbour holds nothing that agrees
  stopped,    // a clause mark, the sentence edge, or no search for this reading
  pronoun_mismatch,
};

enum class LinkMode : std::uint8_t { link, test };

// Looks at the neighbouring word in direction `dir` (-1 or +1) for a live
// analysis of part of speech `want` that agrees with i; with LinkMode::link
// the two are linked to each other.
PartnerResult find_partner(SentenceView& s, int i, int dir, grammar::Code want,
                           LinkMode mode = LinkMode::link);
// The same with several kinds of partner, tried in their order.
PartnerResult find_partner(SentenceView& s, int i, int dir, std::span<const grammar::Code> kinds,
                           LinkMode mode = LinkMode::link);

// Whether a pronoun can stand with its neighbour: personal and reflexive
// pronouns stand alone, two pronouns only as demonstrative + pronoun.
bool pronoun_pair(const SentenceView& s, int a, int b);

// The role code an analysis has by its part of speech and kind.
int role_code_of(const grammar::WordAnalysis& a);

// Links i to the next-but-one word through a coordinating word between them;
// true when a marker was made.
bool coordinate_nominal(SentenceView& s, int i, grammar::Code expected_case);
bool coordinate_verb(SentenceView& s, int i);

// Whether the word at position p is a coordinating word ("and", "or", ...);
// returns its first live such analysis or -1.
int coordinating_word(const SentenceView& s, int p, bool for_verb);

// Links a and b through their first free link fields (first, else second).
void link_pair(SentenceView& s, int a, int b);

}  // namespace kelvo::syntax
