// The English polishing tables (polish.dat, phrasedud.dat, finalpolish.dat)
// built from the project's text sources under data/.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/status.h"
#include "grammar/records.h"

namespace kelvo::mkdata {

inline constexpr const char* kPolishSource = "polish.txt";
inline constexpr const char* kPhraseRepairSource = "phrasedud.txt";
inline constexpr const char* kFinalPolishSource = "finalpolish.txt";

// The phrase repair table's first section (verb phrases) has this many records;
// the word-phrase section follows it.
using grammar::kVerbPhraseRepairs;
inline constexpr std::string_view kVerbSectionHeader = "[verb phrases]";
inline constexpr std::string_view kWordSectionHeader = "[word phrases]";

// Each parser takes "key<TAB>replacement" lines; "#" starts a comment line.
// Lines that cannot be stored (too long, no tab, duplicate key) are skipped
// and described in `notes` with their line numbers.
//
// `generated` holds the pairs made from WordNet; a line of the text with the
// same key takes its place, and a line whose replacement is its own key
// ("dived<TAB>dived") keeps the regular form by leaving the key out.
Result<std::vector<grammar::PolishRecord>> parse_polish(
    std::string_view text, std::string_view name, std::vector<std::string>& notes,
    std::span<const std::pair<std::string, std::string>> generated = {});
Result<std::vector<grammar::PhraseRepairRecord>> parse_phrase_repairs(
    std::string_view text, std::string_view name, std::vector<std::string>& notes);
Result<std::vector<grammar::FinalPolishRecord>> parse_final_polish(
    std::string_view text, std::string_view name, std::vector<std::string>& notes,
    std::span<const std::pair<std::string, std::string>> generated = {});

}  // namespace kelvo::mkdata
