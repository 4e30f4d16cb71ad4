// The English-to-Latin index: every English word of every meaning line, with
// the entry that carries it, so that a reader can ask which Latin words mean
// "king".
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "grammar/records.h"

namespace kelvo::mkdata {

// The words of a meaning that the index keeps: lower case, letters only, at
// least two and at most 23 of them, without the little words every meaning
// has ("the", "of", "to" ...); each word once, in order of appearance.
std::vector<std::string> index_words(std::string_view meaning);

// english.dat from the built dictionary: sorted by word, then meaning line.
// Each meaning line is indexed once, through its entry's lowest stem key.
std::vector<grammar::EnglishIndexRecord> build_english_index(
    std::span<const grammar::DictEntry> entries, std::span<const grammar::MeaningLine> meanings);

}  // namespace kelvo::mkdata
