#include "english/polish.h"

#include "base/text.h"
#include "english/ablative_absolute.h"
#include "english/clause_repairs.h"
#include "english/idioms.h"
#include "english/phrase_repairs.h"
#include "english/sense_words.h"
#include "english/slot_finish.h"
#include "english/slot_moves.h"
#include "english/text_edit.h"
#include "english/word_order.h"
#include "english/word_rendering.h"

namespace kelvo::english {

using namespace grammar;

namespace {

const WordAnalysis* reading(const SentenceInput& in, const OutputWords& out, int i) {
  const int c = slot_reading(in, out, i);
  return c < 0 ? nullptr : &in.at(c);
}

// The words that only context tells apart, before anything else is decided.
void choose_senses(const SentenceInput& in, OutputWords& out, const PolishHooks& hooks) {
  if (!in.options.neural || in.single_word) return;
  if (hooks.senses) hooks.senses(in, out);
}

bool proper_name(const WordAnalysis& a, std::string_view slot) {
  if (a.speech != pos::noun) return false;
  const Code k = a.noun_kind();
  const bool named = k == noun_kind::proper || k == noun_kind::person || k == noun_kind::locale ||
                     k == noun_kind::country ||
                     (k == noun_kind::group && a.number() == number::sing &&
                      a.grammatical_case() == gcase::nom);
  if (!named) return false;
  const std::size_t skip = article_length(slot);
  return skip < slot.size() && is_ascii_upper(slot[skip]);
}

void drop_the(std::string& slot) {
  if (begins_with(slot, "the ")) {
    slot.erase(0, 4);
    return;
  }
  const std::size_t at = slot.find(" the ");
  if (at != std::string::npos) slot.erase(at + 1, 4);
}

// The head-word markers go, and names lose "the"; an imperative's "!" waits
// for the words that now follow it ("Love the girl!").
void finish_words(const SentenceInput& in, OutputWords& out) {
  for (int i = 0; i < out.count; ++i) {
    std::string& slot = out.at(i);
    if (slot.find('^') != std::string::npos) remove_head_marker(slot);
    if (ends_with(slot, "!") && slot.size() > 1) {
      int next = i + 1;
      while (next < out.count && out.at(next).empty()) ++next;
      const WordAnalysis* b = next < out.count ? reading(in, out, next) : nullptr;
      if (b && b->speech != pos::punct) slot.pop_back();
    }
    const WordAnalysis* a = reading(in, out, i);
    if (a && proper_name(*a, slot)) drop_the(slot);
  }
}

void capitalise_start(const SentenceInput& in, OutputWords& out) {
  for (int i = 0; i < out.count; ++i) {
    std::string& slot = out.at(i);
    if (slot.empty()) continue;
    const WordAnalysis* a = reading(in, out, i);
    if (a && a->speech == pos::punct) continue;
    const std::size_t k = slot[0] == '<' ? 1 : 0;
    if (k < slot.size() && is_ascii_lower(slot[k])) slot[k] = ascii_upper(slot[k]);
    break;
  }
}

void repair_all(const SentenceInput& in, OutputWords& out, const PolishHooks& hooks) {
  if (!hooks.repair) return;
  for (int i = 0; i < out.count; ++i) {
    const WordAnalysis* a = reading(in, out, i);
    if (a && skipped(a->speech)) continue;
    if (!out.at(i).empty()) hooks.repair(in, out, i);
  }
}

// Steps before the per-slot rendering, and the rendering itself.
void polish_to_rendering(const SentenceInput& in, OutputWords& out, const PolishHooks& hooks,
                         Copulas& copulas) {
  choose_senses(in, out, hooks);
  if (!in.single_word) {
    // Only the predicates and the word order read the copulas.
    copulas = collect_copulas(in);
    place_predicates(in, copulas, out);
    render_opus_est(in, out);
  }
  render_slots(in, out);
}

}  // namespace

PolishHooks default_polish_hooks() {
  PolishHooks hooks;
  hooks.senses = apply_sense_disambiguation;
  hooks.repair = repair_slot;
  return hooks;
}

void polish_word(const SentenceInput& in, OutputWords& out) {
  Copulas copulas;
  polish_to_rendering(in, out, {}, copulas);
}

void polish(const SentenceInput& in, OutputWords& out, const PolishHooks& hooks) {
  Copulas copulas;
  polish_to_rendering(in, out, hooks, copulas);
  if (in.single_word) return;
  build_compound_tenses(in, out);
  drop_doubled_pronouns(in, out);
  tidy_articles(in, out);
  hyphenate_participles(in, out);
  apply_idioms(in, out);
  order_words(in, copulas, in.options.best_order, out);
  time_ablatives(in, out);
  repair_all(in, out, hooks);
  finish_words(in, out);
  if (in.options.ablative_absolute) render_ablative_absolutes(in, out);
  capitalise_start(in, out);
}

}  // namespace kelvo::english
