#include "syntax/sentence_analysis.h"

#include <algorithm>

#include "syntax/choice.h"
#include "syntax/clause_analysis.h"
#include "syntax/details.h"
#include "syntax/ordering.h"
#include "syntax/partner.h"

namespace kelvo::syntax {

using namespace grammar;

namespace {

// Fills the scratch for a new sentence. False when the table is not in word
// order (word analysis restarted it at its limit): then only the ordering and
// the first reading of each word are used.
bool prepare(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  sc.count = s.words.analysis_count();
  int last = -1;
  bool ordered = true;
  for (int i = 0; i < sc.count; ++i) {
    int p = s.at(i).position.get();
    if (p < last || p >= text::kMaxTokens) ordered = false;
    if (p > last) last = p;
  }
  int n = s.words.token_count();
  if (last + 1 > n) n = last + 1;
  sc.positions = n > text::kMaxTokens ? text::kMaxTokens : n;
  sc.tokens = sc.positions;
  sc.chosen.fill(-1);
  sc.word_flags.fill(0);
  sc.clause_count = 0;
  sc.relocated = false;
  sc.truncated = false;
  sc.vocative_position = sc.vocative_a = sc.vocative_b = -1;
  sc.reset_clause();
  int first = 0;
  for (int i = 0; i < sc.count; ++i) {
    int p = s.at(i).position.get();
    if (i == 0 || p != s.at(i - 1).position.get()) first = i;
    sc.origin_token[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(p);
    sc.origin_candidate[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i - first);
  }
  return ordered;
}

// Without the choice: each word's first live reading.
void choose_first(SentenceView& s) {
  for (int p = 0; p < s.positions(); ++p)
    s.scratch.chosen[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(s.first_live_of(p));
}

}  // namespace

void analyse_sentence(text::SentenceWords& words, const TranslationOptions& options,
                      SyntaxScratch& scratch, const SyntaxEnv& env) {
  SentenceView s(words, scratch, options, env);
  const bool usable = prepare(s);
  order_candidates(words, scratch, options, s.area());
  s.index_words();
  for (int i = 0; i < scratch.count; ++i) {
    WordAnalysis& a = s.at(i);
    scratch.speech_before[static_cast<std::size_t>(i)] = a.speech;
    a.set_role_code(role_code_of(a));
  }
  if (usable && env.passes >= Passes::clauses) clause_analysis(s);
  if (usable && env.passes >= Passes::choice)
    choose_analyses(s);
  else
    choose_first(s);
  if (options.details && env.log) write_details(s, *env.log);
}

int word_choices(const text::SentenceWords& words, const SyntaxScratch& scratch,
                 std::span<WordChoice> out) {
  const int n = scratch.tokens < static_cast<int>(out.size()) ? scratch.tokens
                                                               : static_cast<int>(out.size());
  for (int t = 0; t < n; ++t) out[static_cast<std::size_t>(t)] = WordChoice{};
  for (int p = 0; p < scratch.positions; ++p) {
    int c = scratch.chosen[static_cast<std::size_t>(p)];
    if (c < 0 || c >= scratch.count) continue;
    int token = scratch.origin_token[static_cast<std::size_t>(c)];
    if (token < 0 || token >= n) continue;
    WordChoice& wc = out[static_cast<std::size_t>(token)];
    wc.chosen_candidate = scratch.origin_candidate[static_cast<std::size_t>(c)];
    const WordAnalysis& a = words.analysis(c);
    int k_out = 0;
    for (int k = 0; k < 3; ++k) {
      int j = a.link(k);
      if (j < 0 || j >= scratch.count) continue;
      Code sp = words.analysis(j).speech;
      if (sp == pos::deleted || sp == pos::deleted_ai) continue;
      // Links to two readings of one word (a preposition tied to both cases
      // of its noun) name that word once.
      const std::int16_t linked = scratch.origin_token[static_cast<std::size_t>(j)];
      const auto kept = wc.linked_positions.begin() + k_out;
      if (std::find(wc.linked_positions.begin(), kept, linked) == kept)
        wc.linked_positions[static_cast<std::size_t>(k_out++)] = linked;
    }
  }
  return n;
}

}  // namespace kelvo::syntax
