// The readers' tools: a directory list and the searches of a tree of 10,000
// text files, the spell-check of the corpus, and the dictionary lookups.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench_corpus.h"
#include "bench_engine.h"
#include "kelvo/kelvo.h"
#include "shell/dictionary_search.h"
#include "shell/directory_list.h"
#include "shell/file_list_search.h"
#include "shell/forms_search.h"
#include "shell/spell_check.h"

namespace fs = std::filesystem;

namespace {

using kelvo::bench::engine;

// 10,000 short Latin texts in folders of 100, made once and removed at exit.
struct Tree {
  fs::path root;
  Tree() {
    root = fs::temp_directory_path() / ("kelvo-bench-tree-" + std::to_string(::getpid()));
    for (int i = 0; i < 10'000; ++i) {
      const fs::path dir = root / ("part" + std::to_string(i / 1000)) / ("sub" + std::to_string(i / 100 % 10));
      fs::create_directories(dir);
      std::ofstream(dir / ("text" + std::to_string(i) + ".txt"))
          << (i % 10 == 0 ? "Rex regem amat. Gallia est omnis divisa.\n" : "Puella rosam amat.\n");
    }
  }
  ~Tree() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
};

const Tree& tree() {
  static Tree t;
  return t;
}

kelvo::shell::DirectoryList tree_list() {
  const auto listing = kelvo::shell::list_text_files(tree().root.string(), {}, [] { return true; });
  return {tree().root.string(), listing.files, static_cast<long>(listing.files.size())};
}

void BM_ListTreeOf10000(benchmark::State& state) {
  const std::string root = tree().root.string();
  for (auto _ : state) {
    auto listing = kelvo::shell::list_text_files(root, {}, [] { return true; });
    benchmark::DoNotOptimize(listing.files.data());
  }
}
BENCHMARK(BM_ListTreeOf10000)->Unit(benchmark::kMillisecond);

void BM_SearchTreeOf10000(benchmark::State& state) {
  if (!engine()) return state.SkipWithError("no data");
  const auto list = tree_list();
  const bool word = state.range(0) == 1;
  kelvo::TranslationOptions options;
  options.batch_mode = true;
  kelvo::Translator translator(engine(), options);
  kelvo::RunOutputs outputs;
  outputs.senses = false;
  translator.set_outputs(outputs);
  kelvo::shell::FileSearchHooks hooks;
  hooks.analyse = [&](std::string_view text) { return translator.analyse(text); };
  kelvo::shell::SearchSettings settings;
  settings.item = word ? "reg" : "Rex";
  settings.kind = word ? kelvo::shell::SearchKind::word : kelvo::shell::SearchKind::text;
  for (auto _ : state) {
    auto outcome = kelvo::shell::search_file_list(settings, list, hooks);
    benchmark::DoNotOptimize(outcome.hits);
  }
  state.SetLabel(word ? "word search" : "text search");
}
BENCHMARK(BM_SearchTreeOf10000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The analysis of the whole corpus and what spell and search --forms add to it.
void BM_CorpusSpellAndForms(benchmark::State& state) {
  const std::string text = kelvo::bench::corpus_text();
  if (!engine()) return state.SkipWithError("no data");
  kelvo::TranslationOptions options;
  options.batch_mode = true;
  kelvo::Translator translator(engine(), options);
  const auto lemmas = kelvo::shell::lemmas_of(translator.lookup("rex"));
  std::vector<kelvo::shell::UnreadWord> unread;
  std::vector<kelvo::shell::FormHit> forms;
  kelvo::RunOutputs outputs;
  outputs.senses = false;
  outputs.on_sentence = [&](kelvo::Sentence&& s) {
    kelvo::shell::append_unread_words(s, unread);
    kelvo::shell::append_form_hits(s, lemmas, forms);
  };
  translator.set_outputs(outputs);
  for (auto _ : state) {
    unread.clear();
    forms.clear();
    auto analysis = translator.analyse(text);
    auto lines = kelvo::shell::mark_words(text, unread);
    benchmark::DoNotOptimize(kelvo::shell::spell_check_rtf(text, lines).size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetLabel("running text of every corpus file in " + kelvo::bench::corpus().dir.string());
}
BENCHMARK(BM_CorpusSpellAndForms)->Unit(benchmark::kMillisecond);

void BM_Lookups(benchmark::State& state) {
  if (!engine()) return state.SkipWithError("no data");
  const bool english = state.range(0) == 1;
  for (auto _ : state) {
    if (english) {
      benchmark::DoNotOptimize(kelvo::shell::search_english(*engine(), "love").size());
    } else {
      benchmark::DoNotOptimize(kelvo::shell::search_stems(*engine(), "am", false).hits.size());
    }
  }
  state.SetLabel(english ? "--english love" : "stem am");
}
BENCHMARK(BM_Lookups)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

KELVO_BENCHMARK_MAIN_WITH_CORPUS();
