// Medieval spelling tricks: a word that found nothing is re-spelt one change at
// a time (e for ae, ci for ti, a dropped or added h, single or doubled
// consonants ...) and re-analysed; the first change that yields analyses wins.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

// Class of a letter: '0' vowel, '1' common consonant, '2' h j k q v w x, 0 other.
char letter_class(char c);

// The number of the change (1-20) that produced a respelling, and the respelling.
struct Respelling {
  std::string word;
  int change = 0;
};

// Calls `visit` with each respelling of the word in the order of the changes
// (first letter lowered; each one change away from the word) until it returns
// true. Returns whether some call returned true.
bool for_each_medieval_spelling(std::string_view word,
                                const std::function<bool(const Respelling&)>& visit);

// All respellings, in order (for inspection and tests).
std::vector<Respelling> medieval_spellings(std::string_view word);

// Under MEDIEVALTRICKS: the first respelling that yields analyses (the
// "unque" change also asks the uniques table), then under MEDIEVALPHONETICS
// the phonetic search. Analyses carry Source::variant. `used`, when given,
// receives the spelling that was analysed.
int try_medieval_spellings(const WordAnalyzer& wa, std::string_view word,
                           std::vector<Candidate>& out, AnalysisContext& ctx,
                           std::string* used = nullptr);

}  // namespace kelvo::analysis
