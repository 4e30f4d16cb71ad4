// The prefix rule: a word the dictionary does not hold, read as a known prefix
// plus a known word ("reuenit" = "re" + "uenit").
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

struct PrefixRow {
  std::string_view latin;  // at most 9 characters
  std::string_view gloss;  // at most 9 characters
};

// Rows 0-30 always; rows 31-35 only in Botany mode. Order matters: the first
// prefix that yields an analysis wins.
inline constexpr int kPrefixRows = 36;
inline constexpr int kPrefixRowsOutsideBotany = 31;
std::span<const PrefixRow> prefix_table(bool botany);

inline constexpr int kMaxPrefixedLatin = 23;
inline constexpr int kMaxPrefixedMeaning = 24;

// Analyses the word (more than four characters, still without analyses) as a
// prefix plus a word of the core. Appends the analyses, with the prefix put
// before their Latin text and its gloss before their meaning, and returns how
// many. `log_line`, when given, receives "+PREFIX %s = %s.\n\n" on success.
int try_prefixes(const WordAnalyzer& wa, std::string_view word, std::vector<Candidate>& out,
                 AnalysisContext& ctx, std::string* log_line = nullptr);

}  // namespace kelvo::analysis
