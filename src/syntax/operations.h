// The small operations the sentence passes are built from: settle a word on
// one analysis, drop one candidate, test agreement, rate an analysis by its
// rarity for the user's area and age, and the person tests. Plain functions
// over one sentence; none allocates.
#pragma once
#include "syntax/sentence_view.h"

namespace kelvo::syntax {

// Personal pronoun codes of a nominative personal pronoun.
inline constexpr int kEgo = 1, kTu = 2, kNos = 17, kVos = 18;
// Declension codes of the personal pronouns.
inline constexpr int kDeclEgo = 0x51, kDeclTu = 0x52, kDeclPlural = 0x53;

// Settles i's word on i: the word's other analyses are struck out, except
// those the context still needs (an adjective reading beside a noun, a
// preposition reading, a linked reading of the same form, one held in a role
// slot). A negative i strikes nothing and warns.
void keep_one(SentenceView& s, int i);

// Strikes i unless it is its word's last live analysis or is held in a role
// slot. Returns true when it struck i.
bool drop_candidate(SentenceView& s, int i);

// Whether a and b can stand together: case, gender and number compatible and
// neither already bound elsewhere to the other's word.
bool agree(const SentenceView& s, int a, int b);

// The area letter of an analysis, 0 for general.
inline char analysis_area_letter(const grammar::WordAnalysis& a) {
  const char l = grammar::area_letter(a.area);
  if (l == '-') return a.rarity == 15 ? 'Z' : 0;
  return l;
}

// Rarity of i for this user: 0 in the preferred area, otherwise its grade.
// Inline: the choice weighs every reading and its partners by it.
inline int effective_rarity(const SentenceView& s, int i) {
  const grammar::WordAnalysis& a = s.at(i);
  const int g = a.rarity;
  const char l = analysis_area_letter(a);
  const char preferred = s.area();
  if (preferred != 0 && l == preferred) return 0;
  if (preferred == grammar::kBotanyAreaLetter && (l == 'S' || l == 'T' || l == 'Z')) return 0;
  if (s.options.age == Age::all && g == 15) return 3;
  return g;
}

// True when every other live analysis of i's word is a verb of i's person and number.
bool same_person(const SentenceView& s, int i);

// kEgo, kTu, kNos or kVos for a nominative personal pronoun; `code` otherwise.
int personal_pronoun_code(const SentenceView& s, int i, int code);

// Whether a verb meaning is the verb "be" (exactly, or as its first word).
bool is_be(const grammar::WordAnalysis& a);
bool means_exactly(const grammar::WordAnalysis& a, std::string_view text);

// Whether i's word has a live reading of part of speech `speech` in i's case
// and number from the same stem and ending (with `commoner`, one at least as
// common as i). With an adjective, a noun reading i is then the dictionary's
// substantive use of that adjective (sanctus "saint", omnes "all men").
bool same_form_reading(const SentenceView& s, int i, grammar::Code speech, bool commoner = false);

// A finite verb: indicative, subjunctive or imperative.
// Inline: the passes ask it of most readings they visit.
inline bool is_finite(const grammar::WordAnalysis& a) {
  if (a.speech != grammar::pos::verb) return false;
  const grammar::Code m = a.mood();
  return m == grammar::mood::ind || m == grammar::mood::sub || m == grammar::mood::imp;
}

}  // namespace kelvo::syntax
