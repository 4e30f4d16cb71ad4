#include "syntax/sentence_view.h"

namespace kelvo::syntax {

int SentenceView::first_live_of(int p) const {
  for (int i = first_of(p); i < end_of(p); ++i)
    if (live(i)) return i;
  return -1;
}

int SentenceView::live_count_of(int p) const {
  int n = 0;
  for (int i = first_of(p); i < end_of(p); ++i) n += live(i) ? 1 : 0;
  return n;
}

void SentenceView::index_words() {
  for (int p = 0; p < text::kMaxTokens; ++p) {
    scratch.word_first[static_cast<std::size_t>(p)] = 0;
    scratch.word_end[static_cast<std::size_t>(p)] = 0;
  }
  for (int i = 0; i < scratch.count; ++i) {
    int p = at(i).position.get();
    if (p < 0 || p >= text::kMaxTokens) continue;
    auto& first = scratch.word_first[static_cast<std::size_t>(p)];
    auto& end = scratch.word_end[static_cast<std::size_t>(p)];
    if (end == 0) first = static_cast<std::int16_t>(i);
    end = static_cast<std::int16_t>(i + 1);
  }
}

void SentenceView::warn(std::string_view text) {
  if (env.log) env.log->write(text);
  if (env.warnings && !options.batch_mode) env.warnings->warn(text);
}

}  // namespace kelvo::syntax
