// On every text of the corpus, nearly every word token gets an analysis.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "analysis/token_analyzer.h"
#include "common/test_files.h"
#include "real_data.h"

namespace fs = std::filesystem;
using namespace kelvo;
using namespace kelvo::analysis;

namespace {

struct Coverage {
  int words = 0;
  int analysed = 0;
  std::map<std::string, int> unknown;
};

Coverage measure(const grammar::Lexicon& lex, const TranslationOptions& opts,
                 const std::string& file) {
  Coverage cov;
  WordAnalyzer wa(lex, nullptr, opts);
  TokenAnalyzer handler(wa, [&](const AnalysedSentence& s, const std::string&) {
    for (const auto& t : s.tokens) {
      if (t.punctuation) continue;
      ++cov.words;
      if (!t.candidates.empty()) {
        ++cov.analysed;
      } else {
        ++cov.unknown[t.form];
      }
    }
  });
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  TranslationOptions o = opts;
  o.batch_mode = true;
  text::TranslationRun run(&lex, o, gate, log);
  run.run(kelvo::testing::read_file(file), 0, handler);
  return cov;
}

}  // namespace

TEST(CorpusCoverage, NearlyEveryWordTokenIsAnalysed) {
  REQUIRE_REAL_LEXICON(lex);
  fs::path corpus = fs::path(KELVO_SHARED_DIR) / "corpus";
  KELVO_REQUIRE_SHARED(fs::is_directory(corpus), "the corpus beside the project");
  TranslationOptions opts;
  int texts = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    if (entry.path().extension() != ".txt") continue;
    ++texts;
    Coverage cov = measure(*lex, opts, entry.path().string());
    double rate = 100.0 * cov.analysed / std::max(cov.words, 1);
    std::multimap<int, std::string, std::greater<>> top;
    for (const auto& [w, n] : cov.unknown) top.emplace(n, w);
    std::string common;
    int k = 0;
    for (const auto& [n, w] : top) {
      if (k++ == 10) break;
      common += " " + w + "(" + std::to_string(n) + ")";
    }
    std::printf("%-50s %5d/%5d = %.2f%%  unknown:%s\n", entry.path().filename().c_str(),
                cov.analysed, cov.words, rate, common.c_str());
    EXPECT_GE(rate, 98.5) << entry.path().filename();
  }
  EXPECT_GT(texts, 0);
}
