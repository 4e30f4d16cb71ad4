// Translation speed on the corpus: the whole road (word analysis, the
// sentence passes, the English passes) against the analysis alone, so that
// the difference shows what the sentence and English passes cost; on one
// core, and with the passes of several sentences at once on threads of
// their own (wall time), as `kelvo translate` runs a text with a core to
// spare; and as the window translates (the parse log and every sentence kept).
//
// The corpus is the one every benchmark reads (bench_corpus.h: --corpus=DIR,
// else KELVO_CORPUS, else ../shared/corpus beside the source tree); without
// it the program fails and says so.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_corpus.h"
#include "bench_engine.h"
#include "kelvo/kelvo.h"

namespace {

using kelvo::bench::engine;

template <bool Translate, bool Sentences, bool Overlap = false, bool AsTheWindow = false>
void run(benchmark::State& state) {
  if (!engine()) {
    state.SkipWithError("no data in " KELVO_BENCH_DATA_DIR);
    return;
  }
  static const std::string text = kelvo::bench::corpus_text();
  kelvo::TranslationOptions o;
  o.batch_mode = true;
  kelvo::Translator tr(engine(), o);
  kelvo::RunOutputs out;
  out.sentences = Sentences;
  out.senses = false;
  out.overlap = Overlap;
  // Each result handed over and dropped, as a printing caller would; the
  // window keeps the parse log and every sentence in the result.
  out.log = AsTheWindow;
  if (AsTheWindow) out.senses = true;
  else if (Translate) out.on_translation = [](kelvo::TranslatedSentence&&) {};
  else out.on_sentence = [](kelvo::Sentence&&) {};
  tr.set_outputs(out);
  std::int64_t words = 0, per_run = 0;
  for (auto _ : state) {
    per_run = Translate ? tr.translate(text).word_count : tr.analyse(text).word_count;
    words += per_run;
  }
  state.SetLabel(kelvo::bench::corpus_label("running text of every corpus file",
                                            static_cast<std::size_t>(per_run)));
  state.SetItemsProcessed(words);
  state.counters["words_per_second"] =
      benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
}

// The English only (what `kelvo translate` prints).
void BM_TranslateCorpus(benchmark::State& s) { run<true, false>(s); }
// The English with every token's readings (`kelvo translate --format json`).
void BM_TranslateCorpusWithReadings(benchmark::State& s) { run<true, true>(s); }
// Word analysis and the sentence passes, the readings of every token built
// (`kelvo analyze`).
void BM_AnalyseCorpus(benchmark::State& s) { run<false, true>(s); }
// The English with the passes of several sentences at once on threads of
// their own (`kelvo translate` with a core to spare).
void BM_TranslateCorpusOverlapped(benchmark::State& s) { run<true, false, true>(s); }

// As the window translates: the log kept, every sentence with its readings
// kept in the result; on one core, and overlapped (wall time).
void BM_TranslateCorpusAsTheWindow(benchmark::State& s) { run<true, true, false, true>(s); }
void BM_TranslateCorpusAsTheWindowOverlapped(benchmark::State& s) {
  run<true, true, true, true>(s);
}

BENCHMARK(BM_TranslateCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateCorpusWithReadings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateCorpusOverlapped)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateCorpusAsTheWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateCorpusAsTheWindowOverlapped)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

KELVO_BENCHMARK_MAIN_WITH_CORPUS();
