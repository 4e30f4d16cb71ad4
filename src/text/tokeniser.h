// The tokeniser: one temp.lat line into the token table of SentenceWords.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "text/sentence_words.h"
#include "base/host.h"
#include "base/options.h"
#include "base/parse_log.h"

namespace kelvo::text {

inline constexpr std::size_t kMaxWordLength = 100;
inline constexpr int kTokenLimit = 398;  // tokens of a sentence, less the word's trailing marks
inline constexpr std::size_t kMaxTrailingMarks = 18;
inline constexpr const char* kWordTooLongFormat = "More than %d characters in word %s.\n";
inline constexpr const char* kTooManyTokensFormat =
    "Too many words/punctuation. Truncated at %d.\n";
enum class TokeniseStatus : std::uint8_t {
  complete,
  truncated,  // a word or the sentence was cut at a limit (the message is logged)
  cancelled,  // the user chose Cancel at the too-many-words question
};

// The limit at which a sentence was cut.
enum class TokenLimit : std::uint8_t { none, word_length, sentence_tokens };

struct Tokenised {
  int tokens = 0;
  TokeniseStatus status = TokeniseStatus::complete;
  // With `truncated` (or `cancelled` at the question): the limit, and the word
  // at which the sentence was cut, from where the rest is left out.
  TokenLimit limit = TokenLimit::none;
  std::string cut_word;
};

// Fills the token table from one sentence line.
Tokenised tokenise(std::string_view line, SentenceWords& words, const TranslationOptions& options,
             WarningGate& warnings, ParseLog& log);

}  // namespace kelvo::text
