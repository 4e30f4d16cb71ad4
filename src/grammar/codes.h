// Grammatical codes: one unsigned byte per property, 0 meaning "not given".
// The same values are stored in the data files, in analyses and in the rules.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {
class ParseLog;
}

namespace kelvo::grammar {

using Code = std::uint8_t;

namespace pos {  // speech_type
inline constexpr Code deleted = 0, noun = 1, pron = 2, pack = 3, adj = 4, num = 5, adv = 6,
                      verb = 7, vpar = 8, supine = 9, prep = 10, conj = 11, interj = 12,
                      tackon = 13, prefix = 14, suffix = 15, punct = 16, sadj = 36, adv2 = 70,
                      phrase_verb = 77, no_inflection = 99, uncommon = 254, deleted_ai = 255;
}
namespace gcase {
inline constexpr Code nom = 1, voc = 2, gen = 3, loc = 4, dat = 5, abl = 6, acc = 7, invar = 8;
}
namespace gender {
inline constexpr Code masc = 1, fem = 2, neuter = 3, common = 4, m_nt = 5;
}
namespace number {
inline constexpr Code sing = 1, plur = 2;
}
namespace comparison {
inline constexpr Code pos = 1, comp = 2, super = 3;
}
namespace tense {
inline constexpr Code pres = 1, impf = 2, fut = 3, perf = 4, plup = 5, futp = 6;
}
namespace voice {
inline constexpr Code active = 1, passive = 2;
}
namespace mood {
inline constexpr Code ind = 1, sub = 2, imp = 3, inf = 4, ppl = 5, ger = 6, adj_like = 7;
}
namespace noun_kind {
inline constexpr Code sing = 1, mult = 2, abst = 3, proper = 4, locale = 5, person = 6,
                      thing = 7, where = 8, group = 9, gerund = 10, variable = 11, country = 21;
}
namespace pronoun_kind {
inline constexpr Code pers = 1, rel = 2, reflex = 3, demonst = 4, interr = 5, indef = 6,
                      adject = 7, special = 8;
}
namespace verb_kind {
inline constexpr Code to_be = 1, to_being = 2, gen = 3, dat = 4, abl = 5, trans = 6,
                      intrans = 7, impers = 8, dep = 9, semidep = 10, perfdef = 11, modal = 12,
                      pers = 13;
}
namespace complement {
inline constexpr Code subj = 1, trans = 2, intrans = 3, pers = 4, dat = 5, modal = 6, abl = 7;
}
namespace numeral_sort {
inline constexpr Code card = 1, ord = 2, dist = 3, adverb = 4;
}

// The eleven punctuation characters, by code 0..10.
inline constexpr std::string_view kPunctuationChars = ".,?:!\"';-()";
inline constexpr int kPunctuationCount = 11;
// Code of a punctuation character, or -1.
int punctuation_code(char c);
// "PUNCT%c" token text for a code (the full stop gives "PUNCT@").
std::string punctuation_token(int code);
// Code of a "PUNCTx" token, or -1 when the text is not one.
int punctuation_token_code(std::string_view token);

// Printed names (without the trailing blanks).
std::string_view speech_name(Code c);
std::string_view case_name(Code c);
std::string_view gender_name(Code c);
std::string_view number_name(Code c);
std::string_view comparison_name(Code c);
std::string_view tense_name(Code c);
std::string_view voice_name(Code c);
std::string_view mood_name(Code c);
std::string_view noun_kind_name(Code c);
std::string_view pronoun_kind_name(Code c);
std::string_view verb_kind_name(Code c);
std::string_view complement_name(Code c);
std::string_view numeral_sort_name(Code c);

// Name printers: append the name and four blanks; code 0 appends nothing.
void print_case(std::string& out, Code c);
void print_gender(std::string& out, Code c);
void print_number(std::string& out, Code c);
void print_comparison(std::string& out, Code c);
void print_tense(std::string& out, Code c);
void print_voice(std::string& out, Code c);
void print_mood(std::string& out, Code c);
void print_person(std::string& out, Code c);
void print_noun_kind(std::string& out, Code c);
void print_pronoun_kind(std::string& out, Code c);
void print_verb_kind(std::string& out, Code c);
void print_complement(std::string& out, Code c);
void print_numeral_sort(std::string& out, Code c);
void print_punctuation(std::string& out, Code c);
// Appends the part-of-speech name alone; returns true when the declension pair
// is to be left out (every code but 1, 2, 4, 5, 7, 8, 9 and 36).
bool print_speech(std::string& out, Code c);

// Keyword readers for user files: compare the start of `text` ignoring case.
// A log, when given, receives the "not found" lines.
Code read_speech_keyword(std::string_view text, ParseLog* log = nullptr);  // 255 when unknown
Code read_gender_letter(std::string_view text);                            // 255 when unknown
Code read_noun_kind_letter(std::string_view text);                         // 0 when unknown
int read_verb_kind_keyword(std::string_view text, ParseLog* log = nullptr);  // -1 when unknown
Code read_comparison_keyword(std::string_view text, ParseLog* log = nullptr);  // 255 when unknown

// Whether the part of speech is one of the nominal forms (case/number/gender).
// Inline: the sentence passes ask it for every analysis many times over.
inline bool is_nominal(Code s) {
  return s == pos::noun || s == pos::pron || s == pos::adj || s == pos::num ||
         s == pos::vpar || s == pos::supine || s == pos::sadj;
}
inline bool is_adjective_like(Code s) { return s == pos::adj || s == pos::sadj; }
inline bool is_adverb(Code s) { return s == pos::adv || s == pos::adv2; }

}  // namespace kelvo::grammar
