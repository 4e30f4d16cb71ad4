#include "analysis/word_driver.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#include "analysis/rules/derived_words.h"
#include "analysis/rules/indefinite_pronouns.h"
#include "analysis/rules/medieval_spelling.h"
#include "analysis/name_and_number.h"
#include "analysis/rules/prefixes.h"
#include "analysis/rules/second_parts_of_speech.h"
#include "analysis/rules/syncope.h"
#include "analysis/rules/tackons.h"
#include "text/roman_numeral.h"
#include "base/text.h"

namespace kelvo::analysis {

namespace {

bool all_roman_capitals(std::string_view w) {
  if (w.empty()) return false;
  for (char c : w)
    if (!text::is_roman_letter(c)) return false;
  return true;
}

// Two inflection records can resolve to the same reading of the same entry
// (a common-gender and a masculine ending, say): list each reading once.
// A word may have a hundred readings, so the kept ones are held in a small
// hash table by a number made of what a repeat must share (its source and
// its grammar bytes), and a reading is compared whole only with kept ones
// of the same number.
bool same_reading(const Candidate& a, const Candidate& b) {
  return a.origin.table == b.origin.table && a.origin.index == b.origin.index &&
         std::memcmp(&a.analysis, &b.analysis, sizeof(grammar::WordAnalysis)) == 0;
}

std::uint64_t reading_key(const Candidate& c) {
  std::uint64_t grammar_bytes;
  std::memcpy(&grammar_bytes, &c.analysis, sizeof grammar_bytes);
  const auto index = static_cast<std::uint32_t>(c.origin.index);
  return (grammar_bytes ^ index ^ static_cast<std::uint64_t>(c.origin.table) << 32) *
         0x9E3779B97F4A7C15ull;
}

void drop_repeats(std::vector<Candidate>& out, std::size_t from) {
  const std::size_t n = out.size() - from;
  if (n < 2) return;
  // Open addressing, at most half full: a slot holds 1 + the kept reading's
  // place, 0 when empty; each kept reading's number beside it.
  const std::size_t slots = std::bit_ceil(2 * n);
  const int shift = 64 - std::countr_zero(slots);
  constexpr std::size_t kFew = 64;
  std::uint32_t few_slots[2 * kFew];
  std::uint64_t few_keys[kFew];
  std::vector<std::uint32_t> many_slots;
  std::vector<std::uint64_t> many_keys;
  if (n > kFew) {
    many_slots.resize(slots);
    many_keys.resize(n);
  }
  std::uint32_t* slot = n > kFew ? many_slots.data() : few_slots;
  std::uint64_t* kept_keys = n > kFew ? many_keys.data() : few_keys;
  std::fill(slot, slot + slots, 0u);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < n; ++i) {
    Candidate& c = out[from + i];
    const std::uint64_t key = reading_key(c);
    std::size_t at = static_cast<std::size_t>(key >> shift);
    bool repeat = false;
    for (; slot[at] != 0; at = (at + 1) & (slots - 1)) {
      const std::size_t j = slot[at] - 1;
      if (kept_keys[j] == key && same_reading(out[from + j], c)) {
        repeat = true;
        break;
      }
    }
    if (repeat) continue;
    if (kept != i) out[from + kept] = std::move(c);
    kept_keys[kept] = key;
    slot[at] = static_cast<std::uint32_t>(++kept);
  }
  out.resize(from + kept);
}

bool from_capitalised_entry(const Candidate& c) {
  return c.origin.capitalised_entry;
}

// The case of the written word chooses among entries that differ only in the
// capital of their stem: a lower-case word reads a capitalised entry (dei as
// Deus) only when no lower-case entry fits it (non is not Nonae, hercule not
// Hercules); a capitalised word keeps both, its capitalised entries first.
void weigh_entry_capitals(std::vector<Candidate>& out, std::size_t from, bool capitalised) {
  auto first = out.begin() + static_cast<std::ptrdiff_t>(from);
  if (capitalised) {
    std::stable_partition(first, out.end(), from_capitalised_entry);
    return;
  }
  if (std::all_of(first, out.end(), from_capitalised_entry)) return;
  out.erase(std::remove_if(first, out.end(), from_capitalised_entry), out.end());
}

}  // namespace

WordResult analyse_word(const WordAnalyzer& wa, std::string_view word, bool first_in_sentence,
                        bool known_proper, std::vector<Candidate>& out, AnalysisContext& ctx,
                        bool question) {
  WordResult r;
  const std::size_t before = out.size();
  if (word.empty()) return r;
  const bool capitalised = is_ascii_upper(word[0]);
  const bool roman = all_roman_capitals(word) && text::is_roman_numeral(word);

  if (capitalised && !roman && (known_proper || (wa.options().force_proper && !first_in_sentence))) {
    r.added = analyse_proper_name(wa, word, out, ctx);
    r.proper_name = r.added > 0;
    return r;
  }

  // A capital may only mark the start of a sentence or a heading: the word is
  // read in lower case through every rule, and capitalised entries are still
  // found by the stem search (sentence-initial Non is the adverb and Nonae).
  std::string lowered;
  if (capitalised && !roman) lowered = to_lower(word);
  const std::string_view w = lowered.empty() ? word : std::string_view(lowered);

  if (w.find('_') != std::string_view::npos &&
      analyse_joined_expression(wa, w, out, ctx) > 0) {
    r.added = static_cast<int>(out.size() - before);
    return r;
  }
  if (roman) {
    analyse_roman_numeral(wa, word, text::roman_numeral_value(word), out, ctx);
  } else {
    // A sentence's first capital tells nothing of the word.
    ctx.written_lower_case = !capitalised || first_in_sentence;
    wa.analyse_core(w, Source::core, out, ctx);
    ctx.written_lower_case = false;
    wa.analyse_uniques(w, out, ctx);
    if (out.size() == before &&
        (w.find("decim") != std::string_view::npos ||
         w.find("uicesim") != std::string_view::npos ||
         w.find("uigesim") != std::string_view::npos))
      analyse_compound_ordinal(wa, w, out, ctx);
  }

  // Compound pronouns (quidam, quisque) are read after the core, whatever it found.
  const bool rules = ctx.formation_rules;
  if (rules && !roman && may_be_indefinite_pronoun(w)) {
    PronounResult p = analyse_indefinite_pronoun(wa, w, ctx);
    if (!p.readings.empty()) {
      for (auto& c : p.readings) out.push_back(std::move(c));
      r.split_off = std::move(p.enclitic);
    }
  }
  const bool lower_word = is_ascii_lower(w[0]);
  if (rules && out.size() == before && !roman) {
    // Word formation, first rule that yields: prefix, tackon, derived word.
    std::vector<Candidate> formed;
    if (lower_word && w.size() > 4) try_prefixes(wa, w, formed, ctx);
    const bool derive = derived_word_rule_applies(w, formed);
    if (formed.empty()) {
      if (auto t = try_tackons(wa, w, ctx)) {
        formed = std::move(t->host);
        if (!t->tackon.text.empty()) r.split_off = std::move(t->tackon);
      }
    }
    if (derive && (formed.empty() || w.ends_with("issime")))
      try_derived_words(wa, w, formed, ctx);
    for (auto& c : formed) out.push_back(std::move(c));
  }
  if (rules && out.size() == before && lower_word) try_syncope(wa, w, out, ctx);
  if (rules && out.size() == before && lower_word && wa.options().medieval_tricks)
    try_medieval_spellings(wa, w, out, ctx);
  else if (rules && lower_word && !roman)
    add_classical_spellings(wa, w, out, before, ctx);
  if (!roman) weigh_entry_capitals(out, before, capitalised);

  if (out.size() == before && capitalised && word.size() > 1) {
    if (auto e = rules ? split_name_enclitic(word, question, ctx) : std::nullopt) {
      analyse_proper_name(wa, e->name, out, ctx);
      if (out.size() > before) r.split_off = std::move(e->enclitic);
    } else {
      analyse_proper_name(wa, word, out, ctx);
    }
    r.proper_name = out.size() > before;
  }
  if (!roman) add_second_parts_of_speech(wa, out, before);
  drop_repeats(out, before);
  r.added = static_cast<int>(out.size() - before);
  return r;
}

}  // namespace kelvo::analysis
