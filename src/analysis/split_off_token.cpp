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
  // The coordination rules look for the bare meaning "and", so no "~" flag.
  Candidate c = builtin_candidate(pos::conj, que ? "que." : "ne.", meaning, Source::addon, ctx);
  c.analysis.stem_key = 1;
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
