// Start-up load of every lexical table from the built data folder, and the
// set-up of one word analyser (each translator thread makes its own).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "analysis/word_analyzer.h"
#include "bench_lexicon.h"
#include "grammar/lexicon.h"

namespace {

long peak_rss_kb() {
  std::ifstream f("/proc/self/status");
  std::string line;
  while (std::getline(f, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

void BM_StartupLoad(benchmark::State& state) {
  for (auto _ : state) {
    kelvo::TranslationOptions opts;
    kelvo::ParseLog log;
    kelvo::RecordingHost host;
    kelvo::WarningGate gate(host);
    auto lex = kelvo::grammar::load_lexicon(KELVO_BENCH_DATA_DIR, log);
    if (!lex) {
      state.SkipWithError(lex.error().message.c_str());
      return;
    }
    kelvo::grammar::load_high_speed_hash(*lex, opts.allow_hash, log);
    benchmark::DoNotOptimize(lex->entries().data());
  }
  state.counters["peak_rss_MB"] = static_cast<double>(peak_rss_kb()) / 1024.0;
  state.SetLabel("every table of " KELVO_BENCH_DATA_DIR);
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond);

void BM_WordAnalyzerSetup(benchmark::State& state) {
  const kelvo::grammar::Lexicon* lex = kelvo::bench::lexicon();
  if (!lex) {
    state.SkipWithError("no built data in " KELVO_BENCH_DATA_DIR);
    return;
  }
  kelvo::TranslationOptions opts;
  for (auto _ : state) {
    kelvo::analysis::WordAnalyzer wa(*lex, nullptr, opts);
    benchmark::DoNotOptimize(&wa);
  }
}
BENCHMARK(BM_WordAnalyzerSetup)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
