// Word analyses for other programs: JSON Lines and CoNLL-U.
#pragma once
#include <string>

#include "analysis/analysed_sentence.h"

namespace kelvo::formats {

// One JSON object (one line, no trailing newline) for a sentence.
std::string sentence_to_json(const analysis::AnalysedSentence& s,
                             const analysis::WordAnalyzer& wa);

// A CoNLL-U block for a sentence (comment lines, one line per token, blank line).
std::string sentence_to_conllu(const analysis::AnalysedSentence& s,
                               const analysis::WordAnalyzer& wa, int sentence_number);

// Universal Dependencies part of speech and features of one analysis.
std::string ud_upos(const grammar::WordAnalysis& a);
std::string ud_feats(const grammar::WordAnalysis& a);

}  // namespace kelvo::formats
