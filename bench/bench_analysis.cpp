// Word analysis speed on the running text of the corpus: every word token, in
// text order, through the word driver with all its rules, on one core.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/word_driver.h"
#include "bench_corpus.h"
#include "bench_lexicon.h"
#include "grammar/lexicon.h"

using namespace kelvo;

namespace {

const std::vector<bench::WordToken>& running_words() {
  static const std::vector<bench::WordToken> words = bench::word_tokens(bench::corpus_text());
  return words;
}

// One pass over the whole text per iteration; no word is remembered between
// words (the run's proper names and the memo are off).
void BM_WordAnalysis(benchmark::State& state) {
  const grammar::Lexicon* lex = bench::lexicon();
  if (!lex) {
    state.SkipWithError("no built data in " KELVO_BENCH_DATA_DIR);
    return;
  }
  const auto& words = running_words();
  TranslationOptions opts;
  analysis::WordAnalyzer wa(*lex, nullptr, opts);
  std::vector<analysis::Candidate> out;
  std::size_t analyses = 0;
  for (auto _ : state) {
    for (const auto& w : words) {
      out.clear();
      analysis::AnalysisContext ctx;
      analysis::analyse_word(wa, w.form, w.first_in_sentence, false, out, ctx, w.question);
      analyses += out.size();
    }
  }
  const auto n = static_cast<std::int64_t>(state.iterations() * words.size());
  state.SetItemsProcessed(n);
  state.counters["analyses_per_word"] = static_cast<double>(analyses) / static_cast<double>(n);
  state.SetLabel(bench::corpus_label("running text of every corpus file", words.size()));
}
BENCHMARK(BM_WordAnalysis)->Unit(benchmark::kMillisecond);

}  // namespace

KELVO_BENCHMARK_MAIN_WITH_CORPUS();
