// Scaling of analysis over many texts with one engine and one translator per
// thread, as `kelvo analyze -j N` runs it: the corpus texts, each four times,
// shared among 1 to N threads. Wall time is what falls with more threads.
//
// The corpus is the one every benchmark reads (bench_corpus.h: --corpus=DIR,
// else KELVO_CORPUS, else ../shared/corpus beside the source tree); without
// it the program fails and says so.
#include <benchmark/benchmark.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "bench_corpus.h"
#include "bench_engine.h"
#include "kelvo/kelvo.h"

namespace {

// Every corpus text four times over.
const std::vector<std::string>& texts() {
  static const std::vector<std::string> v = [] {
    std::vector<std::string> out;
    for (int copy = 0; copy < 4; ++copy)
      for (const auto& t : kelvo::bench::corpus().texts) out.push_back(t.bytes);
    return out;
  }();
  return v;
}

using kelvo::bench::engine;

void BM_AnalyseCorpusThreads(benchmark::State& state) {
  const auto& all = texts();
  if (!engine()) {
    state.SkipWithError("no data in " KELVO_BENCH_DATA_DIR);
    return;
  }
  const auto threads = static_cast<unsigned>(state.range(0));
  std::vector<kelvo::Translator> translators;
  for (unsigned k = 0; k < threads; ++k) translators.emplace_back(engine(), kelvo::TranslationOptions{});
  std::size_t bytes = 0;
  for (const auto& t : all) bytes += t.size();
  long words = 0;
  for (auto _ : state) {
    std::atomic<std::size_t> next{0};
    std::atomic<long> counted{0};
    auto work = [&](unsigned k) {
      for (std::size_t i; (i = next.fetch_add(1)) < all.size();)
        counted += translators[k].analyse(all[i]).word_count;
    };
    std::vector<std::thread> pool;
    for (unsigned k = 1; k < threads; ++k) pool.emplace_back(work, k);
    work(0);
    for (auto& t : pool) t.join();
    words = counted;
  }
  state.SetLabel("corpus x4: " + kelvo::bench::corpus().dir.string());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["words_per_second"] =
      benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_AnalyseCorpusThreads)
    ->DenseRange(1, static_cast<int>(std::max(2u, std::thread::hardware_concurrency())))
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

KELVO_BENCHMARK_MAIN_WITH_CORPUS();
