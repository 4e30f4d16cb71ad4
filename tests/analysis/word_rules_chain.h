// A whole word through the per-word driver, with the token it splits off.
#pragma once
#include <string>
#include <vector>

#include "analysis/word_driver.h"

namespace kelvo::testing {

struct ChainResult {
  std::vector<analysis::Candidate> word;
  std::vector<analysis::SplitOffToken> split_off;
};

inline ChainResult analyse_with_rules(const analysis::WordAnalyzer& wa, std::string_view token,
                                      bool first, bool question) {
  ChainResult r;
  analysis::AnalysisContext ctx;
  auto wr = analysis::analyse_word(wa, token, first, false, r.word, ctx, question);
  if (wr.split_off) r.split_off.push_back(std::move(*wr.split_off));
  return r;
}

}  // namespace kelvo::testing
