#include "text/translation_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "base/text.h"
#include "grammar/codes.h"
#include "common/test_files.h"

namespace a = kelvo::text;
using kelvo::TranslationOptions;

namespace {

// Counts the words, keeps each sentence, and can ask for one repeat.
class Recorder : public a::SentenceHandler {
 public:
  std::vector<std::string> analysed, translated;
  bool ask_rerun_once = false;
  void analyse(a::SentenceWords& w, a::RunContext& run) override {
    analysed.push_back(run.sentence);
    for (int i = 0; i < run.token_count; ++i)
      if (kelvo::grammar::punctuation_token_code(w.token(i)) < 0) run.count_word();
  }
  void translate(a::SentenceWords& w, a::RunContext& run) override {
    translated.push_back(std::string(w.token(0)) + (run.rerun ? " (again)" : ""));
    w.set_token(0, "changed");
    if (ask_rerun_once && !run.rerun) {
      run.rerun_requested = true;
      ask_rerun_once = false;
    }
  }
};

struct RunFixture {
  kelvo::testing::TempDir dir;
  kelvo::RecordingHost host;
  kelvo::WarningGate gate{host};
  kelvo::ParseLog log;
  Recorder handler;
  a::RunOutcome outcome;
  std::string prepared;

  std::string run(const std::string& latin, TranslationOptions o = {}, std::int64_t elapsed = 0,
                  a::TranslationRun** keep = nullptr) {
    log.open_memory();
    log.clear_text();
    auto* r = new a::TranslationRun(nullptr, o, gate, log);
    r->set_banner([](kelvo::ParseLog& l, const TranslationOptions&) { l.write("BANNER\n"); });
    r->set_clock([elapsed] { return 1000 + elapsed; });
    outcome = r->run(latin, 1000, handler);
    prepared = r->prepared_text();
    if (keep) *keep = r; else delete r;
    return log.text();
  }
};

}  // namespace

TEST(TranslationRun, ElapsedTimeText) {
  EXPECT_EQ(a::elapsed_time_text(75'500), "00:01:15.50");
  EXPECT_EQ(a::elapsed_time_text(0), "00:00:00.00");
  EXPECT_EQ(a::elapsed_time_text(3'723'250), "01:02:03.25");
}

TEST(TranslationRun, WordAnalysisOnlyWritesCountAndTime) {
  RunFixture f;
  std::string log = f.run("Gallia est omnis divisa. Caesar venit.\n", {}, 75'500);
  EXPECT_EQ(log, "BANNER\nDone. No. of words translated in file = 6.\n\nTime taken = 00:01:15.50.\n");
  EXPECT_EQ(f.handler.analysed.size(), 2u);
  EXPECT_TRUE(f.handler.translated.empty());
  EXPECT_EQ(f.outcome.total_tokens, 8);
  EXPECT_EQ(f.prepared, "Gallia est omnis divisa.\n Caesar venit.\n");
  // The run works in memory: it leaves no file behind.
  EXPECT_TRUE(std::filesystem::is_empty(f.dir.path()));
}

TEST(TranslationRun, TranslationSkipsLoneStopsAndWarnsOnSingleWords) {
  RunFixture f;
  TranslationOptions o;
  o.translate = true;
  o.joint = true;
  std::string log = f.run("Veni. . Vidi vici.\n", o);
  EXPECT_NE(log.find("Veni.\nCannot safely sentence-translate one word!\n"), std::string::npos);
  EXPECT_NE(log.find(" Vidi vici.\n"), std::string::npos);
  EXPECT_EQ(f.handler.translated, (std::vector<std::string>{"Ueni", "Uidi"}));
}

TEST(TranslationRun, EscapeEndsAfterTheCurrentSentence) {
  RunFixture f;
  f.host.escape_after_polls = 1;
  std::string log = f.run("Una. Duo. Tres.\n");
  EXPECT_EQ(f.outcome.status, a::RunStatus::cancelled);
  EXPECT_EQ(f.handler.analysed.size(), 1u);
  EXPECT_NE(log.find("Escape Pressed. Ending translation.\nDone. No. of words translated in file = 1.\n"
                     "\nTime taken = "),
            std::string::npos);
}

TEST(TranslationRun, CancelAtTooManyWordsEndsTheRun) {
  RunFixture f;
  f.host.ok_answer = false;
  std::string many;
  for (int i = 0; i < 450; ++i) many += "a ";
  std::string log = f.run("Primum. " + many + ". Ultimum.\n");
  EXPECT_EQ(f.outcome.status, a::RunStatus::cancelled);
  EXPECT_EQ(f.handler.analysed.size(), 1u);
  EXPECT_NE(log.find("Too many words/punctuation. Truncated at 398.\nEscape Pressed."), std::string::npos);
}

TEST(TranslationRun, ARepeatRestoresTheTokensAndDoesNotCountTwice) {
  RunFixture f;
  TranslationOptions o;
  o.translate = true;
  o.auto_adjusting = true;
  f.handler.ask_rerun_once = true;
  std::string log = f.run("Caesar venit. Roma manet.\n", o);
  EXPECT_EQ(f.handler.translated,
            (std::vector<std::string>{"Caesar", "Caesar (again)", "Roma"}));
  EXPECT_NE(log.find("in file = 4."), std::string::npos);
}

TEST(TranslationRun, LatinTextBufferStopsAtItsLimit) {
  RunFixture f;
  std::string text;
  while (text.size() < 300'000) text += "Caesar in Galliam venit et vicit.\n";
  a::TranslationRun* r = nullptr;
  f.run(text, {}, 0, &r);
  std::unique_ptr<a::TranslationRun> owner(r);
  EXPECT_TRUE(r->latin_text_overflow());
  EXPECT_LT(r->latin_text().size(), a::kLatinTextBufferSize);
  EXPECT_GT(r->latin_text().size(), a::kLatinTextBufferSize - 100);
  EXPECT_EQ(f.handler.analysed.size(), 300'000u / 34u + 1);
}

// Text that is not text is refused as bad input, and nothing is analysed;
// a word cut at its limit is reported in the outcome.
TEST(TranslationRun, BadInputAndCutWordsAreStatuses) {
  RunFixture f;
  f.run(std::string("Veni\0vidi.\n", 11));
  EXPECT_EQ(f.outcome.status, a::RunStatus::bad_input);
  EXPECT_EQ(f.outcome.error.kind, kelvo::ErrorKind::corrupt);
  EXPECT_TRUE(f.handler.analysed.empty());

  f.run("Veni " + std::string(150, 'x') + " vici.\n");
  EXPECT_EQ(f.outcome.status, a::RunStatus::limit_reached);
  f.run("Veni vidi vici.\n");
  EXPECT_EQ(f.outcome.status, a::RunStatus::complete);
}

// A word past its limit costs the rest of its sentence, never the sentences
// after it; each cut is kept with the input line its sentence begins on.
TEST(TranslationRun, CutsNameTheirLineAndTheRunGoesOn) {
  RunFixture f;
  f.run("Veni.\n" + std::string(150, 'x') + " vidi.\n" + std::string(3000, 'z') + ".\nVici.\n");
  EXPECT_EQ(f.outcome.status, a::RunStatus::limit_reached);
  EXPECT_EQ(f.handler.analysed, (std::vector<std::string>{"Veni.\n", "Vici.\n"}));
  std::vector<std::uint32_t> lines;
  for (const auto& c : f.outcome.cuts) lines.push_back(c.line);
  EXPECT_EQ(lines, (std::vector<std::uint32_t>{2, 3, 3}));
  ASSERT_FALSE(f.outcome.cuts.empty());
  const std::string& m = f.outcome.cuts[0].message;
  EXPECT_NE(m.find("'" + std::string(kelvo::kQuoteLimit, 'x') + "...'"), std::string::npos) << m;
  EXPECT_NE(m.find("left out"), std::string::npos) << m;
}

TEST(TranslationRun, LongSentenceLinesAreCutAtABlank) {
  RunFixture f;
  std::string text;
  for (int i = 0; i < 400; ++i) text += "uerbum ";  // 2,800 bytes without a stop
  f.run(text);
  ASSERT_EQ(f.handler.analysed.size(), 2u);
  EXPECT_LT(f.handler.analysed[0].size(), a::kSentenceBuffer);
  EXPECT_EQ(f.handler.analysed[0].back(), ' ');
  EXPECT_EQ(f.handler.analysed[1].substr(0, 6), "uerbum");
}
