// The working storage of one sentence: its tokens and the candidate analyses
// of them. Each translator owns one; nothing here is shared between threads.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/host.h"
#include "base/parse_log.h"
#include "grammar/records.h"

namespace kelvo::text {

inline constexpr int kMaxTokens = 400;
inline constexpr std::size_t kTokenSize = 100;  // bytes of a token slot, NUL included
inline constexpr int kMaxAnalyses = 1'200;
inline constexpr int kWordHashSlots = 512;
inline constexpr std::size_t kWordHashTextSize = 32;

inline constexpr const char* kTooManyAnalysesMessage =
    "Too many words stored for automatic translation.\n"
    "Re-setting number of stored words to zero.\n";

// Slot of a word in the word hash: a fixed function of its first twelve bytes.
int word_hash_slot(std::string_view word);

struct WordHashSlot {
  char text[kWordHashTextSize];
  std::int16_t status;  // -1 empty; 1 and 64 mark words whose analysis is known
};

using TokenSlot = std::array<char, kTokenSize>;
using TokenTable = std::array<TokenSlot, kMaxTokens>;

// What the sentence passes read of a sentence (its tokens and analyses),
// copied out so that they may run on another thread while the next sentence
// is read into the working storage.
struct SentenceCopy {
  std::vector<TokenSlot> tokens;
  std::vector<grammar::WordAnalysis> analyses;
  int analysed_words = 0;
  int current_position = 0;
};

class SentenceWords {
 public:
  SentenceWords();

  // Tokens.
  int token_count() const { return token_count_; }
  void set_token_count(int n);
  std::string_view token(int i) const;
  // Writes a token with a bounded copy; false when i is outside the table.
  bool set_token(int i, std::string_view text);
  // Appends a token; false when the table is full.
  bool push_token(std::string_view text);
  // Clears every slot from the token count up.
  void clear_unused_tokens();
  const TokenTable& tokens() const { return tokens_; }

  // The copy of the token table kept for a re-run of the sentence.
  void save_tokens() {
    saved_tokens_ = tokens_;
    saved_used_slots_ = used_slots_;
  }
  void restore_tokens() {
    tokens_ = saved_tokens_;
    used_slots_ = saved_used_slots_;
  }

  // Analyses.
  int analysis_count() const { return analysis_count_; }
  int analysed_words() const { return analysed_words_; }
  void set_analysed_words(int n) { analysed_words_ = n; }
  int current_position() const { return current_position_; }
  void set_current_position(int p) { current_position_ = p; }
  grammar::WordAnalysis& analysis(int i) { return analyses_[static_cast<std::size_t>(i)]; }
  const grammar::WordAnalysis& analysis(int i) const {
    return analyses_[static_cast<std::size_t>(i)];
  }
  // Resets both analysis cursors (done before every sentence).
  void reset_cursors() {
    analysis_count_ = 0;
    analysed_words_ = 0;
  }
  // Appends a zeroed record at the current position and returns its index.
  // Reaching the table's end restarts it at 0 with a message (shown under the
  // warning limit unless `quiet`, always logged).
  int append_analysis(WarningGate& warnings, ParseLog& log, bool quiet);
  // The PUNCT record of a "PUNCTx" token at the current word position.
  int add_punctuation_analysis(std::string_view punct_token, WarningGate& warnings, ParseLog& log,
                               bool quiet);

  // The sentence's tokens and analyses, copied out and back: loading one
  // replaces this storage's sentence (the word hash is left as it is).
  void copy_sentence(SentenceCopy& out) const;
  void load_sentence(const SentenceCopy& in);

  // Word hash.
  WordHashSlot& hash_slot(int i) { return hash_[static_cast<std::size_t>(i)]; }
  const WordHashSlot& hash_slot(int i) const { return hash_[static_cast<std::size_t>(i)]; }
  void clear_word_hash();

 private:
  TokenTable tokens_{};
  TokenTable saved_tokens_{};
  int token_count_ = 0;
  // Every slot from here up is empty: clearing the unused slots stops here
  // instead of walking the whole table after each sentence.
  int used_slots_ = 0;
  int saved_used_slots_ = 0;
  std::array<grammar::WordAnalysis, kMaxAnalyses> analyses_{};
  int analysis_count_ = 0;
  int analysed_words_ = 0;
  int current_position_ = 0;
  std::array<WordHashSlot, kWordHashSlots> hash_{};
};

}  // namespace kelvo::text
