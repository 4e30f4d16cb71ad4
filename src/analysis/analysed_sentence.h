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
  std::vector<Candidate> candidates;
};

struct AnalysedSentence {
  std::string text;
  std::vector<AnalysedToken> tokens;
};

}  // namespace kelvo::analysis
