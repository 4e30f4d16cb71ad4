// The stored analyses decoded into the public readings, once, for output: the
// word report, the exports and the library's callers read readings, never the
// grammar bytes. Nothing on the analysis path decodes.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysed_sentence.h"
#include "kelvo/kelvo.h"

namespace kelvo::analysis {

// What a stored analysis says on its own: form, part of speech, declension
// pair, every attribute, the punctuation mark, gloss, rarity, age and area.
// Lemma, citation, meaning, senses and the entry are left empty.
void decode_record(const grammar::WordAnalysis& a, Reading& out);

// One candidate in full: the record, and from its entry the lemma, the
// citation, the whole meaning and its senses.
// Without `senses` the meaning is not split (the listing prints it whole).
Reading decode_reading(const Candidate& c, const WordAnalyzer& wa, bool senses = true);
// The same into `out`, whose strings keep their room (every field is set).
void decode_reading(const Candidate& c, const WordAnalyzer& wa, bool senses, Reading& out);

// Every candidate of one token, in order.
std::vector<Reading> decode_readings(std::span<const Candidate> candidates,
                                     const WordAnalyzer& wa, bool senses = true);

// A sentence with every token's readings and the word each enclitic was split
// off. The byte offsets (begin, end) stay 0: the analysed sentence does not
// know them.
Sentence to_public_sentence(const AnalysedSentence& s, const WordAnalyzer& wa,
                            bool senses = true);
// The same into `out`, a sentence decoded before (or empty): what it held is
// replaced whole, but its readings' strings keep their room, so decoding
// sentence after sentence into one place allocates less. `spare` holds the
// tokens a shorter sentence left over, for the next longer one.
void to_public_sentence(const AnalysedSentence& s, const WordAnalyzer& wa, bool senses,
                        Sentence& out, std::vector<Token>& spare);

// The senses of a meaning text. Our dictionary separates senses with "/" (the
// user dictionary's ";" is stored as "/", and a few lines end in ";"); the
// "w/" that abbreviates "with" ("w/o", "boiled w/parsley") does not separate.
// Blanks around a sense are trimmed and empty senses dropped; an area tag
// stays with its sense ("L:controller").
std::vector<std::string> split_senses(std::string_view meaning);
void split_senses(std::string_view meaning, std::vector<std::string>& out);

}  // namespace kelvo::analysis
