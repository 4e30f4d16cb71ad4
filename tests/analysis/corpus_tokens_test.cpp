// The corpus as sentences of tokens, for the word-rule tests.
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/input_preparation.h"
#include "analysis/input_text.h"
#include "analysis/sentence_words.h"
#include "analysis/tokeniser.h"

namespace kelvo::testing {

std::vector<std::vector<std::string>> corpus_sentences(const std::string& file) {
  std::vector<std::vector<std::string>> out;
  std::ifstream in(std::filesystem::path(KELVO_SHARED_DIR) / "corpus" / file, std::ios::binary);
  if (!in) return out;
  std::ostringstream ss;
  ss << in.rdbuf();
  auto decoded = analysis::decode_text(ss.str());
  if (!decoded) return out;
  TranslationOptions options;
  analysis::InputPreparation prep(options, nullptr);
  const std::string lines = prep.prepare_text(*decoded);
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  auto words = std::make_unique<analysis::SentenceWords>();
  std::size_t pos = 0;
  while (pos < lines.size()) {
    std::size_t nl = lines.find('\n', pos);
    std::size_t end = nl == std::string::npos ? lines.size() : nl + 1;
    int n = analysis::tokenise(std::string_view(lines).substr(pos, end - pos), *words, options,
                               gate, log);
    pos = end;
    std::vector<std::string> sentence;
    for (int i = 0; i < n; ++i) sentence.emplace_back(words->token(i));
    if (!sentence.empty()) out.push_back(std::move(sentence));
  }
  return out;
}

}  // namespace kelvo::testing
