// Sentences for the sentence-pass tests: built by hand, record by record, or
// read from real Latin through the word analysis and the passes.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "analysis/real_data.h"
#include "common/test_files.h"
#include "syntax/sentence_analyzer.h"

namespace kelvo::testing {

// A sentence table written record by record.
class HandTable {
 public:
  HandTable()
      : words_(std::make_unique<text::SentenceWords>()),
        scratch_(std::make_unique<syntax::SyntaxScratch>()),
        gate_(host_) {
    words_->reset_cursors();
    env_.warnings = &gate_;
  }

  // Appends one analysis of word position p; returns its index.
  int add(int p, grammar::Code speech, std::string_view latin, grammar::Code gcase = 0,
          grammar::Code number = 0, grammar::Code gender = 0, int rarity = 1) {
    words_->set_current_position(p);
    ParseLog log;
    int i = words_->append_analysis(gate_, log, true);
    grammar::WordAnalysis& a = words_->analysis(i);
    a.speech = speech;
    a.set_grammatical_case(gcase);
    a.set_number(number);
    a.set_gender(gender);
    a.rarity = static_cast<grammar::Code>(rarity);
    set_field(a.latin, latin);
    return i;
  }
  grammar::WordAnalysis& at(int i) { return words_->analysis(i); }
  text::SentenceWords& words() { return *words_; }
  syntax::SyntaxScratch& scratch() { return *scratch_; }

  // The view over the table as the passes see it before clause analysis.
  syntax::SentenceView& view() {
    words_->set_token_count(0);
    scratch_->count = words_->analysis_count();
    int last = -1;
    for (int i = 0; i < scratch_->count; ++i) last = words_->analysis(i).position.get();
    scratch_->positions = last + 1;
    scratch_->reset_slots();
    view_ = std::make_unique<syntax::SentenceView>(*words_, *scratch_, options, env_);
    view_->index_words();
    return *view_;
  }

  TranslationOptions options;
  RecordingHost host_;

 private:
  std::unique_ptr<text::SentenceWords> words_;
  std::unique_ptr<syntax::SyntaxScratch> scratch_;
  WarningGate gate_;
  syntax::SyntaxEnv env_;
  std::unique_ptr<syntax::SentenceView> view_;
};

// Runs real Latin through word analysis and the passes; `check` sees each
// sentence as the passes left it.
using SentenceCheck = std::function<void(const analysis::AnalysedSentence&,
                                         text::SentenceWords&, syntax::SyntaxScratch&)>;

inline int run_latin(const grammar::Lexicon& lex, const std::string& latin,
                     syntax::Passes passes, const SentenceCheck& check,
                     TranslationOptions opts = {}) {
  TempDir dir;
  write_file(dir.file("in.txt"), latin + "\n");
  opts.batch_mode = true;
  analysis::WordAnalyzer wa(lex, nullptr, opts);
  int sentences = 0;
  syntax::SentenceAnalyzer handler(
      wa, passes,
      [&](const analysis::AnalysedSentence& s, text::SentenceWords& w, syntax::SyntaxScratch& sc) {
        ++sentences;
        check(s, w, sc);
      });
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  text::TranslationRun run(&lex, opts, gate, log, {dir.file("temp.lat"), dir.file("parser.txt")});
  run.run(dir.file("in.txt"), 0, handler);
  return sentences;
}

}  // namespace kelvo::testing
