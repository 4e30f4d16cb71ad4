#include "analysis/split_off_token.h"

#include <cstdio>

#include "base/text.h"

namespace kelvo::analysis {

using namespace grammar;

std::string token_limit_message(bool tackon) {
  char text[128];
  std::snprintf(text, sizeof text, tackon ? kTackonLimitMessage : kEncliticLimitMessage,
                kSentenceTokenCapacity);
  return text;
}

Candidate enclitic_candidate(std::string_view enclitic, const AnalysisContext& ctx) {
  const bool que = enclitic == "que";
  const char* meaning = que ? "and" : "is it not that";
  Candidate c;
  c.origin.table = Origin::Table::builtin;
  c.origin.source = Source::addon;
  c.origin.builtin_meaning = meaning;
  WordAnalysis& a = c.analysis;
  a.speech = pos::conj;
  a.stem_key = 1;
  a.position.set(static_cast<std::int16_t>(ctx.position));
  a.word_number.set(static_cast<std::int16_t>(ctx.word_number));
  a.link1.set(-1);
  a.link2.set(-1);
  a.link3.set(-1);
  a.rarity = 1;
  // The coordination rules look for the bare meaning "and", so no "~" flag.
  set_analysis_meaning(a, meaning);
  set_field(a.english, meaning);
  set_field(a.latin, que ? "que." : "ne.");
  return c;
}

SplitOffToken enclitic_token(std::string_view enclitic, const AnalysisContext& ctx) {
  SplitOffToken t;
  t.text = std::string(enclitic);
  t.candidates.push_back(enclitic_candidate(enclitic, ctx));
  t.before_host = true;
  return t;
}

}  // namespace kelvo::analysis
