// The dictionary entry an irregular form belongs to. The uniques table holds
// forms the inflections cannot make (uult, eadem, quicquam, dis) with their
// grammar and meaning but no headword; the entry of the same part of speech
// and declension whose meaning shares most words with the form's gives it
// (uult -> uolo uelle uolui, eadem -> idem eadem idem).
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "grammar/lexicon.h"

namespace kelvo::analysis {

// For every unique, in table order: the index of the meaning line of its
// entry, or -1 when no entry of its grammar shares most words of its meaning
// (and for the compounds of qui and quis). The data builder stores them, as
// finding them reads the whole dictionary.
std::vector<std::int32_t> unique_entry_lines(std::span<const grammar::UniqueRecord> uniques,
                                             std::span<const grammar::DictEntry> entries,
                                             std::span<const grammar::MeaningLine> meanings);

// For every unique, in table order: the principal parts of its entry, or ""
// when no entry of its grammar shares most words of its meaning. The
// compounds of qui and quis are named by the compound rule (quicquam -
// quisquam, quidquid - quisquis). From the lexicon's stored lines when it has
// them, else found anew.
std::vector<std::string> unique_citations(const grammar::Lexicon& lexicon);

}  // namespace kelvo::analysis
