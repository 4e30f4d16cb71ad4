// Builds the system's lexical tables from what the Whitaker readers return.
#pragma once
#include <array>
#include <span>
#include <string>
#include <vector>

#include "grammar/records.h"
#include "mkdata/english_words.h"
#include "mkdata/whitaker_reader.h"

namespace kelvo::mkdata {

inline constexpr std::size_t kMaxStemChars = 23;

// inflects.dat: non-empty records, sorted by ending text, then part of speech.
std::vector<grammar::InflectionRecord> build_inflections(
    std::span<const WhitakerInflection> raw);

struct DictionaryTables {
  std::vector<grammar::DictEntry> entries;  // sorted by stem text
  std::array<grammar::LetterIndexRecord, grammar::kLetterIndexCount> letter_index{};
  std::vector<grammar::MeaningLine> meanings;  // one per entry with a stem
  std::vector<grammar::SenseRecord> senses;    // the sentence English of each meaning line
  // Verb and noun senses shaped, and those with no head word to inflect
  // ("Whitaker meaning -> chosen sense").
  int verb_senses = 0, noun_senses = 0;
  std::vector<std::string> verbs_without_head, nouns_without_head;
  int citations_missing = 0;                   // entries whose citation could not be built
  std::vector<std::string> warnings;
};

// dictUK.dat and transl.dat. `inflections` is the built inflection table.
DictionaryTables build_dictionary(std::span<const WhitakerEntry> entries,
                                  std::span<const grammar::InflectionRecord> inflections,
                                  const EnglishWords& words = {});

// The letter index of entries sorted by stem.
std::array<grammar::LetterIndexRecord, grammar::kLetterIndexCount> build_letter_index(
    std::span<const grammar::DictEntry> sorted);

// uniques.dat, sorted by the Latin form.
// With `senses`, the sentence English of each unique, in the same order.
std::vector<grammar::UniqueRecord> build_uniques(std::span<const WhitakerUnique> raw,
                                                 std::vector<grammar::SenseRecord>* senses = nullptr,
                                                 const EnglishWords& words = {});

// addons.dat: the tackons, sorted by their text.
std::vector<grammar::AddonRecord> build_addons(std::span<const WhitakerTackon> raw);

// Bytes of a table as it is written to disk.
template <typename T>
std::span<const unsigned char> table_bytes(std::span<const T> records) {
  return {reinterpret_cast<const unsigned char*>(records.data()), records.size_bytes()};
}

}  // namespace kelvo::mkdata
