// Real Latin words read by the word analysis, for the English tests.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "analysis/real_data.h"
#include "analysis/word_driver.h"

namespace kelvo::testing {

// The candidates of one word as the word analysis finds them on its own.
inline std::vector<analysis::Candidate> word_candidates(const grammar::Lexicon& lex,
                                                        std::string_view word) {
  TranslationOptions opts;
  opts.batch_mode = true;
  analysis::WordAnalyzer wa(lex, nullptr, opts);
  std::vector<analysis::Candidate> out;
  ParseLog log;
  RecordingHost host;
  WarningGate gate(host);
  analysis::AnalysisContext ctx{&log, &gate, 0, 0};
  // The tokeniser writes only i and u.
  std::string spelled(word);
  for (char& c : spelled) c = c == 'v' ? 'u' : c == 'j' ? 'i' : c;
  analysis::analyse_word(wa, spelled, false, false, out, ctx);
  return out;
}

}  // namespace kelvo::testing
