// The rules around the core, in the order one word goes through them:
// the dictionary and the uniques, a capitalised word again in lower case,
// Roman numerals, compound ordinals, then a proper name for a capitalised word
// found nowhere.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "analysis/split_off_token.h"
#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

struct WordResult {
  int added = 0;
  bool proper_name = false;  // the word was read as a proper name
  // A tackon or enclitic read as a token of its own (the caller inserts it).
  std::optional<SplitOffToken> split_off;
  // Set by a WordMemo that keeps this answer: its entry + 1, the same for
  // every answer of that entry until the memo's generation changes (0: none).
  std::uint32_t memo_entry = 0;
};

// `known_proper`: the run has already read this word as a proper name;
// `question`: the sentence ends in a question mark.
WordResult analyse_word(const WordAnalyzer& wa, std::string_view word, bool first_in_sentence,
                        bool known_proper, std::vector<Candidate>& out, AnalysisContext& ctx,
                        bool question = false);

}  // namespace kelvo::analysis
