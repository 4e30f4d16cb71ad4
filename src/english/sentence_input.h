// What the English passes read of one analysed sentence: the analysis table
// with the readings the sentence passes chose, the tokens with the origin of
// every candidate (for the full meaning), and the options of the run.
#pragma once
#include "analysis/analysed_sentence.h"
#include "analysis/word_analyzer.h"
#include "base/options.h"
#include "base/parse_log.h"
#include "syntax/syntax_scratch.h"
#include "text/sentence_words.h"

namespace kelvo::english {

struct SentenceInput {
  const text::SentenceWords& words;
  const syntax::SyntaxScratch& scratch;
  const analysis::AnalysedSentence& sentence;
  const analysis::WordAnalyzer& wa;
  const TranslationOptions& options;
  char area = 0;             // the run's current preferred area letter
  bool single_word = false;  // translating one word on its own
  ParseLog* log = nullptr;   // where diagnostics go with Details on (none: dropped)

  int positions() const { return scratch.positions; }
  // The chosen analysis of position p, or -1.
  int chosen(int p) const {
    if (p < 0 || p >= scratch.positions) return -1;
    int c = scratch.chosen[static_cast<std::size_t>(p)];
    return c >= 0 && c < scratch.count ? c : -1;
  }
  const grammar::WordAnalysis& at(int i) const { return words.analysis(i); }
  // Speech of the chosen analysis of p (0 when none).
  grammar::Code speech_at(int p) const {
    int c = chosen(p);
    return c < 0 ? grammar::Code{0} : words.analysis(c).speech;
  }
  // The candidate an analysis came from, or null.
  const analysis::Candidate* candidate(int i) const {
    if (i < 0 || i >= scratch.count) return nullptr;
    int t = scratch.origin_token[static_cast<std::size_t>(i)];
    int k = scratch.origin_candidate[static_cast<std::size_t>(i)];
    if (t < 0 || static_cast<std::size_t>(t) >= sentence.tokens.size()) return nullptr;
    const auto& cands = sentence.tokens[static_cast<std::size_t>(t)].candidates;
    if (k < 0 || static_cast<std::size_t>(k) >= cands.size()) return nullptr;
    return &cands[static_cast<std::size_t>(k)];
  }
};

}  // namespace kelvo::english
