#include "grammar/codes.h"

#include <array>

#include "base/parse_log.h"
#include "base/text.h"

namespace kelvo::grammar {

namespace {

template <std::size_t N>
std::string_view table_name(const std::array<std::string_view, N>& names, Code c,
                            std::string_view unknown) {
  return (c >= 1 && c < N && !names[c].empty()) ? names[c] : unknown;
}

void print_named(std::string& out, Code c, std::string_view name) {
  if (c == 0) return;
  out.append(name);
  out.append("    ");
}

constexpr std::array<std::string_view, 9> kCase{"", "NOM", "VOC", "GEN", "LOC",
                                                "DAT", "ABL", "ACC", "INVAR"};
constexpr std::array<std::string_view, 6> kGender{"", "MASC", "FEM", "NEUTER", "COMMON", "M/NT"};
constexpr std::array<std::string_view, 3> kNumber{"", "SING", "PLUR"};
constexpr std::array<std::string_view, 4> kComparison{"", "POS", "COMP", "SUPER"};
constexpr std::array<std::string_view, 7> kTense{"", "PRES", "IMPF", "FUT", "PERF", "PLUP", "FUTP"};
constexpr std::array<std::string_view, 3> kVoice{"", "ACTIVE", "PASSIVE"};
constexpr std::array<std::string_view, 8> kMood{"", "IND", "SUB", "IMP", "INF", "PPL", "GER",
                                                "ADJ-LIKE"};
constexpr std::array<std::string_view, 22> kNounKind{
    "", "SING", "MULT", "ABST", "PROPER", "LOCALE", "PERSON", "THING", "WHERE", "GROUP",
    "GERUND", "VARIABLE", "", "", "", "", "", "", "", "", "", "COUNTRY"};
// Pronoun kinds as the listing abbreviates them; the special pronoun
// (pronoun_kind::special) is written out, as no other kind begins alike.
constexpr std::array<std::string_view, 9> kPronounKind{"", "PERS", "REL", "REFLEX", "DEMONST",
                                                       "INTERR", "INDEF", "ADJECT", "SPECIAL"};
constexpr std::array<std::string_view, 14> kVerbKind{
    "", "TO_BE", "TO_BEING", "GEN", "+DAT", "+ABL", "+TRANS", "+INTRANS", "IMPERS", "DEP",
    "SEMIDEP", "PERFDEF", "MODAL", "PERS"};
constexpr std::array<std::string_view, 8> kComplement{"", "+SUBJ", "+TRANS", "+INTRANS",
                                                      "+PERS", "+DAT", "+MODAL", "+ABL"};
constexpr std::array<std::string_view, 5> kNumeralSort{"", "CARD", "ORD", "DIST", "ADVERB"};

}  // namespace

int punctuation_code(char c) {
  auto p = kPunctuationChars.find(c);
  return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

std::string punctuation_token(int code) {
  std::string t = "PUNCT";
  t.push_back(static_cast<char>(64 + code));
  return t;
}

int punctuation_token_code(std::string_view token) {
  if (token.size() != 6 || token.substr(0, 5) != "PUNCT") return -1;
  int code = static_cast<unsigned char>(token[5]) - 64;
  return (code >= 0 && code < kPunctuationCount) ? code : -1;
}

std::string_view speech_name(Code c) {
  switch (c) {
    case 0: return " DELETED (GRAM)  ";
    case 1: return "NOUN";
    case 2: return "PRON";
    case 3: return "PACK";
    case 4: return "ADJ";
    case 5: return "NUM";
    case 6: return "ADV";
    case 7: return "VERB";
    case 8: return "VPAR";
    case 9: return "SUPINE";
    case 10: return "PREP";
    case 11: return "CONJ";
    case 12: return "INTERJ";
    case 13: return "TACKON";
    case 14: return "PREFIX";
    case 15: return "SUFFIX";
    case 16: return "PUNCT";
    case 36: return "SADJ";
    case 70: return "ADV";
    case 99: return "No inflection";
    case 254: return " UNCOMMON  ";
    case 255: return " DELETED (AI)  ";
    default: return "Unknown part";
  }
}

std::string_view case_name(Code c) { return table_name(kCase, c, "Unknown case"); }
std::string_view gender_name(Code c) { return table_name(kGender, c, "Unknown gender"); }
std::string_view number_name(Code c) { return table_name(kNumber, c, "Unknown number"); }
std::string_view comparison_name(Code c) { return table_name(kComparison, c, "Unknown comp"); }
std::string_view tense_name(Code c) { return table_name(kTense, c, "Unknown tense"); }
std::string_view voice_name(Code c) { return table_name(kVoice, c, "Unknown voice"); }
std::string_view mood_name(Code c) { return table_name(kMood, c, "Unknown mood"); }
std::string_view noun_kind_name(Code c) { return table_name(kNounKind, c, "Unknown nounkind"); }
std::string_view pronoun_kind_name(Code c) {
  return table_name(kPronounKind, c, "Unknown pronoun");
}
std::string_view verb_kind_name(Code c) { return table_name(kVerbKind, c, "Unknown verbkind"); }
std::string_view complement_name(Code c) {
  return table_name(kComplement, c, "Unknown verb part");
}
std::string_view numeral_sort_name(Code c) {
  return table_name(kNumeralSort, c, "Unknown numeral");
}

void print_case(std::string& out, Code c) { print_named(out, c, case_name(c)); }
void print_gender(std::string& out, Code c) { print_named(out, c, gender_name(c)); }
void print_number(std::string& out, Code c) { print_named(out, c, number_name(c)); }
void print_comparison(std::string& out, Code c) { print_named(out, c, comparison_name(c)); }
void print_tense(std::string& out, Code c) { print_named(out, c, tense_name(c)); }
void print_voice(std::string& out, Code c) { print_named(out, c, voice_name(c)); }
void print_mood(std::string& out, Code c) { print_named(out, c, mood_name(c)); }
void print_person(std::string& out, Code c) {
  if (c == 0) return;
  out.append(std::to_string(c));
  out.append("    ");
}
void print_noun_kind(std::string& out, Code c) { print_named(out, c, noun_kind_name(c)); }
void print_pronoun_kind(std::string& out, Code c) { print_named(out, c, pronoun_kind_name(c)); }
void print_verb_kind(std::string& out, Code c) { print_named(out, c, verb_kind_name(c)); }
void print_complement(std::string& out, Code c) { print_named(out, c, complement_name(c)); }
void print_numeral_sort(std::string& out, Code c) { print_named(out, c, numeral_sort_name(c)); }
void print_punctuation(std::string& out, Code c) {
  // Code 0 is the full stop, so it prints like any other code here.
  if (c < kPunctuationCount) {
    out.push_back(kPunctuationChars[c]);
  } else {
    out.append("Unknown punctuation.");
  }
  out.append("    ");
}

bool print_speech(std::string& out, Code c) {
  out.append(speech_name(c));
  switch (c) {
    case 1: case 2: case 4: case 5: case 7: case 8: case 9: case 36: return false;
    default: return true;
  }
}

Code read_speech_keyword(std::string_view text, ParseLog* log) {
  struct Kw { std::string_view word; Code code; };
  static constexpr Kw kOrder[] = {{"X", pos::deleted}, {"PRON", pos::pron}, {"ADJ", pos::adj},
                                  {"SADJ", pos::sadj}, {"NUM", pos::num},   {"ADV", pos::adv},
                                  {"PREP", pos::prep}, {"CONJ", pos::conj}, {"INTERJ", pos::interj},
                                  {"N", pos::noun},    {"V", pos::verb}};
  for (const auto& k : kOrder)
    if (starts_with_nocase(text, k.word)) return k.code;
  if (log) log->write("speech_type not found.\n");
  return 255;
}

Code read_gender_letter(std::string_view text) {
  if (text.empty()) return 255;
  switch (ascii_upper(text[0])) {
    case 'X': return 0;
    case 'M': return gender::masc;
    case 'F': return gender::fem;
    case 'N': return gender::neuter;
    case 'C': return gender::common;
    default: return 255;
  }
}

Code read_noun_kind_letter(std::string_view text) {
  if (text.empty()) return 0;
  switch (ascii_upper(text[0])) {
    case 'S': return noun_kind::sing;
    case 'M': return noun_kind::mult;
    case 'A': return noun_kind::abst;
    case 'N': return noun_kind::proper;
    case 'L': return noun_kind::locale;
    case 'P': return noun_kind::person;
    case 'T': return noun_kind::thing;
    case 'W': return noun_kind::where;
    case 'G': return noun_kind::group;
    case 'V': return noun_kind::variable;
    case 'C': return noun_kind::country;
    default: return 0;
  }
}

int read_verb_kind_keyword(std::string_view text, ParseLog* log) {
  struct Kw { std::string_view word; int code; };
  static constexpr Kw kOrder[] = {
      {"X", 0},          {"TO_BEING", 2}, {"TO_BE", 1},    {"GEN", 3},     {"DAT", 4},
      {"ABL", 5},        {"TRANS", 6},    {"INTRANS", 7},  {"IMPERS", 8},  {"DEP", 9},
      {"SEMIDEP", 10},   {"PERFDEF", 11}, {"MODAL", 12},   {"PERS", 13}};
  for (const auto& k : kOrder)
    if (starts_with_nocase(text, k.word)) return k.code;
  if (log) log->write("verb_kind_type not found.\n");
  return -1;
}

Code read_comparison_keyword(std::string_view text, ParseLog* log) {
  struct Kw { std::string_view word; Code code; };
  static constexpr Kw kOrder[] = {{"X", 0}, {"POS", 1}, {"COMP", 2}, {"SUPER", 3}};
  for (const auto& k : kOrder)
    if (starts_with_nocase(text, k.word)) return k.code;
  if (log) log->write("comparison_type not found.\n");
  return 255;
}


}  // namespace kelvo::grammar
