// The final polish: word and phrase replacements over the composed sentence
// (finalpolish.dat), for what only shows once the slots stand side by side
// ("the the" across two words, "a" before a vowel, "more good").
#pragma once
#include <span>
#include <string>

#include "grammar/records.h"

namespace kelvo::english {

// Rewrites `text` (a composed sentence, ending in a line feed) in place. At
// each word the records of the word's first letter are tried in order; a
// record matches when its text stands there whole (followed by a blank, a
// line feed, "." or ","). A replacement of the same length lets the next
// record try the same place; another length ends the work at that word. A
// word that began with a capital keeps it.
void final_polish(std::span<const grammar::FinalPolishRecord> table, std::string& text);

}  // namespace kelvo::english
