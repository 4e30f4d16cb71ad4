// Word analysis over classical and medieval corpus text: the core driver alone
// and with the word rules that run for words it leaves without analyses
// (prefixes, tackons, compound pronouns, derived words, medieval spellings).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/word_driver.h"
#include "bench_corpus.h"
#include "bench_lexicon.h"
#include "grammar/lexicon.h"

using namespace kelvo;
using namespace kelvo::analysis;

namespace {

using bench::lexicon;

int analyse(const WordAnalyzer& wa, const std::string& word, bool rules,
            std::vector<Candidate>& out) {
  AnalysisContext ctx;
  ctx.formation_rules = rules;
  out.clear();
  analyse_word(wa, word, false, false, out, ctx);
  return static_cast<int>(out.size());
}

void run(benchmark::State& state, const char* file, bool rules) {
  const grammar::Lexicon* lex = lexicon();
  if (!lex) {
    state.SkipWithError("no built data in " KELVO_BENCH_DATA_DIR);
    return;
  }
  const bench::CorpusText* text = bench::corpus_file(file);
  if (!text) {
    state.SkipWithError((std::string(file) + " is not in the corpus").c_str());
    return;
  }
  std::vector<std::string> words;
  for (auto& t : bench::word_tokens(text->bytes)) words.push_back(std::move(t.form));
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  std::vector<Candidate> out;
  out.reserve(64);
  for (auto _ : state) {
    long n = 0;
    for (const std::string& w : words) n += analyse(wa, w, rules, out);
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * words.size()));
  state.SetLabel(bench::corpus_label(file, words.size()));
}

void BM_ClassicalCore(benchmark::State& s) { run(s, "caesar-bellum-gallicum-1.txt", false); }
void BM_ClassicalWithRules(benchmark::State& s) { run(s, "caesar-bellum-gallicum-1.txt", true); }
void BM_MedievalCore(benchmark::State& s) { run(s, "einhard-vita-karoli-magni-ch1-22.txt", false); }
void BM_MedievalWithRules(benchmark::State& s) {
  run(s, "einhard-vita-karoli-magni-ch1-22.txt", true);
}

}  // namespace

BENCHMARK(BM_ClassicalCore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassicalWithRules)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MedievalCore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MedievalWithRules)->Unit(benchmark::kMillisecond);
KELVO_BENCHMARK_MAIN_WITH_CORPUS();
