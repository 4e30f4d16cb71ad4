// Medieval spelling tricks: a word that found nothing is re-spelt one change at
// a time (e for ae, ci for ti, a dropped or added h, single or doubled
// consonants ...) and re-analysed; the first change that yields analyses wins.
#pragma once
#include <array>
#include <cstdint>
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
  std::size_t at = 0;  // where the change stands in `word`
  // An "e" written for the diphthong "ae" or "oe" (change 10's and the known
  // words' inner respelling): the tables can rule these out cheaply.
  bool diphthong = false;
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

// The respellings add_classical_spellings tries, in its order: at most one of
// each change (the "ae" and "oe" of one "e" both), held in place, as every
// known word asks for them. A word too long for the place has none.
struct KnownRespelling {
  std::array<char, 32> text;
  std::uint8_t size = 0;
  int change = 0;
  std::size_t at = 0;       // where the change stands
  bool diphthong = false;   // an "ae" or "oe" for the written "e"
  std::string_view word() const { return {text.data(), size}; }
};
struct KnownWordRespellings {
  std::array<KnownRespelling, 5> items;
  std::size_t count = 0;
  const KnownRespelling* begin() const { return items.data(); }
  const KnownRespelling* end() const { return items.data() + count; }
};
KnownWordRespellings known_word_respellings(std::string_view word);

// The classical spelling of a word that has readings of its own but is also
// the common medieval spelling of another word (que for quae, celum for
// caelum, tanquam for tamquam, michi for mihi). Only the changes that
// medieval texts make all the time are tried, in this order: a final "e" for
// "ae", an "e" for "ae" or "oe" inside the word, "nqu" for "mqu", "ch" for an
// "h" between vowels; the first that yields readings adds them. They carry
// Source::variant and count three steps rarer than their entry, so the word's
// own readings stay first; they are added only when at least as common as the
// word's own commonest reading (out[own_from...]). Under MEDIEVALTRICKS only.
int add_classical_spellings(const WordAnalyzer& wa, std::string_view word,
                            std::vector<Candidate>& out, std::size_t own_from,
                            AnalysisContext& ctx);

}  // namespace kelvo::analysis
