// Sentences for the sentence-pass tests: built by hand, record by record, or
// read from real Latin through the word analysis and the passes.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// One analysed sentence, looked at by the tokens' forms.
struct Probe {
  const analysis::AnalysedSentence& sentence;
  text::SentenceWords& words;
  syntax::SyntaxScratch& scratch;

  // The token with this form (the n-th such), or -1.
  int token(std::string_view form, int nth = 0) const {
    for (std::size_t t = 0; t < sentence.tokens.size(); ++t)
      if (sentence.tokens[t].form == form && nth-- == 0) return static_cast<int>(t);
    return -1;
  }
  // The live analyses of a token, wherever the passes moved them.
  std::vector<int> live(std::string_view form, int nth = 0) const {
    std::vector<int> out;
    const int t = token(form, nth);
    for (int i = 0; i < scratch.count; ++i) {
      grammar::Code sp = words.analysis(i).speech;
      if (scratch.origin_token[static_cast<std::size_t>(i)] == t && sp != 0 && sp != 255)
        out.push_back(i);
    }
    return out;
  }
  // The chosen analysis of a token, or nullptr.
  const grammar::WordAnalysis* chosen(std::string_view form, int nth = 0) const {
    const int t = token(form, nth);
    for (int p = 0; p < scratch.positions; ++p) {
      int c = scratch.chosen[static_cast<std::size_t>(p)];
      if (c >= 0 && scratch.origin_token[static_cast<std::size_t>(c)] == t)
        return &words.analysis(c);
    }
    return nullptr;
  }
};

// Runs real Latin through word analysis and the passes; `check` sees each
// sentence as the passes left it.
using SentenceCheck = std::function<void(const Probe&)>;

inline int run_latin(const grammar::Lexicon& lex, const std::string& latin,
                     syntax::Passes passes, const SentenceCheck& check,
                     TranslationOptions opts = {}, std::string* log_text = nullptr) {
  opts.batch_mode = true;
  analysis::WordAnalyzer wa(lex, nullptr, opts);
  int sentences = 0;
  syntax::SentenceAnalyzer handler(
      wa, passes,
      [&](const analysis::AnalysedSentence& s, text::SentenceWords& w, syntax::SyntaxScratch& sc) {
        ++sentences;
        check(Probe{s, w, sc});
      });
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  log.open_memory();
  text::TranslationRun run(&lex, opts, gate, log);
  run.run(latin + "\n", 0, handler);
  if (log_text) *log_text = log.text();
  EXPECT_GT(sentences, 0) << "no sentence reached the check: " << latin;
  return sentences;
}

}  // namespace kelvo::testing
