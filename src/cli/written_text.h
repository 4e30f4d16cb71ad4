// A sentence and its tokens as the user wrote them, taken from the input by
// the places of the tokens: what the sentences and tokens commands print, and
// the text of a sentence in the exports. Comment lines are left out, each run
// of blanks and line ends is one blank, and the text is UTF-8 whatever the
// input's encoding.
#pragma once
#include <string>
#include <string_view>

#include "kelvo/kelvo.h"

namespace kelvo::cli {

class WrittenText {
 public:
  explicit WrittenText(std::string_view input);

  // From the sentence's first placed token to its last; when none is placed
  // (every token made by the clean-up), the sentence as the analysis read it.
  std::string sentence(const Sentence& s) const;
  // The placed tokens, blank-separated; text between them that no token covers
  // (a dash, a word the clean-up rewrote) stands where it is, joined to the
  // token it touches.
  std::string tokens(const Sentence& s) const;
  // A stretch of the input, cleaned as above.
  std::string text(std::size_t begin, std::size_t end) const;

 private:
  // Whether the line holding `p` is a comment line; the line last asked about
  // is kept, since a sentence's tokens are asked for in order.
  bool in_comment_line(std::size_t p, std::size_t& line_end) const;

  std::string_view input_;
  bool utf8_ = false;
  mutable std::size_t line_start_ = 0, line_end_ = 0;
  mutable bool comment_ = false;
};

}  // namespace kelvo::cli
