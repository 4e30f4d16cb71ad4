// Byte-exact record layouts of the data files and of a candidate analysis.
// Every field is a byte, a byte array or a little-endian integer, so the
// structs have alignment 1, no padding, and the same bytes on any host.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "base/le.h"
#include "base/text.h"
#include "grammar/codes.h"

namespace kelvo::grammar {

// One stem of a dictionary entry (dictUK.dat, user dictionary, temporary entries).
struct DictEntry {
  Code speech;            // 0: only the low five bits are compared with inflections
  Code which;             // 1: declension or conjugation
  Code variant;           // 2
  Code byte3;             // 3: gender / comparison / governed case / complement
  Code kind;              // 4: noun, pronoun kind, numeral sort; VERB: low 4 bits verb kind
  Code stem_key;          // 5: 1..4; 0 accepts inflections of key 0, 1 or 2
  std::uint8_t unused[2];  // 6
  LeI32 meaning_index;    // 8: index of the MeaningLine
  std::uint8_t rarity_area;  // 12: low 4 bits rarity grade, high 4 bits area code
  Code age;               // 13
  char stem[24];          // 14
  Code extra;             // 38: NOUN plural flag, PRON quis-clause flag
  Code extra2;            // 39

  std::string_view stem_text() const { return field_view(stem); }
  int rarity() const { return rarity_area & 0x0F; }
  int area() const { return rarity_area >> 4; }
  void set_rarity_area(int rarity, int area) {
    rarity_area = static_cast<std::uint8_t>((rarity & 0x0F) | ((area & 0x0F) << 4));
  }
  int verb_kind() const { return kind & 0x0F; }
};

// The entries of a table sorted by stem whose stem is exactly `stem`: one run,
// found without looking for the end of any stem field. When there are none
// the empty run still points where the stem would stand; a stem that no
// field can hold gives a run that points nowhere (null).
inline std::span<const DictEntry> entries_with_stem(std::span<const DictEntry> sorted,
                                                    std::string_view stem) {
  // A zero byte or more than the field holds: no stem can be equal.
  if (stem.size() > sizeof(DictEntry::stem) || has_zero_byte(stem)) return {};
  const FieldKey<sizeof(DictEntry::stem)> key(stem);
  auto lo = std::partition_point(sorted.begin(), sorted.end(),
                                 [&](const DictEntry& e) { return key.field_less(e.stem); });
  auto hi = lo;
  while (hi != sorted.end() && key.field_equals(hi->stem)) ++hi;
  return {lo, hi};
}

// One record of the letter index that follows the entries in dictUK.dat.
struct LetterIndexRecord {
  std::uint8_t unused[80];
  LeI32 first;  // index of the first entry whose stem begins with the letter
};
inline constexpr int kLetterIndexCount = 27;

struct InflectionRecord {
  Code speech;       // 0
  Code which;        // 1: 0 fits every declension
  Code variant;      // 2: 0 fits every variant
  Code b3;           // 3: case / tense / governed case
  Code b4;           // 4: number / voice
  Code b5;           // 5: gender / mood
  Code b6;           // 6: comparison / numeral sort / person / VPAR tense
  Code b7;           // 7: VERB number / VPAR voice
  Code b8;           // 8: VPAR mood
  Code stem_key;     // 9
  Code age;          // 10
  Code rarity_inc;   // 11
  char ending[8];    // 12

  std::string_view ending_text() const { return field_view(ending); }

  // The form bytes by name, as the data builder lays them out for each part of
  // speech (VERB, VPAR and ADV have their own layouts; every other part keeps
  // case, number, gender and comparison or numeral sort in bytes 3-6); 0 where
  // the part of speech has no such property. Inline: the stem search reads them.
  Code grammatical_case() const { return speech == pos::verb || speech == pos::adv ? 0 : b3; }
  Code number() const {
    if (speech == pos::verb) return b7;
    return speech == pos::adv || speech == pos::prep ? 0 : b4;
  }
  Code gender() const {
    return speech == pos::verb || speech == pos::adv || speech == pos::prep ? 0 : b5;
  }
  Code comparison() const {
    return speech == pos::adj || speech == pos::sadj || speech == pos::adv ? b6 : 0;
  }
  Code numeral_sort() const { return speech == pos::num ? b6 : 0; }
  Code tense() const { return speech == pos::verb ? b3 : speech == pos::vpar ? b6 : 0; }
  Code voice() const { return speech == pos::verb ? b4 : speech == pos::vpar ? b7 : 0; }
  Code mood() const { return speech == pos::verb ? b5 : speech == pos::vpar ? b8 : 0; }
  Code person() const { return speech == pos::verb ? b6 : 0; }
};

struct MeaningLine {
  char latin[80];    // principal parts, up to four words
  char english[80];  // meaning text

  std::string_view latin_text() const { return field_view(latin); }
  std::string_view english_text() const { return field_view(english); }
};

struct UniqueRecord {
  Code speech;             // 0
  Code which;              // 1
  Code variant;            // 2
  Code b3, b4, b5, b6, b7, b8;  // 3..8, as InflectionRecord bytes 3..8
  std::uint8_t rarity_area;     // 9
  char meaning[80];        // 10
  char latin[24];          // 90: the search key
  Code extra;              // 114
  Code age;                // 115
  char second[24];         // 116

  std::string_view latin_text() const { return field_view(latin); }
  std::string_view meaning_text() const { return field_view(meaning); }
  std::string_view second_text() const { return field_view(second); }
};

// Prefixes, suffixes and tackons. Bytes 0-2: the part of speech, which and
// variant the host word must have (0 accepts any); byte 3: the addon's own kind
// (tackon, prefix or suffix part of speech); byte 4: the case the tackon
// carries; bytes 5-7: reserved.
struct AddonRecord {
  Code host_speech;   // 0
  Code host_which;    // 1
  Code host_variant;  // 2
  Code addon_kind;    // 3: pos::tackon, pos::prefix or pos::suffix
  Code b4;            // 4
  Code b5;            // 5
  Code b6;            // 6
  Code b7;            // 7
  char text[20];      // 8: the Latin text (sort key)
  char meaning[80];   // 28

  std::string_view text_view() const { return field_view(text); }
  std::string_view meaning_text() const { return field_view(meaning); }
};

// Phonetic key of one dictionary stem (phoneticuk.dat), sorted by key.
struct PhoneticRecord {
  char key[24];
  LeI32 entry;       // index of the dictionary entry
  std::uint8_t reserved[4];

  std::string_view key_text() const { return field_view(key); }
};

// One word of the English-to-Latin index (english.dat): an English word of a
// meaning line and the entry that carries it, sorted by word, then meaning.
struct EnglishIndexRecord {
  char word[24];   // lower case, NUL-padded
  LeI32 meaning;   // index of the MeaningLine
  LeI32 entry;     // the entry's first stem: its part of speech and rarity

  std::string_view word_text() const { return field_view(word); }
};

// Precomputed translation of a word form (fixedhashfile.dat).
struct HashRecord {
  char text[100];
  LeI16 value;
};

// English polishing tables.
struct PolishRecord {
  char key[20];
  char replacement[20];
};
struct PhraseRepairRecord {
  char pattern[30];
  char replacement[30];
  LeI16 length;
};
// The phrase repair table's first records are the verb-phrase repairs,
// searched in order; the word-phrase replacements follow, sorted.
inline constexpr std::size_t kVerbPhraseRepairs = 19;
struct FinalPolishRecord {
  char match[100];
  char replacement[100];
  std::uint8_t match_length;
  std::uint8_t replacement_length;
};

// The English of one dictionary meaning as a sentence renders it (senses.dat,
// one record per meaning line of transl.dat, then one per unique): a single
// sense with no notes, its head word singular and in its base form, so that
// the generator can inflect the head ("look at" -> "looked at", "son of god"
// -> "sons of god").
struct SenseRecord {
  char text[56];
  Code head_begin;       // 56: byte offset of the head word in text
  Code head_length;      // 57: 0 when no word of the sense inflects
  Code particle_length;  // 58: a verb's particle after the head ("at" of "look at"), with its blank
  Code flags;            // 59: kSenseNoHead, kSensePlural
  Code reserved[4];      // 60

  std::string_view text_view() const { return field_view(text); }
};
inline constexpr Code kSenseNoHead = 1;   // the builder found no head it could inflect
inline constexpr Code kSensePlural = 2;   // the head is an English plural already ("arms")

// One candidate analysis of one input word.
struct WordAnalysis {
  Code speech;        // 0: 0 struck out by grammar, 255 by the sense logic
  Code b1;            // 1
  Code b2;            // 2
  Code b3;            // 3: case / tense
  Code b4;            // 4: number / voice
  Code b5;            // 5: gender / mood
  Code b6;            // 6
  Code b7;            // 7
  Code b8;            // 8
  Code stem_key;      // 9
  LeI16 position;     // 10: token index in the sentence
  LeI16 word_number;  // 12: analysed-word number
  LeI16 link1;        // 14
  LeI16 link2;        // 16
  LeI16 link3;        // 18
  Code rarity;        // 20: 1..10, printed as 64 + grade
  Code age;           // 21
  Code area;          // 22
  Code unused;        // 23
  LeI16 declension;   // 24: which << 4 | variant
  LeI16 extra;        // 26: entry byte 38 << 4 | byte 39
  char english[24];   // 28
  char latin[24];     // 52: stem.ending
  char meaning[26];   // 76

  std::string_view latin_text() const { return field_view(latin); }
  std::string_view meaning_text() const { return field_view(meaning); }
  std::string_view english_text() const { return field_view(english); }

  // The grammar bytes by name. Where a property lives depends on the part of
  // speech; a getter answers 0 where the part of speech has no such property,
  // and a setter changes nothing there.
  Code grammatical_case() const;  // nominal forms; PREP: the case it governs
  Code number() const;
  Code gender() const;
  Code comparison() const;        // ADJ, SADJ, ADV
  Code tense() const;             // VERB, VPAR
  Code voice() const;
  Code mood() const;
  Code person() const;            // VERB
  Code noun_kind() const;         // NOUN
  Code pronoun_kind() const;      // PRON, PACK
  Code verb_kind() const;         // VERB, VPAR
  Code numeral_sort() const;      // NUM
  // NOUN: the entry's plural flag (2: the plural forms of a proper or locale
  // noun are allowed, and its meaning is already plural).
  Code noun_plural_flag() const { return speech == pos::noun ? b6 : 0; }
  // The entry's kind byte whatever the part of speech: noun, pronoun or verb
  // kind, numeral sort, or an adjective's complement.
  Code entry_kind() const { return b2; }
  void set_entry_kind(Code c) { b2 = c; }
  Code complement() const;        // VERB, VPAR, ADJ, SADJ, ADV, CONJ
  Code punctuation() const;       // PUNCT: code 0..10
  bool quis_clause() const;       // PRON introducing a quis-clause
  bool conjunction_like() const;  // an adverb that joins like a conjunction
  void set_grammatical_case(Code c);
  void set_number(Code c);
  void set_gender(Code c);
  void set_comparison(Code c);
  void set_tense(Code c);
  void set_voice(Code c);
  void set_mood(Code c);
  void set_person(Code c);
  void set_noun_kind(Code c);
  void set_verb_kind(Code c);
  void set_numeral_sort(Code c);
  void set_punctuation(Code c);

  // What the sentence passes keep in an analysis.
  // The role in its clause (0 none, 1 noun-like, 4 adjective-like, 6 adverb,
  // 7 verb plus 32 transitive or 64 intransitive/passive, 10 preposition); word
  // analysis leaves the entry's extra codes here until the clause pass sets it.
  int role_code() const { return extra.get(); }
  void set_role_code(int r) { extra.set(static_cast<std::int16_t>(r)); }
  // Byte 7 of a joining word (ADV, CONJ, TACKON): 1 conjunction-like, 2 a
  // coordination marker; 0 elsewhere.
  Code joining_mark() const;
  void set_conjunction_like(bool on);  // ADV only
  // A coordinating word recognised between two conjuncts becomes a TACKON that
  // remembers its own part of speech; the conjuncts' case is kept with it.
  // (A tackon that carries a verb's tense has bytes 6/7 = 7/2 and is no marker:
  // a verb never becomes one.)
  bool coordination_marker() const {
    return speech == pos::tackon && b7 == 2 && b6 != pos::verb;
  }
  Code marked_speech() const { return coordination_marker() ? b6 : 0; }
  void make_coordination_marker(Code conjunct_case);
  // Back to the part of speech it had, links and marker bytes cleared.
  void undo_coordination_marker();
  // A cardinal numeral placed before its date noun (1) or after it (0).
  void set_numeral_before_date(bool before);
  void clear_quis_clause();

  // The declension pair: which and variant.
  int which() const { return (declension.get() >> 4) & 0x0F; }
  int variant() const { return declension.get() & 0x0F; }
  // Links 0..2 to agreeing analyses; -1 when empty.
  int link(int k) const { return (k == 0 ? link1 : k == 1 ? link2 : link3).get(); }
  void set_link(int k, int index) {
    (k == 0 ? link1 : k == 1 ? link2 : link3).set(static_cast<std::int16_t>(index));
  }
};

// A tackon that marks a verb form (bytes 6/7 = 7/2) carries a tense in byte 3
// and no case.
inline bool tackon_with_tense(const WordAnalysis& a) {
  return a.speech == pos::tackon && a.b7 == 2 && a.b6 == pos::verb;
}

// The accessors, inline: the sentence passes call them for every reading
// they visit.
inline Code WordAnalysis::grammatical_case() const {
  if (is_nominal(speech)) return b3;
  if (speech == pos::prep) return b1;
  if (speech == pos::tackon && !tackon_with_tense(*this)) return b3;
  return 0;
}
inline Code WordAnalysis::number() const {
  if (is_nominal(speech)) return b4;
  return speech == pos::verb ? b7 : 0;
}
inline Code WordAnalysis::gender() const { return is_nominal(speech) ? b5 : 0; }
inline Code WordAnalysis::comparison() const {
  if (is_adjective_like(speech)) return b6;
  return is_adverb(speech) ? stem_key : 0;
}
inline Code WordAnalysis::tense() const {
  if (speech == pos::verb || tackon_with_tense(*this)) return b3;
  return speech == pos::vpar ? b6 : 0;
}
inline Code WordAnalysis::voice() const {
  if (speech == pos::verb) return b4;
  return speech == pos::vpar ? b7 : 0;
}
inline Code WordAnalysis::mood() const {
  if (speech == pos::verb) return b5;
  return speech == pos::vpar ? b8 : 0;
}
inline Code WordAnalysis::person() const { return speech == pos::verb ? b6 : 0; }
inline Code WordAnalysis::noun_kind() const { return speech == pos::noun ? b2 : 0; }
inline Code WordAnalysis::pronoun_kind() const {
  return speech == pos::pron || speech == pos::pack ? b2 : 0;
}
inline Code WordAnalysis::verb_kind() const {
  return speech == pos::verb || speech == pos::vpar ? b2 : 0;
}
inline Code WordAnalysis::numeral_sort() const { return speech == pos::num ? b6 : 0; }
inline Code WordAnalysis::complement() const {
  if (speech == pos::vpar) return b1;
  if (speech == pos::verb || is_adjective_like(speech) || is_adverb(speech) ||
      speech == pos::conj)
    return b8;
  return 0;
}
inline Code WordAnalysis::punctuation() const { return speech == pos::punct ? b1 : 0; }
inline bool WordAnalysis::quis_clause() const { return speech == pos::pron && b8 == 8; }
inline bool WordAnalysis::conjunction_like() const { return is_adverb(speech) && b7 == 1; }

// Writes a meaning into an analysis: at most 24 characters; a longer text is cut
// and "*" put in its 25th place.
void set_analysis_meaning(WordAnalysis& a, std::string_view text);

// The Botany area: its code in entries and analyses, its letter in the options.
inline constexpr int kBotanyAreaCode = 13;
inline constexpr char kBotanyAreaLetter = 'H';

// Area code to area letter ('-' for general). Inline: the passes weigh every
// reading by its area.
inline char area_letter(int area_code) {
  static constexpr char kLetters[] = {'-', '-', 'B', 'D', 'E', 'G', 'L', 'G',
                                      'S', 'S', 'W', 'D', 'B', 'H'};
  if (area_code >= 0 && area_code < static_cast<int>(sizeof kLetters)) return kLetters[area_code];
  return '-';
}

// Area section choice for a meaning text. `preferred` is the view's area
// letter (0 for none). Rewrites `meaning` and, when a section was chosen, sets
// `area_code` and `rarity` (to 1). `age_code` gives the fallback area.
void choose_area_section(std::string& meaning, char preferred, int age_code, int& area_code,
                         int& rarity);

}  // namespace kelvo::grammar

#define KELVO_CHECK_LAYOUT(T, size) \
  static_assert(sizeof(kelvo::grammar::T) == (size) && alignof(kelvo::grammar::T) == 1, #T)

KELVO_CHECK_LAYOUT(DictEntry, 40);
KELVO_CHECK_LAYOUT(LetterIndexRecord, 84);
KELVO_CHECK_LAYOUT(InflectionRecord, 20);
KELVO_CHECK_LAYOUT(MeaningLine, 160);
KELVO_CHECK_LAYOUT(UniqueRecord, 140);
KELVO_CHECK_LAYOUT(AddonRecord, 108);
KELVO_CHECK_LAYOUT(PhoneticRecord, 32);
KELVO_CHECK_LAYOUT(EnglishIndexRecord, 32);
KELVO_CHECK_LAYOUT(HashRecord, 102);
KELVO_CHECK_LAYOUT(PolishRecord, 40);
KELVO_CHECK_LAYOUT(PhraseRepairRecord, 62);
KELVO_CHECK_LAYOUT(FinalPolishRecord, 202);
KELVO_CHECK_LAYOUT(SenseRecord, 64);
KELVO_CHECK_LAYOUT(WordAnalysis, 102);

static_assert(offsetof(kelvo::grammar::DictEntry, meaning_index) == 8);
static_assert(offsetof(kelvo::grammar::DictEntry, stem) == 14);
static_assert(offsetof(kelvo::grammar::DictEntry, extra) == 38);
static_assert(offsetof(kelvo::grammar::LetterIndexRecord, first) == 80);
static_assert(offsetof(kelvo::grammar::InflectionRecord, ending) == 12);
static_assert(offsetof(kelvo::grammar::MeaningLine, english) == 80);
static_assert(offsetof(kelvo::grammar::UniqueRecord, meaning) == 10);
static_assert(offsetof(kelvo::grammar::UniqueRecord, latin) == 90);
static_assert(offsetof(kelvo::grammar::UniqueRecord, extra) == 114);
static_assert(offsetof(kelvo::grammar::UniqueRecord, second) == 116);
static_assert(offsetof(kelvo::grammar::AddonRecord, text) == 8);
static_assert(offsetof(kelvo::grammar::AddonRecord, meaning) == 28);
static_assert(offsetof(kelvo::grammar::PhraseRepairRecord, length) == 60);
static_assert(offsetof(kelvo::grammar::FinalPolishRecord, match_length) == 200);
static_assert(offsetof(kelvo::grammar::WordAnalysis, position) == 10);
static_assert(offsetof(kelvo::grammar::WordAnalysis, link3) == 18);
static_assert(offsetof(kelvo::grammar::WordAnalysis, rarity) == 20);
static_assert(offsetof(kelvo::grammar::WordAnalysis, declension) == 24);
static_assert(offsetof(kelvo::grammar::WordAnalysis, extra) == 26);
static_assert(offsetof(kelvo::grammar::WordAnalysis, english) == 28);
static_assert(offsetof(kelvo::grammar::WordAnalysis, latin) == 52);
static_assert(offsetof(kelvo::grammar::WordAnalysis, meaning) == 76);
