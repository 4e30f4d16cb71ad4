// Word analysis over classical and medieval corpus text: the core driver alone
// and with the word rules that run for words it leaves without analyses
// (prefixes, tackons, compound pronouns, derived words, medieval spellings).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "text/input_text.h"
#include "analysis/word_driver.h"
#include "base/text.h"
#include "bench_lexicon.h"
#include "grammar/lexicon.h"

namespace fs = std::filesystem;
using namespace kelvo;
using namespace kelvo::analysis;

namespace {

using bench::lexicon;

// The letter runs of a corpus text (a word list is all this measures).
std::vector<std::string> words_of(const char* file) {
  std::vector<std::string> out;
  std::ifstream in(fs::path(KELVO_SHARED_DIR) / "corpus" / file, std::ios::binary);
  if (!in) return out;
  std::ostringstream ss;
  ss << in.rdbuf();
  auto decoded = text::decode_text(ss.str());
  if (!decoded) return out;
  std::string w;
  for (char c : *decoded + " ") {
    if (is_ascii_letter(c)) {
      w.push_back(c == 'v' ? 'u' : c == 'j' ? 'i' : c == 'V' ? 'U' : c == 'J' ? 'I' : c);
    } else if (!w.empty()) {
      out.push_back(std::move(w));
      w.clear();
    }
  }
  return out;
}

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
  const std::vector<std::string> words = words_of(file);
  if (!lex || words.empty()) {
    state.SkipWithError("built data or corpus absent");
    return;
  }
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
BENCHMARK_MAIN();
