// The English of one sentence while it is being made: one slot per word
// position (punctuation marks are positions too), each at most 80 characters
// once polished, and the position of the Latin word each slot renders (slots
// may be moved by the word-order pass; the source travels with them).
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "text/sentence_words.h"

namespace kelvo::english {

inline constexpr std::size_t kMaxSlotChars = 80;

struct OutputWords {
  std::array<std::string, text::kMaxTokens> slot;
  std::array<std::int16_t, text::kMaxTokens> source{};  // Latin word position of each slot
  int count = 0;

  void reset(int n) {
    count = n;
    for (int i = 0; i < n; ++i) {
      slot[static_cast<std::size_t>(i)].clear();
      source[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
    }
  }
  std::string& at(int i) { return slot[static_cast<std::size_t>(i)]; }
  const std::string& at(int i) const { return slot[static_cast<std::size_t>(i)]; }
};

}  // namespace kelvo::english
