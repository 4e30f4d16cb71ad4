// A token that a word rule splits off its word (an enclitic "que" or "ne", a
// tackon, the enclitic of a pronoun compound). The rule returns it as data;
// the sentence driver inserts it into the token table.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

struct SplitOffToken {
  std::string text;                   // "que", "ne", the tackon text
  std::vector<Candidate> candidates;  // its own analyses
  bool before_host = false;           // true: read before its word ("and" first)
};

// The sentence's token capacity and the limits of adding a split-off token.
inline constexpr int kSentenceTokenCapacity = 400;
// A tackon is not added when the token count would exceed this.
inline constexpr int kMaxTokensBeforeTackon = 398;
// An enclitic token is not added when the token count would reach this.
inline constexpr int kEncliticTokenLimit = 399;
// Both messages take kSentenceTokenCapacity for %d.
inline constexpr const char* kTackonLimitMessage =
    "Exceeded limit %d of words in a sentence.\nCan't add TACKON.\n";
inline constexpr const char* kEncliticLimitMessage =
    "Exceeded limit %d of words in a sentence.\nTruncating sentence.\n";

// True when a split-off token may still be added to a sentence that holds
// `token_count` tokens.
inline bool may_add_tackon(int token_count) { return token_count + 1 <= kMaxTokensBeforeTackon; }
inline bool may_add_enclitic(int token_count) { return token_count + 1 < kEncliticTokenLimit; }

// The limit message with the capacity filled in.
std::string token_limit_message(bool tackon);

// The conjunction analysis of an enclitic ("que": "and"; "ne": "is it not
// that"), at the context's word position.
Candidate enclitic_candidate(std::string_view enclitic, const AnalysisContext& ctx);
SplitOffToken enclitic_token(std::string_view enclitic, const AnalysisContext& ctx);

}  // namespace kelvo::analysis
