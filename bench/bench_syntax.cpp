// Sentence analysis speed on real Latin: the whole road of a text (input
// preparation, tokens, word analysis and the sentence passes) with each level
// of the passes, and the passes alone on the same sentences already read.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench_corpus.h"
#include "bench_lexicon.h"
#include "syntax/sentence_analyzer.h"
#include "text/translation_run.h"

using namespace kelvo;

namespace {

// Caesar, Bellum Gallicum I: long sentences of classical prose.
constexpr const char* kText = "caesar-bellum-gallicum-1.txt";

// The text from the corpus the program was given (empty when the corpus
// lacks it).
const std::string& text() {
  static const std::string t = [] {
    const auto* f = bench::corpus_file(kText);
    return f ? f->bytes : std::string();
  }();
  return t;
}

TranslationOptions bench_options() {
  TranslationOptions o;
  o.translate = true;  // no word-by-word listing in the log
  o.batch_mode = true;
  o.single_word_error = false;
  return o;
}

// Runs the text once through `handler`; returns the words analysed.
int run_text(const grammar::Lexicon& lex, text::SentenceHandler& handler) {
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  text::TranslationRun run(&lex, bench_options(), gate, log);
  return run.run(text(), 0, handler).file_word_count;
}

void BM_TextThroughPasses(benchmark::State& state) {
  const grammar::Lexicon* lex = bench::lexicon();
  if (!lex || text().empty()) {
    state.SkipWithError(lex ? "the corpus has no caesar-bellum-gallicum-1.txt" : "no data");
    return;
  }
  const auto passes = static_cast<syntax::Passes>(state.range(0));
  analysis::WordAnalyzer wa(*lex, nullptr, bench_options());
  std::int64_t sentences = 0, words = 0;
  syntax::SentenceAnalyzer handler(
      wa, passes,
      [&](const analysis::AnalysedSentence&, text::SentenceWords&, syntax::SyntaxScratch&) {
        ++sentences;
      });
  for (auto _ : state) words += run_text(*lex, handler);
  state.SetLabel(bench::corpus().dir.string() + "/" + kText + (passes == syntax::Passes::order     ? ", ordering only"
                                       : passes == syntax::Passes::clauses ? ", + clauses"
                                                                           : ", + choice"));
  state.counters["words/s"] = benchmark::Counter(static_cast<double>(words),
                                                 benchmark::Counter::kIsRate);
  state.counters["sentences/s"] = benchmark::Counter(static_cast<double>(sentences),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TextThroughPasses)
    ->Arg(static_cast<int>(syntax::Passes::order))
    ->Arg(static_cast<int>(syntax::Passes::clauses))
    ->Arg(static_cast<int>(syntax::Passes::choice))
    ->Unit(benchmark::kMillisecond);

// A sentence's table as word analysis left it.
struct Snapshot {
  int tokens = 0;
  int words = 0;
  std::vector<grammar::WordAnalysis> analyses;
};

// Word analysis alone, keeping each sentence's table.
class Recorder : public text::SentenceHandler {
 public:
  explicit Recorder(analysis::WordAnalyzer& wa) : tokens_(wa) {}
  void analyse(text::SentenceWords& w, text::RunContext& run) override {
    tokens_.analyse(w, run);
    Snapshot s;
    s.tokens = run.token_count;
    for (int i = 0; i < w.analysis_count(); ++i) {
      s.analyses.push_back(w.analysis(i));
      if (i == 0 || w.analysis(i).position.get() != w.analysis(i - 1).position.get())
        s.words += w.analysis(i).speech != grammar::pos::punct;
    }
    sentences.push_back(std::move(s));
  }
  std::vector<Snapshot> sentences;

 private:
  analysis::TokenAnalyzer tokens_;
};

void BM_SentencePassesAlone(benchmark::State& state) {
  const grammar::Lexicon* lex = bench::lexicon();
  if (!lex || text().empty()) {
    state.SkipWithError(lex ? "the corpus has no caesar-bellum-gallicum-1.txt" : "no data");
    return;
  }
  analysis::WordAnalyzer wa(*lex, nullptr, bench_options());
  Recorder recorder(wa);
  run_text(*lex, recorder);
  auto words = std::make_unique<text::SentenceWords>();
  auto scratch = std::make_unique<syntax::SyntaxScratch>();
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  const TranslationOptions options = bench_options();
  syntax::SyntaxEnv env;
  env.passes = static_cast<syntax::Passes>(state.range(0));
  std::int64_t sentences = 0, analysed = 0;
  for (auto _ : state) {
    for (const Snapshot& s : recorder.sentences) {
      words->reset_cursors();
      words->set_token_count(s.tokens);
      for (const auto& a : s.analyses) {
        words->set_current_position(a.position.get());
        words->analysis(words->append_analysis(gate, log, true)) = a;
      }
      syntax::analyse_sentence(*words, options, *scratch, env);
      analysed += s.words;
    }
    sentences += static_cast<std::int64_t>(recorder.sentences.size());
  }
  state.SetLabel(kText);
  state.counters["words/s"] = benchmark::Counter(static_cast<double>(analysed),
                                                 benchmark::Counter::kIsRate);
  state.counters["sentences/s"] = benchmark::Counter(static_cast<double>(sentences),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SentencePassesAlone)
    ->Arg(static_cast<int>(syntax::Passes::order))
    ->Arg(static_cast<int>(syntax::Passes::clauses))
    ->Arg(static_cast<int>(syntax::Passes::choice))
    ->Unit(benchmark::kMillisecond);

}  // namespace

KELVO_BENCHMARK_MAIN_WITH_CORPUS();
