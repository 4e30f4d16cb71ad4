// One reading of a Latin word, decoded once from the stored analysis: every
// grammatical property as a named value, the dictionary form and the full
// meaning. This is what callers of the library see; the stored records stay
// inside the core.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

// The enumerators keep the values of the grammar codes, so that a reading and
// the stored record say the same thing with the same numbers. `removed` marks a
// position the English passes took out.
enum class PartOfSpeech : std::uint8_t {
  none = 0, noun = 1, pronoun = 2, pronoun_pack = 3, adjective = 4, numeral = 5, adverb = 6,
  verb = 7, participle = 8, supine = 9, preposition = 10, conjunction = 11, interjection = 12,
  tackon = 13, prefix = 14, suffix = 15, punctuation = 16, substantive_adjective = 36,
  removed = 64, conjunctive_adverb = 70, uninflected = 99, uncommon = 254, struck_out = 255
};
enum class Case : std::uint8_t {
  none = 0, nominative, vocative, genitive, locative, dative, ablative, accusative, indeclinable
};
enum class Gender : std::uint8_t { none = 0, masculine, feminine, neuter, common, masc_neuter };
enum class Number : std::uint8_t { none = 0, singular, plural };
enum class Comparison : std::uint8_t { none = 0, positive, comparative, superlative };
enum class Tense : std::uint8_t {
  none = 0, present, imperfect, future, perfect, pluperfect, future_perfect
};
enum class Voice : std::uint8_t { none = 0, active, passive };
// A participle's mood says how it reads: the future passive participle as a
// gerundive ("amandus"), the present and passive ones as adjectives ("amans",
// "amatus").
enum class Mood : std::uint8_t {
  none = 0, indicative, subjunctive, imperative, infinitive, participle, gerundive, adjectival
};
enum class NounKind : std::uint8_t {
  none = 0, single = 1, multiple = 2, abstract = 3, proper = 4, place = 5, person = 6, thing = 7,
  where = 8, group = 9, gerund = 10, variable = 11, country = 21
};
enum class PronounKind : std::uint8_t {
  none = 0, personal, relative, reflexive, demonstrative, interrogative, indefinite, adjectival,
  special
};
enum class VerbKind : std::uint8_t {
  none = 0, to_be, to_being, takes_genitive, takes_dative, takes_ablative, transitive,
  intransitive, impersonal, deponent, semideponent, perfect_definite, modal, personal
};
enum class Complement : std::uint8_t {
  none = 0, subject, transitive, intransitive, personal, dative, modal, ablative
};
enum class NumeralSort : std::uint8_t { none = 0, cardinal, ordinal, distributive, adverb };

// Where the reading's entry lives.
enum class EntrySource : std::uint8_t {
  none = 0,         // no entry: punctuation
  dictionary,       // the main dictionary
  user_dictionary,  // the user's own dictionary
  botany,           // the botanical dictionary
  unique,           // an irregular form listed whole
  built_in          // made by a rule with no entry behind it: names, numerals, tackons
};

// Which rule made the reading.
enum class ReadingSource : std::uint8_t {
  dictionary = 0, spelling_variant, addon, prefix, numeral, pronoun_compound, derived
};

struct Reading {
  std::string form;      // the analysed form, stem and ending joined by "."
  std::string lemma;     // the dictionary headword
  std::string citation;  // the principal parts, as a dictionary cites them
  PartOfSpeech part_of_speech = PartOfSpeech::none;
  int declension = 0;  // declension or conjugation ("which")
  int variant = 0;
  Case grammatical_case = Case::none;  // a preposition: the case it governs
  Number number = Number::none;
  Gender gender = Gender::none;
  Comparison comparison = Comparison::none;
  Tense tense = Tense::none;
  Voice voice = Voice::none;
  Mood mood = Mood::none;
  int person = 0;
  NounKind noun_kind = NounKind::none;
  PronounKind pronoun_kind = PronounKind::none;
  VerbKind verb_kind = VerbKind::none;
  Complement complement = Complement::none;
  NumeralSort numeral_sort = NumeralSort::none;
  bool quis_clause = false;       // a pronoun that opens a quis-clause
  bool conjunction_like = false;  // an adverb that joins clauses
  char punctuation = 0;           // a punctuation reading: its mark (0 for an unknown code)
  std::string meaning;               // the entry's whole English meaning (for a reading with
                                     // no meaning text of its own, the gloss without its "~")
  std::vector<std::string> senses;   // the meaning split into its senses
  std::string gloss;                 // the short meaning kept with the analysis (24 characters)
  std::string english;  // a word looked up on its own: this reading's English as a sentence
                        // would give it, markers "^" and "RTB " kept (empty elsewhere)
  ReadingSource source = ReadingSource::dictionary;
  EntrySource entry = EntrySource::none;
  int rarity = 0;   // 1 (commonest) to 10
  int age = 0;      // age code of the entry
  char area = '-';  // subject-area letter, '-' for general

  bool operator==(const Reading&) const = default;
};

}  // namespace kelvo
