// Real Latin through word analysis and the sentence passes, then elaborated:
// the English slot of each word position, for the English tests.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/real_data.h"
#include "english/elaboration.h"
#include "syntax/sentence_analyzer.h"

namespace kelvo::testing {

// The elaborated slots of the first sentence of `latin` (token forms beside them).
struct Elaborated {
  std::vector<std::string> forms;
  std::vector<std::string> slots;
  // The slot of the token with this form.
  std::string of(std::string_view form) const {
    for (std::size_t i = 0; i < forms.size(); ++i)
      if (forms[i] == form) return slots[i];
    return "<no token " + std::string(form) + ">";
  }
};

inline Elaborated elaborate_latin(const grammar::Lexicon& lex, const std::string& latin,
                                  TranslationOptions opts = {}) {
  opts.batch_mode = true;
  analysis::WordAnalyzer wa(lex, nullptr, opts);
  Elaborated out;
  bool done = false;
  auto eng = std::make_unique<english::OutputWords>();
  syntax::SentenceAnalyzer handler(
      wa, syntax::Passes::choice,
      [&](const analysis::AnalysedSentence& s, text::SentenceWords& w, syntax::SyntaxScratch& sc) {
        if (done) return;
        done = true;
        english::SentenceInput in{w, sc, s, wa, opts};
        english::elaborate(in, *eng);
        for (int p = 0; p < eng->count; ++p) {
          out.forms.push_back(static_cast<std::size_t>(p) < s.tokens.size()
                                  ? s.tokens[static_cast<std::size_t>(p)].form
                                  : std::string());
          out.slots.push_back(eng->at(p));
        }
      });
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  text::TranslationRun run(&lex, opts, gate, log);
  run.run(latin + "\n", 0, handler);
  EXPECT_TRUE(done) << latin;
  return out;
}

}  // namespace kelvo::testing

#include "english/sentence_translator.h"

namespace kelvo::testing {

// The lines `latin` translates to, in order, and the run's parse log.
struct Translated {
  std::vector<std::string> lines;
  std::vector<std::vector<english::EnglishWord>> words;
  std::string log;
  RecordingHost host;
};

inline void translate_latin(const grammar::Lexicon& lex, const std::string& latin,
                            Translated& out, TranslationOptions opts = {},
                            const english::PolishHooks* hooks = nullptr) {
  opts.translate = true;
  analysis::WordAnalyzer wa(lex, nullptr, opts);
  english::SentenceTranslator handler(wa, [&](const english::TranslatedSentence& t) {
    if (!t.english) return;
    std::string line = t.english->text;
    while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) line.pop_back();
    out.lines.push_back(line);
    out.words.push_back(t.english->words);
  });
  if (hooks) handler.set_polish_hooks(*hooks);
  WarningGate gate(out.host);
  ParseLog log;
  log.open_memory();
  text::TranslationRun run(&lex, opts, gate, log);
  run.run(latin + "\n", 0, handler);
  handler.finish();
  out.log = log.text();
}

}  // namespace kelvo::testing
