// Words our dictionary files under one part of speech that the grammars also
// give under another: nemo and nihil (nil, nichil) are the substantive
// negative pronouns, the nouns of nullus, and amen, an adverb ("truly"),
// closes a prayer as a cry. Each of the entry's readings gains a copy in the
// other part of speech, three steps rarer, after the word's own readings.
#pragma once
#include <cstddef>
#include <vector>

#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

int add_second_parts_of_speech(const WordAnalyzer& wa, std::vector<Candidate>& out,
                               std::size_t from);

}  // namespace kelvo::analysis
