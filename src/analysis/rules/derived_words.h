// Derived words by suffix: a word that yields nothing, read as a regular
// derivative of a dictionary word (fortiter from fortis, amabilis from amo,
// uanitas from uanus), with the base word's meaning and an English suffix.
#pragma once
#include <span>
#include <string_view>
#include <vector>

#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

struct SuffixRow {
  std::string_view pattern;  // Latin, at most 9 characters
  std::string_view english;  // at most 9 characters
  grammar::Code base_speech, base_key;  // base key 0: any
  grammar::Code speech, which, variant, byte3, byte4, key;  // the re-typed entry
};

inline constexpr int kSuffixRows = 34;
inline constexpr int kSuffixRowsOutsideBotany = 26;
std::span<const SuffixRow> suffix_table(bool botany);

inline constexpr int kMaxDerivedStem = 18;
inline constexpr const char* kModifiedStem = "Modified stem.\n";

// The driver's condition: a lower-case word for which the prefix rule gave
// nothing, or one ADJ when the word ends in "issime".
bool derived_word_rule_applies(std::string_view word, std::span<const Candidate> from_prefixes);

// The meaning of a derived analysis: the base meaning's first sense, blanks
// made "-", followed by the English suffix, fitted into the 24-character
// field (with the "~" flag) so that the suffix always shows.
std::string derived_meaning(std::string_view base_meaning, std::string_view english_suffix);

// Appends the analyses of the first suffix row that yields any; returns how many.
int try_derived_words(const WordAnalyzer& wa, std::string_view word, std::vector<Candidate>& out,
                      AnalysisContext& ctx);

}  // namespace kelvo::analysis
