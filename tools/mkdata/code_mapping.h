// Whitaker's enumerations and spellings mapped to this system's codes.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "grammar/codes.h"

namespace kelvo::mkdata {

using grammar::Code;

// Whitaker's part-of-speech positions X N PRON ... SUFFIX = 0..15 coincide with ours.
inline constexpr int kWhitakerMaxSpeech = 15;
inline constexpr int kWhitakerMaxAge = 8;
inline constexpr int kWhitakerMaxArea = 11;
inline constexpr int kWhitakerMaxFrequency = 9;

// Noun kind by Whitaker position (X S M A G N P T L W) to our code.
Code map_noun_kind(int whitaker_kind);
// Rarity grade 1..10 from a Whitaker frequency position (X A B C D E F I M N).
int rarity_from_frequency(int frequency);
// Rarity increment of an inflection from its frequency (A or X 0, B 1 .. F 5).
int rarity_increment(int frequency);
// Noun extra flag: 1 singular only (kind S), 2 plural only (kind M), else 0.
Code noun_number_flag(int whitaker_kind);
// A relative or interrogative pronoun opens a clause of its own (qui, quis):
// the entry's extra byte marks it for the sentence passes.
Code quis_clause_flag(Code kind);

// Latin spelling as the tokeniser writes it: j->i, v->u (either case).
std::string normalise_latin(std::string_view text);

// Keyword readers for Whitaker's text files (UNIQUES.LAT, ADDONS.LAT); the
// position in Whitaker's enumeration, or nothing for an unknown keyword.
std::optional<int> whitaker_speech(std::string_view word);
std::optional<int> whitaker_case(std::string_view word);
std::optional<int> whitaker_number(std::string_view word);
std::optional<int> whitaker_gender(std::string_view word);
std::optional<int> whitaker_comparison(std::string_view word);
std::optional<int> whitaker_tense(std::string_view word);
std::optional<int> whitaker_voice(std::string_view word);
std::optional<int> whitaker_mood(std::string_view word);
std::optional<int> whitaker_pronoun_kind(std::string_view word);
std::optional<int> whitaker_verb_kind(std::string_view word);
std::optional<int> whitaker_numeral_sort(std::string_view word);
std::optional<int> whitaker_noun_kind(std::string_view word);  // letters, any case
std::optional<int> whitaker_age(std::string_view word);
std::optional<int> whitaker_area(std::string_view word);
std::optional<int> whitaker_frequency(std::string_view word);

}  // namespace kelvo::mkdata
