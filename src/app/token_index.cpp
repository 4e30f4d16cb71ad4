#include "app/token_index.h"

#include <algorithm>

#include "app/text_codec.h"

namespace kelvo::app {

TokenIndex::TokenIndex(std::shared_ptr<const TextAnalysis> analysis, std::string_view text,
                       int pane_offset)
    : analysis_(std::move(analysis)) {
  if (!analysis_) return;
  const std::vector<int> pos = utf16_positions(text);
  for (const Sentence& s : analysis_->sentences) {
    for (const Token& t : s.tokens) {
      if (t.punctuation || t.begin >= t.end || t.end > text.size()) continue;
      spans_.push_back({pane_offset + pos[t.begin], pane_offset + pos[t.end], &t});
    }
  }
  std::stable_sort(spans_.begin(), spans_.end(),
                   [](const Span& a, const Span& b) { return a.begin < b.begin; });
}

TokenIndex::TokenIndex(std::shared_ptr<const TextAnalysis> analysis, std::vector<Span> spans)
    : analysis_(std::move(analysis)), spans_(std::move(spans)) {}

const TokenIndex::Span* TokenIndex::span_at(int pane_position) const {
  // The last span that begins at or before the position, if it reaches it.
  auto it = std::upper_bound(spans_.begin(), spans_.end(), pane_position,
                             [](int p, const Span& s) { return p < s.begin; });
  // Enclitics lie inside their word's span: prefer the innermost span.
  const Span* found = nullptr;
  for (auto back = it; back != spans_.begin();) {
    --back;
    if (pane_position < back->end) {
      if (!found || back->end - back->begin < found->end - found->begin) found = &*back;
    }
    if (pane_position - back->begin > 200) break;  // no token is that long
  }
  return found;
}

const TokenIndex::Span* TokenIndex::span_of(const Token* token) const {
  for (const Span& s : spans_)
    if (s.token == token) return &s;
  return nullptr;
}

const Token* TokenIndex::token_at(int pane_position) const {
  const Span* s = span_at(pane_position);
  return s ? s->token : nullptr;
}

}  // namespace kelvo::app
