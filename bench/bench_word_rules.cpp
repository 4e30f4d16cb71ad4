// Word analysis over classical and medieval corpus text: the core driver alone
// and with the word rules that run for words it leaves without analyses
// (prefixes, tackons, compound pronouns, derived words, medieval spellings).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/derived_words.h"
#include "analysis/indefinite_pronouns.h"
#include "analysis/input_text.h"
#include "analysis/medieval_spelling.h"
#include "analysis/prefixes.h"
#include "analysis/tackons.h"
#include "analysis/word_driver.h"
#include "base/text.h"
#include "grammar/lexicon.h"

namespace fs = std::filesystem;
using namespace kelvo;
using namespace kelvo::analysis;

namespace {

const grammar::Lexicon* lexicon() {
  static std::unique_ptr<grammar::Lexicon> lex = [] {
    TranslationOptions o;
    ParseLog log;
    RecordingHost host;
    WarningGate gate(host);
    auto r = grammar::load_lexicon(KELVO_BENCH_DATA_DIR, o, log, gate);
    return r ? std::make_unique<grammar::Lexicon>(std::move(*r)) : nullptr;
  }();
  return lex.get();
}

// The letter runs of a corpus text (a word list is all this measures).
std::vector<std::string> words_of(const char* file) {
  std::vector<std::string> out;
  std::ifstream in(fs::path(KELVO_SHARED_DIR) / "corpus" / file, std::ios::binary);
  if (!in) return out;
  std::ostringstream ss;
  ss << in.rdbuf();
  auto text = decode_text(ss.str());
  if (!text) return out;
  std::string w;
  for (char c : *text + " ") {
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
  out.clear();
  WordResult r = analyse_word(wa, word, false, false, out, ctx);
  if (!rules || (!out.empty() && !r.proper_name)) return static_cast<int>(out.size());
  if (may_be_indefinite_pronoun(word)) {
    auto p = analyse_indefinite_pronoun(wa, word, ctx);
    if (!p.readings.empty()) return static_cast<int>(p.readings.size());
  }
  std::vector<Candidate> found;
  if (is_ascii_lower(word[0]) && word.size() > 4) try_prefixes(wa, word, found, ctx);
  if (found.empty()) {
    if (auto t = try_tackons(wa, word, ctx)) return static_cast<int>(t->host.size());
  }
  if (derived_word_rule_applies(word, found)) try_derived_words(wa, word, found, ctx);
  if (found.empty() && is_ascii_lower(word[0])) try_medieval_spellings(wa, word, found, ctx);
  return static_cast<int>(found.size() + out.size());
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
