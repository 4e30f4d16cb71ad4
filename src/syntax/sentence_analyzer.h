// A sentence handler that reads every word (TokenAnalyzer) and then runs the
// sentence passes, handing each analysed sentence to a sink: for programs that
// want the chosen readings without the English.
#pragma once
#include <functional>
#include <memory>

#include "analysis/token_analyzer.h"
#include "syntax/sentence_analysis.h"

namespace kelvo::syntax {

class SentenceAnalyzer : public text::SentenceHandler {
 public:
  using Sink = std::function<void(const analysis::AnalysedSentence&, text::SentenceWords&,
                                  SyntaxScratch&)>;

  // Takes a sentence whose words are read, in place of the passes and the
  // sink: to run them elsewhere (on another thread, from a copy).
  using Defer = std::function<void(const analysis::AnalysedSentence&, const text::SentenceWords&,
                                   const SyntaxEnv&, const TranslationOptions&)>;

  SentenceAnalyzer(analysis::WordAnalyzer& analyzer, Passes passes, Sink sink);
  void set_defer(Defer defer) { defer_ = std::move(defer); }

  void analyse(text::SentenceWords& words, text::RunContext& run) override;

  // The word pass it runs first (its listing and memory switches).
  analysis::TokenAnalyzer& token_pass() { return tokens_; }

 private:
  analysis::TokenAnalyzer tokens_;
  Passes passes_;
  Sink sink_;
  Defer defer_;
  std::unique_ptr<SyntaxScratch> scratch_;
};

}  // namespace kelvo::syntax
