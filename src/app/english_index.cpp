#include "app/english_index.h"

#include <algorithm>

#include "app/text_codec.h"

namespace kelvo::app {

TokenIndex english_index(std::shared_ptr<const TextAnalysis> analysis,
                         const std::vector<EnglishLine>& lines, const QString& pane_text) {
  std::vector<TokenIndex::Span> spans;
  if (!analysis) return {};
  const std::size_t n = std::min(lines.size(), analysis->sentences.size());
  qsizetype from = 0;
  for (std::size_t s = 0; s < n; ++s) {
    const EnglishLine& line = lines[s];
    if (line.english.empty()) continue;
    const QString english = decode_text(line.english);
    const qsizetype at = pane_text.indexOf(english, from);
    if (at < 0) break;
    from = at + english.size();
    const auto& tokens = analysis->sentences[s].tokens;
    // Each word is found after the one before it, within its line: the spans
    // come out by begin and never overlap.
    qsizetype word_from = at;
    for (const EnglishWord& w : line.words) {
      if (w.text.empty()) continue;
      const QString text = decode_text(w.text);
      const qsizetype found = pane_text.indexOf(text, word_from);
      if (found < 0 || found + text.size() > from) break;
      word_from = found + text.size();
      if (w.position < 0 || static_cast<std::size_t>(w.position) >= tokens.size()) continue;
      spans.push_back({static_cast<int>(found), static_cast<int>(word_from),
                       &tokens[static_cast<std::size_t>(w.position)]});
    }
  }
  return TokenIndex(std::move(analysis), std::move(spans));
}

}  // namespace kelvo::app
