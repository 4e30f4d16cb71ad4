#include "mkdata/code_mapping.h"

#include <array>

#include "base/text.h"

namespace kelvo::mkdata {

namespace {

template <std::size_t N>
std::optional<int> position_of(const std::array<std::string_view, N>& names,
                               std::string_view word) {
  for (std::size_t i = 0; i < N; ++i)
    if (names[i] == word) return static_cast<int>(i);
  return std::nullopt;
}

constexpr std::array<std::string_view, 16> kSpeech{
    "X", "N", "PRON", "PACK", "ADJ", "NUM", "ADV", "V", "VPAR", "SUPINE",
    "PREP", "CONJ", "INTERJ", "TACKON", "PREFIX", "SUFFIX"};
constexpr std::array<std::string_view, 8> kCase{"X", "NOM", "VOC", "GEN", "LOC", "DAT", "ABL",
                                                "ACC"};
constexpr std::array<std::string_view, 3> kNumber{"X", "S", "P"};
constexpr std::array<std::string_view, 5> kGender{"X", "M", "F", "N", "C"};
constexpr std::array<std::string_view, 4> kComparison{"X", "POS", "COMP", "SUPER"};
constexpr std::array<std::string_view, 7> kTense{"X", "PRES", "IMPF", "FUT", "PERF", "PLUP",
                                                 "FUTP"};
constexpr std::array<std::string_view, 3> kVoice{"X", "ACTIVE", "PASSIVE"};
constexpr std::array<std::string_view, 6> kMood{"X", "IND", "SUB", "IMP", "INF", "PPL"};
constexpr std::array<std::string_view, 8> kPronounKind{"X",      "PERS",   "REL",   "REFLEX",
                                                       "DEMONS", "INTERR", "INDEF", "ADJECT"};
constexpr std::array<std::string_view, 12> kVerbKind{
    "X",     "TO_BE",  "TO_BEING", "GEN", "DAT",     "ABL",
    "TRANS", "INTRANS", "IMPERS",  "DEP", "SEMIDEP", "PERFDEF"};
constexpr std::array<std::string_view, 5> kNumeralSort{"X", "CARD", "ORD", "DIST", "ADVERB"};
constexpr std::array<std::string_view, 10> kNounKind{"X", "S", "M", "A", "G",
                                                     "N", "P", "T", "L", "W"};
constexpr std::array<std::string_view, 9> kAge{"X", "A", "B", "C", "D", "E", "F", "G", "H"};
constexpr std::array<std::string_view, 12> kArea{"X", "A", "B", "D", "E", "G",
                                                 "L", "P", "S", "T", "W", "Y"};
constexpr std::array<std::string_view, 10> kFrequency{"X", "A", "B", "C", "D",
                                                      "E", "F", "I", "M", "N"};

// Whitaker X S M A G N P T L W -> our codes.
constexpr std::array<Code, 10> kNounKindCode{0,
                                             grammar::noun_kind::sing,
                                             grammar::noun_kind::mult,
                                             grammar::noun_kind::abst,
                                             grammar::noun_kind::group,
                                             grammar::noun_kind::proper,
                                             grammar::noun_kind::person,
                                             grammar::noun_kind::thing,
                                             grammar::noun_kind::locale,
                                             grammar::noun_kind::where};

}  // namespace

Code map_noun_kind(int whitaker_kind) {
  if (whitaker_kind < 0 || whitaker_kind >= static_cast<int>(kNounKindCode.size())) return 0;
  return kNounKindCode[static_cast<std::size_t>(whitaker_kind)];
}

int rarity_from_frequency(int frequency) {
  // X (unknown) counts as ordinary; the others keep their rank A1 .. N9.
  if (frequency <= 0 || frequency > kWhitakerMaxFrequency) return 4;
  return frequency;
}

int rarity_increment(int frequency) {
  if (frequency <= 1) return 0;
  return frequency > 6 ? 5 : frequency - 1;
}

Code quis_clause_flag(Code kind) {
  return kind == grammar::pronoun_kind::rel || kind == grammar::pronoun_kind::interr ? 8 : 0;
}

Code noun_number_flag(int whitaker_kind) {
  if (whitaker_kind == 1) return 1;
  if (whitaker_kind == 2) return 2;
  return 0;
}

std::string normalise_latin(std::string_view text) { return latin_spelling(text); }

std::optional<int> whitaker_speech(std::string_view w) { return position_of(kSpeech, w); }
std::optional<int> whitaker_case(std::string_view w) { return position_of(kCase, w); }
std::optional<int> whitaker_number(std::string_view w) { return position_of(kNumber, w); }
std::optional<int> whitaker_gender(std::string_view w) { return position_of(kGender, w); }
std::optional<int> whitaker_comparison(std::string_view w) { return position_of(kComparison, w); }
std::optional<int> whitaker_tense(std::string_view w) { return position_of(kTense, w); }
std::optional<int> whitaker_voice(std::string_view w) { return position_of(kVoice, w); }
std::optional<int> whitaker_mood(std::string_view w) { return position_of(kMood, w); }
std::optional<int> whitaker_pronoun_kind(std::string_view w) {
  return position_of(kPronounKind, w);
}
std::optional<int> whitaker_verb_kind(std::string_view w) { return position_of(kVerbKind, w); }
std::optional<int> whitaker_numeral_sort(std::string_view w) {
  return position_of(kNumeralSort, w);
}
std::optional<int> whitaker_noun_kind(std::string_view w) {
  // UNIQUES.LAT writes some kinds in lower case ("t", "p").
  if (w.size() != 1) return std::nullopt;
  const char upper[2] = {ascii_upper(w[0]), 0};
  return position_of(kNounKind, std::string_view(upper, 1));
}
std::optional<int> whitaker_age(std::string_view w) { return position_of(kAge, w); }
std::optional<int> whitaker_area(std::string_view w) { return position_of(kArea, w); }
std::optional<int> whitaker_frequency(std::string_view w) { return position_of(kFrequency, w); }

}  // namespace kelvo::mkdata
