// The phonetic search of medieval spellings: candidate spellings of a word that
// sound like it, from the phonetic table when it was loaded (dictionary stems
// with the same key as one of the word's stems), otherwise from coded
// respelling rules; each candidate is analysed in turn until one yields.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

// Bounds that keep the search fast for any word.
inline constexpr int kMaxPhoneticCandidates = 8;     // from the table
inline constexpr int kMaxKeyMatchesPerStem = 64;     // records read for one key
inline constexpr int kMaxCodedCandidates = 48;       // without the table
inline constexpr std::size_t kMinPhoneticStem = 3;   // shorter stems sound like too much

// Letter edits between two spellings (insertions, deletions, substitutions).
int spelling_distance(std::string_view a, std::string_view b);

// The candidate spellings of the word, best first, at most the bound above.
std::vector<std::string> phonetic_candidates(const WordAnalyzer& wa, std::string_view word);

// The coded respellings used when the table is absent: two changes of the
// spelling tricks away from the word, in their order.
std::vector<std::string> coded_phonetic_candidates(std::string_view word);

// Analyses the candidates in turn; the first that yields analyses wins.
int phonetic_search(const WordAnalyzer& wa, std::string_view word, std::vector<Candidate>& out,
                    AnalysisContext& ctx, std::string* used = nullptr);

}  // namespace kelvo::analysis
