// The word report: the one-line grammatical description of a reading, and the
// listing of a word's readings, as the parse log, the analysis listing and the
// single-word window show them.
#pragma once
#include <span>
#include <string>

#include "kelvo/reading.h"

namespace kelvo::analysis {

// "NOUN 2 1  NOM    SING    MASC    A:0 ": part of speech, declension pair,
// the attributes the part of speech has, rarity letter and age.
std::string describe_reading(const Reading& r, bool easy_latin);

// For each reading but punctuation: "form - citation", the meaning, the
// description and a blank line.
std::string list_readings(std::span<const Reading> readings, bool easy_latin);

}  // namespace kelvo::analysis
