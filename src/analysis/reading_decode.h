// Stand-in until the full decoder lands.
#pragma once
#include "analysis/analysed_sentence.h"
#include "kelvo/kelvo.h"

namespace kelvo::analysis {
Reading decode_reading(const Candidate& c, const WordAnalyzer& wa);
Sentence to_public_sentence(const AnalysedSentence& s, const WordAnalyzer& wa);
}  // namespace kelvo::analysis
