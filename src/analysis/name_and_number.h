// Words the dictionary cannot hold: proper names guessed from their ending,
// Roman numerals, and compound ordinals such as "tertiusdecimus".
#pragma once
#include <string_view>
#include <vector>

#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

// A capitalised word taken as a proper name: the declension is guessed from
// the ending; the meaning is the name itself. Returns analyses added.
int analyse_proper_name(const WordAnalyzer& wa, std::string_view word,
                        std::vector<Candidate>& out, AnalysisContext& ctx);

// A Roman numeral of the given value as a cardinal numeral.
int analyse_roman_numeral(const WordAnalyzer& wa, std::string_view word, int value,
                          std::vector<Candidate>& out, AnalysisContext& ctx);

// Ordinals joined from a unit and "decimus" / "uicesimus" (13th ... 29th).
int analyse_compound_ordinal(const WordAnalyzer& wa, std::string_view word,
                             std::vector<Candidate>& out, AnalysisContext& ctx);

}  // namespace kelvo::analysis

namespace kelvo::analysis {

// Expressions the tokeniser joins with "_" (opus_est, una_cum, M_Tullius ...).
int analyse_joined_expression(const WordAnalyzer& wa, std::string_view word,
                              std::vector<Candidate>& out, AnalysisContext& ctx);

}  // namespace kelvo::analysis
