// Speed of the input preparation and the tokeniser over the running text of
// the corpus, in bytes of input per second:
// the preparation alone, with the tokeniser, and the whole run as `kelvo
// tokens` takes it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_corpus.h"
#include "text/input_preparation.h"
#include "text/input_text.h"
#include "text/sentence_words.h"
#include "text/tokeniser.h"
#include "text/translation_run.h"

namespace {

const std::string& text() {
  static const std::string t = kelvo::bench::corpus_text();
  return t;
}

const std::string& label() {
  static const std::string l = kelvo::bench::corpus_label(
      "running text of every corpus file", kelvo::bench::word_tokens(text()).size());
  return l;
}

void BM_DecodeAndPrepare(benchmark::State& state) {
  kelvo::TranslationOptions options;
  for (auto _ : state) {
    auto decoded = kelvo::text::decode_text(text());
    kelvo::text::InputPreparation prep(options, nullptr);
    std::string out = prep.prepare_text(*decoded);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text().size()));
  state.SetLabel(label());
}

void BM_PrepareAndTokenise(benchmark::State& state) {
  kelvo::TranslationOptions options;
  kelvo::RecordingHost host;
  auto words = std::make_unique<kelvo::text::SentenceWords>();
  kelvo::ParseLog log;
  for (auto _ : state) {
    kelvo::WarningGate gate(host);
    auto decoded = kelvo::text::decode_text(text());
    kelvo::text::InputPreparation prep(options, nullptr);
    std::string sentences = prep.prepare_text(*decoded);
    std::size_t pos = 0;
    long tokens = 0;
    while (pos < sentences.size()) {
      std::size_t nl = sentences.find('\n', pos);
      std::size_t end = nl == std::string::npos ? sentences.size() : nl + 1;
      tokens += kelvo::text::tokenise(std::string_view(sentences).substr(pos, end - pos),
                                          *words, options, gate, log).tokens;
      pos = end;
    }
    benchmark::DoNotOptimize(tokens);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text().size()));
  state.SetLabel(label());
}

// Counts the tokens of each sentence and nothing more.
class CountTokens : public kelvo::text::SentenceHandler {
 public:
  long tokens = 0;
  void analyse(kelvo::text::SentenceWords&, kelvo::text::RunContext& run) override {
    tokens += run.token_count;
  }
};

// The whole run as `kelvo tokens` takes it: raw text in memory, prepared,
// split and tokenised.
void BM_RunTokens(benchmark::State& state) {
  kelvo::TranslationOptions options;
  options.batch_mode = true;
  kelvo::RecordingHost host;
  kelvo::WarningGate gate(host);
  kelvo::ParseLog log;
  CountTokens handler;
  for (auto _ : state) {
    kelvo::text::TranslationRun run(nullptr, options, gate, log);
    run.run(text(), 0, handler);
    benchmark::DoNotOptimize(handler.tokens);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text().size()));
  state.SetLabel(label());
}

}  // namespace

BENCHMARK(BM_DecodeAndPrepare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrepareAndTokenise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunTokens)->Unit(benchmark::kMillisecond);
KELVO_BENCHMARK_MAIN_WITH_CORPUS();
