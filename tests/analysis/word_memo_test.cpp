// The memory of a run's words answers exactly what analysing again gives:
// the same analyses, result and messages, under every key that changes them.
#include "analysis/word_memo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "analysis/token_analyzer.h"
#include "common/test_files.h"
#include "real_data.h"

namespace fs = std::filesystem;
using namespace kelvo;
using namespace kelvo::analysis;

namespace {

// One line per analysis with every byte of it and where it comes from.
std::string dump(const std::vector<Candidate>& cands) {
  std::ostringstream s;
  for (const Candidate& c : cands) {
    const auto* b = reinterpret_cast<const unsigned char*>(&c.analysis);
    for (std::size_t i = 0; i < sizeof c.analysis; ++i) s << static_cast<int>(b[i]) << ',';
    s << " | " << static_cast<int>(c.origin.table) << ' ' << c.origin.index << ' '
      << static_cast<int>(c.origin.source) << ' ' << c.origin.builtin_meaning << '\n';
  }
  return s.str();
}

std::string dump(const WordResult& r, const std::vector<Candidate>& out) {
  std::string s = std::to_string(r.added) + (r.proper_name ? " name\n" : "\n") + dump(out);
  if (r.split_off)
    s += "split " + r.split_off->text + (r.split_off->before_host ? " first\n" : "\n") +
         dump(r.split_off->candidates);
  return s;
}

struct Answer {
  std::string analyses;
  std::string log;
  std::vector<std::string> warnings;
};

struct Call {
  const char* word;
  bool first, known_proper, question;
};

// Analyses every call in turn, through `memo` or (null) directly, each at
// its own word position.
std::vector<Answer> answers(const WordAnalyzer& wa, WordMemo* memo,
                            const std::vector<Call>& calls) {
  std::vector<Answer> v;
  int position = 0;
  for (const Call& c : calls) {
    ParseLog log;
    log.open_memory();
    RecordingHost host;
    WarningGate gate(host);
    AnalysisContext ctx{&log, &gate, position, position / 2};
    ++position;
    std::vector<Candidate> out;
    WordResult r = memo ? memo->analyse(wa, c.word, c.first, c.known_proper, out, ctx, c.question)
                        : analyse_word(wa, c.word, c.first, c.known_proper, out, ctx, c.question);
    v.push_back(Answer{dump(r, out), log.text(), host.warnings});
  }
  return v;
}

void expect_same(const std::vector<Answer>& a, const std::vector<Answer>& b,
                 const std::vector<Call>& calls) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].analyses, b[i].analyses) << "call " << i << ": " << calls[i].word;
    EXPECT_EQ(a[i].log, b[i].log) << "call " << i << ": " << calls[i].word;
    EXPECT_EQ(a[i].warnings, b[i].warnings) << "call " << i << ": " << calls[i].word;
  }
}

}  // namespace

// Each form under each key, asked twice in mixed order: a name the run knows,
// a capital at the start of a sentence, an enclitic in a question, a gerund
// (whose analysis writes to the parse log), a tackon, a word of no analysis.
TEST(WordMemo, AnswersWhatAnalysingAgainGivesUnderEveryKey) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  opts.force_proper = true;  // a capital away from the sentence start reads as a name
  WordAnalyzer wa(*lex, nullptr, opts);
  std::vector<Call> calls;
  for (const char* w : {"Marcus", "Uenitne", "amandi", "uirumque", "Roma", "zzqx", "est"})
    for (int flags = 0; flags < 8; ++flags)
      calls.push_back(Call{w, (flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0});
  const std::size_t one_round = calls.size();
  for (std::size_t i = one_round; i-- > 0;) calls.push_back(calls[i]);

  WordMemo memo;
  expect_same(answers(wa, &memo, calls), answers(wa, nullptr, calls), calls);
  EXPECT_EQ(memo.misses(), one_round);
  EXPECT_EQ(memo.hits(), one_round);
  // The gerund's message is written again when the memory answers.
  auto again = answers(wa, &memo, {{"amandi", false, false, false}});
  EXPECT_NE(again[0].log.find("+ Gerund:"), std::string::npos);
}

TEST(WordMemo, ForgetsWhenTheOptionsChangeAndWhenSwitchedOff) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  const std::vector<Call> calls{{"amicus", false, false, false}, {"Caesar", true, false, false}};
  WordMemo memo;
  answers(wa, &memo, calls);
  opts.age = Age::classical;
  opts.area = 'L';
  wa.set_options(opts);
  expect_same(answers(wa, &memo, calls), answers(wa, nullptr, calls), calls);
  EXPECT_EQ(memo.hits(), 0u);
  memo.set_enabled(false);
  answers(wa, &memo, calls);
  EXPECT_EQ(memo.words(), 0u);
  EXPECT_EQ(memo.hits(), 0u);
}

namespace {

struct RunOutput {
  std::string analyses;  // every token's form and analyses, sentence by sentence
  std::string parse_log;
  std::vector<std::string> warnings;
};

RunOutput run_file(const grammar::Lexicon& lex, const TranslationOptions& opts,
                   const std::string& file, bool memo) {
  WordAnalyzer wa(lex, nullptr, opts);
  RunOutput out;
  TokenAnalyzer handler(wa, [&](const AnalysedSentence& s, const std::string&) {
    for (const auto& t : s.tokens) out.analyses += t.form + "\n" + dump(t.candidates);
    out.analyses += "--\n";
  });
  handler.set_memo(memo);
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  log.open_memory();
  text::TranslationRun run(&lex, opts, gate, log);
  run.run(kelvo::testing::read_file(file), 0, handler);
  if (memo) {
    EXPECT_GT(handler.memo().hits(), 0u) << file;
  }
  out.parse_log = log.text();
  // The time taken is the one line that may differ.
  if (auto t = out.parse_log.find("\nTime taken = "); t != std::string::npos)
    out.parse_log.erase(t, out.parse_log.find('\n', t + 1) - t);
  out.warnings = host.warnings;
  return out;
}

}  // namespace

// Over the whole corpus, with the options that change word analysis most.
TEST(WordMemo, CorpusRunsAreTheSameWithAndWithoutIt) {
  REQUIRE_REAL_LEXICON(lex);
  const fs::path corpus = fs::path(KELVO_SHARED_DIR) / "corpus";
  KELVO_REQUIRE_SHARED(fs::is_directory(corpus), "the corpus in " << corpus);
  TranslationOptions plain, names, classical;
  names.force_proper = true;
  classical.age = Age::classical;
  classical.area = 'W';
  classical.medieval_tricks = false;
  int texts = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    if (entry.path().extension() != ".txt") continue;
    ++texts;
    for (const TranslationOptions* o : {&plain, &names, &classical}) {
      RunOutput on = run_file(*lex, *o, entry.path().string(), true);
      RunOutput off = run_file(*lex, *o, entry.path().string(), false);
      EXPECT_TRUE(on.analyses == off.analyses) << entry.path().filename() << ": analyses differ";
      EXPECT_TRUE(on.parse_log == off.parse_log) << entry.path().filename() << ": logs differ";
      EXPECT_EQ(on.warnings, off.warnings) << entry.path().filename();
    }
  }
  EXPECT_GT(texts, 0);
}
