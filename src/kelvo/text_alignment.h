// Where each token of an analysed text stands in the text as the caller gave
// it: the clean-up rewrites the text (marks folded, abbreviations expanded,
// words joined), so tokens are found again by a forward search that ignores
// case, i/j, u/v and the marks that the clean-up folds.
#pragma once
#include <string_view>
#include <vector>

#include "kelvo/kelvo.h"

namespace kelvo {

void align_tokens(std::string_view input, std::vector<Sentence>& sentences);

}  // namespace kelvo
