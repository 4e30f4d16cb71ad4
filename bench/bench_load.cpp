// Start-up load of every lexical table from the built data folder.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

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
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
