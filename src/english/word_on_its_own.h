// The English of each reading of one word translated on its own (a click on a
// word, a one-word selection): the readings made a sentence whose positions
// are the readings themselves, elaborated and polished as far as the per-slot
// rendering, so that a word reads as it would in a sentence but is neither
// moved nor capitalised.
#pragma once
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "analysis/analysed_sentence.h"
#include "analysis/word_analyzer.h"
#include "base/options.h"
#include "english/output_words.h"
#include "syntax/syntax_scratch.h"
#include "text/sentence_words.h"

namespace kelvo::english {

class WordRenderer {
 public:
  explicit WordRenderer(const analysis::WordAnalyzer& wa);
  ~WordRenderer();
  // One English per candidate, in order (at most kMaxTokens; the rest get "").
  std::vector<std::string> render(std::span<const analysis::Candidate> candidates,
                                  const TranslationOptions& options, char area = 0);

 private:
  const analysis::WordAnalyzer& wa_;
  std::unique_ptr<text::SentenceWords> words_;
  std::unique_ptr<syntax::SyntaxScratch> scratch_;
  std::unique_ptr<OutputWords> out_;
  analysis::AnalysedSentence sentence_;
};

}  // namespace kelvo::english
