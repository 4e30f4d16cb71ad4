#include "analysis/token_analyzer.h"

#include <gtest/gtest.h>

#include "common/test_files.h"
#include "real_data.h"

using namespace kelvo;
using namespace kelvo::analysis;

namespace {

struct Ran {
  std::vector<AnalysedSentence> sentences;
  std::string log;
  std::vector<std::string> warnings;
};

Ran run_text(const grammar::Lexicon& lex, const std::string& text) {
  TranslationOptions opts;
  WordAnalyzer wa(lex, nullptr, opts);
  Ran ran;
  TokenAnalyzer handler(wa, [&](const AnalysedSentence& s, const std::string&) {
    ran.sentences.push_back(s);
  });
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  log.open_memory();
  text::TranslationRun run(&lex, opts, gate, log);
  run.run(text, 0, handler);
  ran.log = log.text();
  ran.warnings = host.warnings;
  return ran;
}

std::vector<std::string> forms(const AnalysedSentence& s) {
  std::vector<std::string> v;
  for (const auto& t : s.tokens) v.push_back(t.form);
  return v;
}

}  // namespace

TEST(SentenceAnalysis, EncliticsBecomeTokensReadFirst) {
  REQUIRE_REAL_LEXICON(lex);
  Ran r = run_text(*lex, "Arma uirumque cano. Uenitne Orgetorix?\n");
  ASSERT_EQ(r.sentences.size(), 2u);
  EXPECT_EQ(forms(r.sentences[0]), (std::vector<std::string>{"Arma", "que", "uirum", "cano", "."}));
  const auto& que = r.sentences[0].tokens[1];
  ASSERT_FALSE(que.candidates.empty());
  EXPECT_NE(que.candidates[0].analysis.meaning_text().find("and"), std::string_view::npos);
  // A capitalised name found nowhere, with "ne" in a question.
  auto second = forms(r.sentences[1]);
  EXPECT_EQ(second, (std::vector<std::string>{"ne", "Uenit", "Orgetorix", "?"}));
}

// A sentence at its token limit takes no more split-off tokens: the longest
// sentence (396 tokens) takes two, and after them the enclitic stays on its
// word with a note in the log alone, the tackon with the note shown as well.
TEST(SentenceAnalysis, AFullSentenceTakesNoMoreSplitOffTokens) {
  REQUIRE_REAL_LEXICON(lex);
  std::string full;
  for (int i = 0; i < 392; ++i) full += "et ";
  const std::string enclitic_note = "Exceeded limit 400 of words in a sentence.\nTruncating sentence.\n";
  const std::string tackon_note = "Exceeded limit 400 of words in a sentence.\nCan't add TACKON.\n";

  Ran late_enclitic = run_text(*lex, full + "egomet nosmet uirumque.\n");
  ASSERT_EQ(late_enclitic.sentences.size(), 1u);
  auto f = forms(late_enclitic.sentences[0]);
  ASSERT_EQ(f.size(), 398u);
  EXPECT_EQ(std::vector<std::string>(f.end() - 6, f.end()),
            (std::vector<std::string>{"ego", "met", "nos", "met", "uirumque", "."}));
  EXPECT_NE(late_enclitic.log.find(enclitic_note), std::string::npos);
  EXPECT_TRUE(late_enclitic.warnings.empty());

  Ran late_tackon = run_text(*lex, full + "uirumque tuque egomet.\n");
  f = forms(late_tackon.sentences[0]);
  EXPECT_EQ(std::vector<std::string>(f.end() - 6, f.end()),
            (std::vector<std::string>{"que", "uirum", "que", "tu", "egomet", "."}));
  EXPECT_NE(late_tackon.log.find(tackon_note), std::string::npos);
  ASSERT_EQ(late_tackon.warnings.size(), 1u);
  EXPECT_EQ(late_tackon.warnings[0], tackon_note);
}

// The lines the word rules write stand in the listing under their own word,
// not above the sentence's first word; a word read again from the run's
// memory gets them again.
TEST(SentenceAnalysis, RuleLinesStandWithTheirWord) {
  REQUIRE_REAL_LEXICON(lex);
  Ran r = run_text(*lex, "Amo reamat amandi. Reamat.\n");
  const auto amo = r.log.find("Amo\n");
  const auto prefix = r.log.find("reamat\n+PREFIX re = re-.\n");
  const auto gerund = r.log.find("amandi\n+ Gerund:\n");
  ASSERT_NE(amo, std::string::npos) << r.log;
  EXPECT_NE(prefix, std::string::npos) << r.log;
  EXPECT_NE(gerund, std::string::npos) << r.log;
  EXPECT_LT(amo, prefix);
  EXPECT_EQ(r.log.find("+PREFIX"), prefix + 7) << r.log;
  EXPECT_NE(r.log.find("Reamat\n+PREFIX re = re-.\n"), std::string::npos) << r.log;
}

TEST(SentenceAnalysis, ListingInTheParseLogAndTheProperNameMemo) {
  REQUIRE_REAL_LEXICON(lex);
  Ran r = run_text(*lex, "Zqxorix uenit. Zqxorix abiit.\n");
  EXPECT_NE(r.log.find("uen.it - uenio uenire ueni uentus\ncome"), std::string::npos) << r.log;
  EXPECT_NE(r.log.find("VERB 4 1  PERF    ACTIVE    IND    3   SING"), std::string::npos);
  // The second time the name is known from the run's word hash.
  auto first = r.log.find("Zqxorix\n");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(r.log.find("(Hash #", first), std::string::npos);
  EXPECT_NE(r.log.find("Done. No. of words translated in file = 4.\n"), std::string::npos);
}

// A repeat of a sentence after automatic area selection reads the meanings of
// the chosen area: the word analysis sees the run's area, not its own copy.
TEST(SentenceAnalysis, ARepeatAfterTheAreaTallyUsesTheChosenArea) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  opts.translate = true;
  opts.auto_adjusting = true;
  WordAnalyzer wa(*lex, nullptr, opts);
  struct Handler : TokenAnalyzer {
    using TokenAnalyzer::TokenAnalyzer;
    std::vector<char> areas_seen;
    const WordAnalyzer* wa = nullptr;
    void analyse(text::SentenceWords& w, text::RunContext& run) override {
      TokenAnalyzer::analyse(w, run);
      areas_seen.push_back(wa->options().area);
    }
    void translate(text::SentenceWords&, text::RunContext& run) override {
      if (run.rerun) return;
      run.area.current_area = 'L';
      run.rerun_requested = true;
    }
  } handler(wa);
  handler.wa = &wa;
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  text::TranslationRun run(lex, opts, gate, log);
  run.run("Miles in castra uenit.\n", 0, handler);
  EXPECT_EQ(handler.areas_seen, (std::vector<char>{0, 'L'}));
}
