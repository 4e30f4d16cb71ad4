// Where each token of an analysed text stands in the text as the caller gave
// it. The clean-up rewrites the text (marks folded, abbreviations expanded,
// words joined, enclitics split off), so tokens are found again by reading
// the input forward, letters folded as the clean-up folds them (case, i/j,
// u/v, accents, ligatures). A token is only looked for near the place the
// last one was found: one that the clean-up made and the input lacks stays
// unplaced (begin == end) instead of pulling the rest of the text out of
// place.
#pragma once
#include <string>
#include <string_view>

#include "kelvo/kelvo.h"

namespace kelvo {

// Finds the tokens of one sentence after another in the input.
class TokenAligner {
 public:
  explicit TokenAligner(std::string_view input);
  void align(Sentence& sentence);

  // Input positions of folded characters, read forward (text_alignment.cpp).
  class Reader;

 private:
  bool place(Token& token, std::size_t from);

  std::string_view input_;
  bool utf8_ = false;
  std::size_t cursor_ = 0;  // input byte after the last token placed
};

}  // namespace kelvo
