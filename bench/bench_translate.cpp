// Translation speed on the corpus, one core: the whole road (word analysis,
// the sentence passes, the English passes) against the analysis alone, so
// that the difference shows what the sentence and English passes cost.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "kelvo/kelvo.h"

namespace fs = std::filesystem;

namespace {

std::shared_ptr<const kelvo::Engine> engine() {
  static std::shared_ptr<const kelvo::Engine> e = [] {
    kelvo::EngineConfig c;
    c.data_dir = KELVO_BENCH_DATA_DIR;
    auto r = kelvo::Engine::load(c);
    return r ? *r : nullptr;
  }();
  return e;
}

// Every text of the corpus, one after another (a short built text without it).
const std::string& corpus_text() {
  static std::string text = [] {
    std::string all;
    fs::path dir = fs::path(KELVO_SHARED_DIR) / "corpus";
    if (fs::exists(dir))
      for (const auto& f : fs::directory_iterator(dir)) {
        if (f.path().extension() != ".txt") continue;
        std::ifstream in(f.path(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        all += s.str() + "\n";
      }
    if (all.empty()) all = "Gallia est omnis divisa in partes tres. Puella rosas amat.\n";
    return all;
  }();
  return text;
}

template <bool Translate, bool Sentences>
void run(benchmark::State& state) {
  auto e = engine();
  if (!e) {
    state.SkipWithError("no data");
    return;
  }
  kelvo::TranslationOptions o;
  o.batch_mode = true;
  kelvo::Translator tr(e, o);
  kelvo::RunOutputs out;
  out.sentences = Sentences;
  out.senses = false;
  // Each result handed over and dropped, as a printing caller would.
  if (Translate) out.on_translation = [](kelvo::TranslatedSentence&&) {};
  else out.on_sentence = [](kelvo::Sentence&&) {};
  tr.set_outputs(out);
  std::int64_t words = 0;
  for (auto _ : state) {
    if (Translate) words += tr.translate(corpus_text()).word_count;
    else words += tr.analyse(corpus_text()).word_count;
  }
  state.SetItemsProcessed(words);
  state.counters["words_per_second"] =
      benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
}

// The English only (what `kelvo translate` prints).
void BM_TranslateCorpus(benchmark::State& s) { run<true, false>(s); }
// The English with every token's readings (`kelvo translate --format json`).
void BM_TranslateCorpusWithReadings(benchmark::State& s) { run<true, true>(s); }
// Word analysis alone, the readings of every token built (`kelvo analyze`).
void BM_AnalyseCorpus(benchmark::State& s) { run<false, true>(s); }

BENCHMARK(BM_TranslateCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateCorpusWithReadings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseCorpus)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
