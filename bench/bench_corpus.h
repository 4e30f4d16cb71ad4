// The corpus a benchmark measures: found through --corpus=DIR, else the
// KELVO_CORPUS variable, else the shared folder beside the source tree. A
// missing or empty corpus ends the program with a message: figures measured on
// anything else would not be comparable.
#pragma once
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/host.h"
#include "base/parse_log.h"
#include "grammar/codes.h"
#include "text/input_preparation.h"
#include "text/input_text.h"
#include "text/sentence_words.h"
#include "text/tokeniser.h"

namespace kelvo::bench {

namespace fs = std::filesystem;

struct CorpusText {
  std::string name;   // file name
  std::string bytes;  // as stored
};

struct Corpus {
  fs::path dir;
  std::vector<CorpusText> texts;  // every *.txt, by name
};

inline Corpus& corpus_slot() {
  static Corpus c;
  return c;
}

inline const Corpus& corpus() { return corpus_slot(); }

// Reads the corpus before the benchmarks run; takes --corpus=DIR out of argv.
// Returns false (after saying why) when there is nothing to measure.
inline bool init_corpus(int& argc, char** argv) {
  std::string dir;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    std::string_view a = argv[i];
    if (a.starts_with("--corpus=")) {
      dir = std::string(a.substr(9));
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  const char* how = "--corpus";
  if (dir.empty()) {
    const char* env = std::getenv("KELVO_CORPUS");
    if (env && *env) {
      dir = env;
      how = "KELVO_CORPUS";
    } else {
      dir = std::string(KELVO_SHARED_DIR) + "/corpus";
      how = "the default place";
    }
  }
  Corpus& c = corpus_slot();
  std::error_code ec;
  c.dir = fs::weakly_canonical(dir, ec);
  if (ec) c.dir = dir;
  if (fs::is_directory(c.dir, ec)) {
    for (const auto& e : fs::directory_iterator(c.dir, ec)) {
      if (e.path().extension() != ".txt") continue;
      std::ifstream in(e.path(), std::ios::binary);
      std::ostringstream ss;
      ss << in.rdbuf();
      c.texts.push_back(CorpusText{e.path().filename().string(), ss.str()});
    }
  }
  std::sort(c.texts.begin(), c.texts.end(),
            [](const CorpusText& a, const CorpusText& b) { return a.name < b.name; });
  if (c.texts.empty()) {
    std::fprintf(stderr,
                 "%s: no corpus texts (*.txt) in %s (from %s).\n"
                 "Pass --corpus=DIR or set KELVO_CORPUS to a folder of Latin texts.\n",
                 argv[0], dir.c_str(), how);
    return false;
  }
  return true;
}

// The texts joined in name order: the running text of a whole run.
inline std::string corpus_text() {
  std::string all;
  for (const auto& t : corpus().texts) all += t.bytes;
  return all;
}

inline const CorpusText* corpus_file(std::string_view name) {
  for (const auto& t : corpus().texts)
    if (t.name == name) return &t;
  return nullptr;
}

// One word token as the sentence pass hands it to the word analysis.
struct WordToken {
  std::string form;
  bool first_in_sentence = false;
  bool question = false;  // the sentence ends in a question mark
};

// The word tokens of a text through the real input preparation and tokeniser,
// in running order.
inline std::vector<WordToken> word_tokens(std::string_view bytes) {
  std::vector<WordToken> out;
  TranslationOptions options;
  auto decoded = text::decode_text(bytes);
  if (!decoded) return out;
  text::InputPreparation prep(options, nullptr);
  const std::string sentences = prep.prepare_text(*decoded);
  auto words = std::make_unique<text::SentenceWords>();
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  std::size_t pos = 0;
  while (pos < sentences.size()) {
    std::size_t nl = sentences.find('\n', pos);
    std::size_t end = nl == std::string::npos ? sentences.size() : nl + 1;
    int n = text::tokenise(std::string_view(sentences).substr(pos, end - pos), *words, options,
                           gate, log).tokens;
    pos = end;
    if (n <= 0) continue;
    const bool question = words->token(n - 1) == "PUNCTB";
    for (int i = 0; i < n; ++i) {
      std::string_view t = words->token(i);
      if (grammar::punctuation_token_code(t) >= 0) continue;
      out.push_back(WordToken{std::string(t), i == 0, question});
    }
  }
  return out;
}

// What a benchmark measured, for its label.
inline std::string corpus_label(std::string_view what, std::size_t words) {
  return std::string(what) + " (" + std::to_string(words) + " words, " + corpus().dir.string() +
         ")";
}

}  // namespace kelvo::bench

// A benchmark main that reads the corpus first and fails without it.
#define KELVO_BENCHMARK_MAIN_WITH_CORPUS()                          \
  int main(int argc, char** argv) {                                 \
    if (!kelvo::bench::init_corpus(argc, argv)) return 2;           \
    benchmark::Initialize(&argc, argv);                             \
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1; \
    benchmark::RunSpecifiedBenchmarks();                            \
    benchmark::Shutdown();                                          \
    return 0;                                                       \
  }
