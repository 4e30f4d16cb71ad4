// Syncopated perfect forms, common in classical prose and verse: the "v" (and
// often its vowel) of the perfect stem dropped before s or r (appellarunt for
// appellauerunt, audisset for audiuisset, conlocarat for conlocauerat).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

// The full spellings to try for a word, in order (empty when none applies).
std::vector<std::string> unsyncopated_spellings(std::string_view word);

// Analyses the first full spelling that yields; returns the analyses added.
int try_syncope(const WordAnalyzer& wa, std::string_view word, std::vector<Candidate>& out,
                AnalysisContext& ctx);

}  // namespace kelvo::analysis
