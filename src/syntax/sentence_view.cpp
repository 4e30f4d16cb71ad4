#include "syntax/sentence_view.h"

namespace kelvo::syntax {

void SentenceView::strike(int i) {
  if (!live(i)) return;
  at(i).speech = grammar::pos::deleted;
  const int p = pos(i);
  if (p < 0 || p >= text::kMaxTokens) return;
  const auto u = static_cast<std::size_t>(p);
  --scratch.live_count[u];
  if (scratch.first_live[u] != i) return;
  int next = -1;
  for (int j = i + 1; j < scratch.word_end[u] && next < 0; ++j)
    if (live(j)) next = j;
  scratch.first_live[u] = static_cast<std::int16_t>(next);
}

void SentenceView::index_words() {
  scratch.word_first.fill(0);
  scratch.word_end.fill(0);
  scratch.live_count.fill(0);
  scratch.first_live.fill(-1);
  scratch.case_mask.fill(0);
  for (int i = 0; i < scratch.count; ++i) {
    int p = at(i).position.get();
    if (p < 0 || p >= text::kMaxTokens) continue;
    auto& first = scratch.word_first[static_cast<std::size_t>(p)];
    auto& end = scratch.word_end[static_cast<std::size_t>(p)];
    if (end == 0) first = static_cast<std::int16_t>(i);
    end = static_cast<std::int16_t>(i + 1);
    if (!live(i)) continue;
    const grammar::Code c = at(i).grammatical_case();
    scratch.case_mask[static_cast<std::size_t>(p)] |= static_cast<std::uint16_t>(1u << (c & 15));
    if (scratch.live_count[static_cast<std::size_t>(p)]++ == 0)
      scratch.first_live[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(i);
  }
}

void SentenceView::warn(std::string_view text) {
  if (env.log) env.log->write(text);
  if (env.warnings && !options.batch_mode) env.warnings->warn(text);
}

}  // namespace kelvo::syntax
