#include "syntax/sentence_analyzer.h"

namespace kelvo::syntax {

SentenceAnalyzer::SentenceAnalyzer(analysis::WordAnalyzer& analyzer, Passes passes,
                                   Sink sink)
    : tokens_(analyzer),
      passes_(passes),
      sink_(std::move(sink)) {}

void SentenceAnalyzer::analyse(text::SentenceWords& words, text::RunContext& run) {
  tokens_.analyse(words, run);
  words.set_token_count(run.token_count);
  SyntaxEnv env;
  env.log = &run.log;
  env.warnings = &run.warnings;
  env.persons = &run.persons;
  env.passes = passes_;
  // Automatic area selection: the area the tally has settled on so far (a
  // repeat of the sentence reads it with the area that sentence moved to).
  if (run.options.auto_adjusting) env.area = run.area.current_area;
  if (defer_) {
    defer_(tokens_.last_sentence(), words, env, run.options);
    return;
  }
  // Made at the first sentence: a program that never runs the passes (a
  // word-by-word listing) does not zero a quarter megabyte at its start.
  if (!scratch_) scratch_ = std::make_unique<SyntaxScratch>();
  analyse_sentence(words, run.options, *scratch_, env);
  if (sink_) sink_(tokens_.last_sentence(), words, *scratch_);
}

}  // namespace kelvo::syntax
