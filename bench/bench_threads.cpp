// Scaling of analysis over many texts with one engine and one translator per
// thread, as `kelvo analyze -j N` runs it: the corpus texts, each four times,
// shared among 1 to N threads. Wall time is what falls with more threads.
//
// The corpus is read from $KELVO_CORPUS_DIR, else ../shared/corpus beside the
// source tree; without it the benchmark fails and says so.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench_engine.h"
#include "kelvo/kelvo.h"

namespace fs = std::filesystem;

namespace {

std::string corpus_dir() {
  const char* env = std::getenv("KELVO_CORPUS_DIR");
  return env && *env ? env : std::string(KELVO_SHARED_DIR) + "/corpus";
}

const std::vector<std::string>& texts() {
  static std::vector<std::string> v = [] {
    std::vector<std::string> out;
    std::error_code ec;
    for (int copy = 0; copy < 4; ++copy)
      for (const auto& e : fs::directory_iterator(corpus_dir(), ec)) {
        if (e.path().extension() != ".txt") continue;
        std::ifstream in(e.path(), std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        out.push_back(ss.str());
      }
    return out;
  }();
  return v;
}

using kelvo::bench::engine;

void BM_AnalyseCorpusThreads(benchmark::State& state) {
  const auto& all = texts();
  if (all.empty()) {
    state.SkipWithError(("no corpus texts in " + corpus_dir()).c_str());
    return;
  }
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
  state.SetLabel("corpus x4: " + corpus_dir());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["words_per_second"] =
      benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_AnalyseCorpusThreads)
    ->DenseRange(1, static_cast<int>(std::max(2u, std::thread::hardware_concurrency())))
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
