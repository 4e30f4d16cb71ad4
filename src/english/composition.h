// The sentence composed from its English slots: doubled punctuation and
// commas taken out, the gerundive marker and bracketed numbers spelled, a
// space after each slot as its kind and its neighbours' decide (quotation
// marks kept tight to what they quote), then tidied and respaced, with the
// limits on a sentence's and a word's length. Each English word keeps the
// Latin word position it renders.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "english/output_words.h"
#include "grammar/codes.h"

namespace kelvo::english {

inline constexpr std::size_t kMaxSentenceChars = 2250;
inline constexpr const char* kTooManyCharacters =
    "Too many translation characters output - truncating.\n";
inline constexpr const char* kWordTooLong = "Word translation is too long - truncating.\n";

// What composition reads of each position's chosen reading.
struct SlotKind {
  grammar::Code speech = 0;       // 0: no reading; 255: removed by the passes
  grammar::Code punctuation = 0;  // the mark's code for a PUNCT
};

struct EnglishWord {
  std::string text;
  int position = -1;  // the Latin word position it renders; -1 for none
};

struct Composed {
  std::string text;  // ends with a blank and "\n\n"
  std::vector<EnglishWord> words;
  bool truncated = false;
};

// `warn` hears the word-too-long warning with the text composed so far.
void compose(const OutputWords& out, const std::vector<SlotKind>& kinds, Composed& result,
             const std::function<void(std::string_view)>& warn = {});

}  // namespace kelvo::english
