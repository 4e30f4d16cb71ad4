// Word analysis speed on real Latin, and a whole `kelvo parse` process beside
// the peer parser `whitakers-words` on the same word list.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/word_driver.h"
#include "bench_lexicon.h"
#include "grammar/lexicon.h"

namespace fs = std::filesystem;
using namespace kelvo;

namespace {

// The corpus word list expanded by frequency (the real distribution of
// tokens), or a small built list when the corpus is absent.
const std::vector<std::string>& corpus_tokens() {
  static std::vector<std::string> tokens = [] {
    std::vector<std::string> v;
    std::ifstream f(std::string(KELVO_SHARED_DIR) + "/corpus/latin-words-by-frequency.tsv");
    std::string word;
    long count;
    while (f >> word >> count)
      for (long i = 0; i < count; ++i) v.push_back(word);
    if (v.empty()) {
      for (const char* w : {"amicus", "regibus", "bonae", "amabantur", "esse", "fuit", "quae",
                            "in", "et", "gallia", "omnis", "divisa", "partes", "tres"})
        v.emplace_back(w);
    }
    return v;
  }();
  return tokens;
}

using bench::lexicon;

void BM_WordAnalysis(benchmark::State& state) {
  const grammar::Lexicon* lex = lexicon();
  if (!lex) {
    state.SkipWithError("no data");
    return;
  }
  TranslationOptions opts;
  analysis::WordAnalyzer wa(*lex, nullptr, opts);
  const auto& words = corpus_tokens();
  std::vector<analysis::Candidate> out;
  out.reserve(256);
  std::size_t i = 0, analyses = 0;
  for (auto _ : state) {
    out.clear();
    analysis::AnalysisContext ctx;
    analysis::analyse_word(wa, words[i], false, false, out, ctx);
    analyses += out.size();
    if (++i == words.size()) i = 0;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
  state.counters["analyses_per_word"] =
      static_cast<double>(analyses) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WordAnalysis);

// The distinct corpus words, one a line, for the two whole-process runs.
std::string word_list_file() {
  static std::string path = [] {
    std::string p = (fs::temp_directory_path() / "kelvo_bench_words.txt").string();
    std::ofstream f(p);
    std::vector<std::string> seen;
    std::string last;
    std::ifstream in(std::string(KELVO_SHARED_DIR) + "/corpus/latin-words-by-frequency.tsv");
    std::string word;
    long count;
    int n = 0;
    while (in >> word >> count && n < 5000) {
      f << word << "\n";
      ++n;
    }
    if (n == 0) f << "amicus\nregibus\nbonae\n";
    return p;
  }();
  return path;
}

void BM_KelvoParseProcess(benchmark::State& state) {
  std::string home = (fs::temp_directory_path() / "kelvo_bench_home").string();
  std::string cmd = std::string(KELVO_EXE) + " parse --home " + home + " --data " +
                    KELVO_BENCH_DATA_DIR + " " + word_list_file() + " > /dev/null 2>&1";
  for (auto _ : state)
    if (std::system(cmd.c_str()) != 0) state.SkipWithError("kelvo parse failed");
}
BENCHMARK(BM_KelvoParseProcess)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PeerParserProcess(benchmark::State& state) {
  if (std::system("command -v whitakers-words > /dev/null 2>&1") != 0) {
    state.SkipWithError("whitakers-words is not installed");
    return;
  }
  std::ifstream in(word_list_file());
  std::string words, w;
  while (in >> w) words += " " + w;
  std::string cmd = "cd /usr/share/whitakers-words && whitakers-words" + words +
                    " > /dev/null 2>&1";
  for (auto _ : state)
    if (std::system(cmd.c_str()) != 0) state.SkipWithError("whitakers-words failed");
}
BENCHMARK(BM_PeerParserProcess)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
