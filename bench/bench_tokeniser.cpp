// Speed of the input preparation and the tokeniser over the corpus (or a
// generated Latin text when the corpus is absent), in bytes of input per second:
// the preparation alone, with the tokeniser, and the whole run as `kelvo
// tokens` takes it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "text/input_preparation.h"
#include "text/input_text.h"
#include "text/sentence_words.h"
#include "text/tokeniser.h"
#include "text/translation_run.h"

namespace fs = std::filesystem;

namespace {

std::string corpus_text() {
  std::string text;
  const fs::path dir = fs::path(KELVO_SHARED_DIR) / "corpus";
  std::error_code ec;
  if (fs::is_directory(dir, ec)) {
    for (const auto& e : fs::directory_iterator(dir, ec)) {
      if (e.path().extension() != ".txt") continue;
      std::ifstream in(e.path(), std::ios::binary);
      std::ostringstream ss;
      ss << in.rdbuf();
      text += ss.str();
    }
  }
  if (text.empty()) {
    while (text.size() < 4'000'000)
      text += "Gallia est omnis divisa in partes tres, quarum unam incolunt Belgae, aliam "
              "Aquitani, tertiam qui ipsorum lingua Celtae, nostra Galli appellantur.\n"
              "M. Tullius Cicero rei p. causa \"Quo usque tandem\" dixit; (vide.)\n";
  }
  return text;
}

const std::string& text() {
  static const std::string t = corpus_text();
  return t;
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
}

}  // namespace

BENCHMARK(BM_DecodeAndPrepare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrepareAndTokenise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunTokens)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
