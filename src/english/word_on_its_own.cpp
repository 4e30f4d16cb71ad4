#include "english/word_on_its_own.h"

#include <algorithm>

#include "base/host.h"
#include "base/parse_log.h"
#include "english/elaboration.h"
#include "english/polish.h"
#include "english/sentence_input.h"

namespace kelvo::english {

WordRenderer::WordRenderer(const analysis::WordAnalyzer& wa)
    : wa_(wa),
      words_(std::make_unique<text::SentenceWords>()),
      scratch_(std::make_unique<syntax::SyntaxScratch>()),
      out_(std::make_unique<OutputWords>()) {}

WordRenderer::~WordRenderer() = default;

std::vector<std::string> WordRenderer::render(std::span<const analysis::Candidate> candidates,
                                              const TranslationOptions& options, char area) {
  std::vector<std::string> result(candidates.size());
  const int n = static_cast<int>(std::min<std::size_t>(
      candidates.size(), std::min<std::size_t>(text::kMaxTokens, text::kMaxAnalyses - 1)));
  if (n == 0) return result;
  RecordingHost host;
  WarningGate gate(host);
  ParseLog log;
  words_->reset_cursors();
  sentence_.tokens.resize(static_cast<std::size_t>(n));
  syntax::SyntaxScratch& sc = *scratch_;
  sc.clause_count = 0;
  sc.opus_est_position = -1;
  for (int p = 0; p < n; ++p) {
    const auto i = static_cast<std::size_t>(p);
    // Each reading is a word position of its own.
    words_->set_current_position(p);
    const int k = words_->append_analysis(gate, log, true);
    words_->analysis(k) = candidates[i].analysis;
    words_->analysis(k).position.set(static_cast<std::int16_t>(p));
    for (int l = 0; l < 3; ++l) words_->analysis(k).set_link(l, -1);
    sentence_.tokens[i].candidates.assign(1, candidates[i]);
    sc.chosen[i] = static_cast<std::int16_t>(k);
    sc.origin_token[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(p);
    sc.origin_candidate[static_cast<std::size_t>(k)] = 0;
  }
  sc.positions = n;
  sc.count = n;
  SentenceInput in{*words_, sc, sentence_, wa_, options, area, true};
  elaborate(in, *out_);
  polish_word(in, *out_);
  for (int p = 0; p < n; ++p) result[static_cast<std::size_t>(p)] = out_->at(p);
  return result;
}

}  // namespace kelvo::english
