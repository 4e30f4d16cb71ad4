// A reading of a Latin word as the window shows it: one line of grammar for
// the tooltip and the glossary, its English for the single-word translation.
#pragma once
#include <string>
#include <vector>

#include "kelvo/reading.h"
#include "shell/single_word.h"

namespace kelvo::app {

// "amo  VERB  PRES ACTIVE IND 1 S" : the analysed form and every property given.
std::string reading_line(const Reading& r);

// The English the single-word translation shows for a reading, and the
// other senses it may be given, in order. Until the English passes render a
// word, a reading's English is the first sense of its meaning.
std::string reading_english(const Reading& r);
std::vector<std::string> reading_alternatives(const std::vector<Reading>& readings);

// The pieces that shell::compose_single_word takes.
std::vector<shell::WordReading> word_readings(const std::vector<Reading>& readings);

// Several readings, one line each with its meaning (the tooltip).
std::string readings_summary(const std::string& word, const std::vector<Reading>& readings,
                             std::size_t max_readings = 8);

}  // namespace kelvo::app
