// The dictionary entry an irregular form belongs to. The uniques table holds
// forms the inflections cannot make (uult, eadem, quicquam, dis) with their
// grammar and meaning but no headword; the entry of the same part of speech
// and declension whose meaning shares most words with the form's gives it
// (uult -> uolo uelle uolui, eadem -> idem eadem idem).
#pragma once
#include <string>
#include <vector>

#include "grammar/lexicon.h"

namespace kelvo::analysis {

// For every unique, in table order: the principal parts of its entry, or ""
// when no entry of its grammar shares most words of its meaning. The
// compounds of qui and quis are named by the compound rule (quicquam -
// quisquam, quidquid - quisquis).
std::vector<std::string> unique_citations(const grammar::Lexicon& lexicon);

}  // namespace kelvo::analysis
