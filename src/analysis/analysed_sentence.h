// A sentence's tokens with their candidate analyses, as the exporters and the
// word-by-word listing read them.
#pragma once
#include <string>
#include <vector>

#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

struct AnalysedToken {
  std::string form;      // the token as the tokeniser stored it
  bool punctuation = false;
  // An enclitic or tackon that a rule split off a word: the index of that
  // word's token (the table holds them in the order English reads them, "que"
  // before its word); -1 for every other token.
  int enclitic_of = -1;
  std::vector<Candidate> candidates;
};

struct AnalysedSentence {
  std::string text;
  std::vector<AnalysedToken> tokens;
};

}  // namespace kelvo::analysis
