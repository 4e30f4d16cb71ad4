// Word analysis speed on the running text of the corpus: every word token, in
// text order, through the word driver with all its rules, on one core; with
// and without the run's memory of words.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/word_driver.h"
#include "analysis/word_memo.h"
#include "bench_corpus.h"
#include "bench_lexicon.h"
#include "grammar/lexicon.h"

using namespace kelvo;

namespace {

const std::vector<bench::WordToken>& running_words() {
  static const std::vector<bench::WordToken> words = bench::word_tokens(bench::corpus_text());
  return words;
}

// One pass over the whole text per iteration. Without the memory every word
// is analysed; with it each pass is a new run whose memory starts empty, so a
// word costs an analysis the first time and a lookup after. No word is known
// as a proper name beforehand.
void analyse_running_text(benchmark::State& state, bool memo) {
  const grammar::Lexicon* lex = bench::lexicon();
  if (!lex) {
    state.SkipWithError("no built data in " KELVO_BENCH_DATA_DIR);
    return;
  }
  const auto& words = running_words();
  TranslationOptions opts;
  analysis::WordAnalyzer wa(*lex, nullptr, opts);
  std::vector<analysis::Candidate> out;
  std::size_t analyses = 0, remembered = 0;
  for (auto _ : state) {
    analysis::WordMemo run_memo(memo);
    for (const auto& w : words) {
      out.clear();
      analysis::AnalysisContext ctx;
      run_memo.analyse(wa, w.form, w.first_in_sentence, false, out, ctx, w.question);
      analyses += out.size();
    }
    remembered = run_memo.words();
  }
  const auto n = static_cast<std::int64_t>(state.iterations() * words.size());
  state.SetItemsProcessed(n);
  state.counters["analyses_per_word"] = static_cast<double>(analyses) / static_cast<double>(n);
  if (memo) state.counters["words_remembered"] = static_cast<double>(remembered);
  state.SetLabel(bench::corpus_label("running text of every corpus file", words.size()));
}

void BM_WordAnalysis(benchmark::State& state) { analyse_running_text(state, false); }
BENCHMARK(BM_WordAnalysis)->Unit(benchmark::kMillisecond);

void BM_WordAnalysisMemo(benchmark::State& state) { analyse_running_text(state, true); }
BENCHMARK(BM_WordAnalysisMemo)->Unit(benchmark::kMillisecond);

}  // namespace

KELVO_BENCHMARK_MAIN_WITH_CORPUS();
