// Where each token of an analysed text stands in the text as the caller gave
// it: the clean-up rewrites the text (marks folded, abbreviations expanded,
// words joined), so tokens are found again by a forward search that ignores
// case, i/j, u/v and the marks that the clean-up folds.
#pragma once
#include <memory>
#include <string_view>
#include <vector>

#include "kelvo/kelvo.h"

namespace kelvo {

// Finds the tokens of one sentence after another in the input.
class TokenAligner {
 public:
  explicit TokenAligner(std::string_view input);
  ~TokenAligner();
  void align(Sentence& sentence);

  struct Folded;

 private:
  std::string_view input_;
  std::unique_ptr<Folded> folded_;
  std::size_t cursor_ = 0;       // folded position after the last token found
  std::size_t before_last_ = 0;  // the cursor before the last token was found
};

}  // namespace kelvo
