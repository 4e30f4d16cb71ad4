#include "analysis/reading_decode.h"

namespace kelvo::analysis {
Reading decode_reading(const Candidate& c, const WordAnalyzer& wa) {
  Reading r;
  r.form = std::string(c.analysis.latin_text());
  r.part_of_speech = static_cast<PartOfSpeech>(c.analysis.speech);
  r.meaning = std::string(wa.full_meaning(c.origin));
  return r;
}
Sentence to_public_sentence(const AnalysedSentence& s, const WordAnalyzer& wa) {
  Sentence out;
  out.text = s.text;
  for (const auto& t : s.tokens) {
    Token tok;
    tok.text = t.form;
    tok.punctuation = t.punctuation;
    for (const auto& c : t.candidates) tok.readings.push_back(decode_reading(c, wa));
    out.tokens.push_back(std::move(tok));
  }
  return out;
}
}  // namespace kelvo::analysis
