// One sentence as the passes see it: the analysis table of SentenceWords, the
// pass storage, the options and where messages go, with the small lookups
// every rule needs (is an analysis live, where does a word start).
#pragma once
#include <string_view>

#include "base/host.h"
#include "base/options.h"
#include "base/parse_log.h"
#include "grammar/records.h"
#include "syntax/syntax_scratch.h"
#include "text/input_preparation.h"
#include "text/sentence_words.h"

namespace kelvo::syntax {

// What a run lends the passes besides the sentence itself.
struct SyntaxEnv {
  ParseLog* log = nullptr;             // messages, and the Details listing
  WarningGate* warnings = nullptr;     // message boxes under the run's limit
  const text::PersonCounts* persons = nullptr;  // the document's personal pronouns
  Passes passes = Passes::choice;
  // The area the run prefers now: automatic area selection moves it from
  // sentence to sentence. Negative: the options' area.
  int area = -1;
};

class SentenceView {
 public:
  SentenceView(text::SentenceWords& w, SyntaxScratch& s, const TranslationOptions& o,
               const SyntaxEnv& e)
      : words(w), scratch(s), options(o), env(e) {}

  text::SentenceWords& words;
  SyntaxScratch& scratch;
  const TranslationOptions& options;
  const SyntaxEnv& env;

  // The preferred area letter for this sentence, 0 for none.
  char area() const { return env.area >= 0 ? static_cast<char>(env.area) : options.area; }

  int count() const { return scratch.count; }
  int positions() const { return scratch.positions; }
  // One unsigned comparison: the passes ask this of every reading they visit.
  bool valid(int i) const {
    return static_cast<unsigned>(i) < static_cast<unsigned>(scratch.count);
  }
  grammar::WordAnalysis& at(int i) { return words.analysis(i); }
  const grammar::WordAnalysis& at(int i) const { return words.analysis(i); }
  // Not struck out by the grammar rules (0) nor by the sense logic (255).
  bool live(int i) const {
    if (!valid(i)) return false;
    grammar::Code s = at(i).speech;
    return s != grammar::pos::deleted && s != grammar::pos::deleted_ai;
  }
  grammar::Code speech(int i) const { return valid(i) ? at(i).speech : grammar::Code{0}; }
  bool is(int i, grammar::Code s) const { return live(i) && at(i).speech == s; }
  int pos(int i) const { return valid(i) ? at(i).position.get() : -1; }
  std::string_view latin(int i) const { return valid(i) ? at(i).latin_text() : std::string_view(); }
  std::string_view meaning(int i) const {
    return valid(i) ? at(i).meaning_text() : std::string_view();
  }

  bool valid_pos(int p) const {
    return static_cast<unsigned>(p) < static_cast<unsigned>(scratch.positions);
  }
  // The analyses of word position p: [first_of(p), end_of(p)); empty when none.
  int first_of(int p) const {
    return valid_pos(p) ? scratch.word_first[static_cast<std::size_t>(p)] : 0;
  }
  int end_of(int p) const { return valid_pos(p) ? scratch.word_end[static_cast<std::size_t>(p)] : 0; }
  int first_live_of(int p) const {
    return valid_pos(p) ? scratch.first_live[static_cast<std::size_t>(p)] : -1;
  }
  int live_count_of(int p) const {
    return valid_pos(p) ? scratch.live_count[static_cast<std::size_t>(p)] : 0;
  }
  // Whether word p has a reading that can agree in case with case c.
  bool may_agree_in_case(int p, grammar::Code c) const {
    if (!valid_pos(p)) return false;
    const unsigned mask = scratch.case_mask[static_cast<std::size_t>(p)];
    return c == 0 || c > 15 || (mask & ((1u << c) | 1u)) != 0;
  }
  std::uint8_t& flags_of(int p) { return scratch.word_flags[static_cast<std::size_t>(p)]; }
  std::uint8_t flags_of(int p) const {
    return valid_pos(p) ? scratch.word_flags[static_cast<std::size_t>(p)] : std::uint8_t{0};
  }

  // Recomputes the word ranges and live counts after records moved or
  // positions changed.
  void index_words();

  // Strikes analysis i out (speech 0), keeping the per-word counts in step.
  void strike(int i);
  // Follows link k of i: the linked analysis, or -1 when empty or out of range.
  int linked(int i, int k) const {
    if (!valid(i)) return -1;
    int j = at(i).link(k);
    return valid(j) ? j : -1;
  }
  // Writes a message to the log and shows it under the run's limit (never in
  // batch mode).
  void warn(std::string_view text);
};

}  // namespace kelvo::syntax
