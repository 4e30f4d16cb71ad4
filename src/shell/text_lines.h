// Lines and columns of a text, for messages that editors can jump to
// ("file:line:col"): lines and columns count from 1, a column counts
// characters (code points of UTF-8 text, bytes of 8-bit text).
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace kelvo::shell {

struct TextPosition {
  std::size_t line = 1;
  std::size_t column = 1;
};

class LineIndex {
 public:
  explicit LineIndex(std::string_view text);
  // The position of a byte offset (an offset past the end: the end).
  TextPosition at(std::size_t offset) const;
  // Line `line` (from 1) without its line end; "" past the last.
  std::string_view line(std::size_t line) const;
  std::size_t lines() const { return starts_.size(); }

 private:
  std::string_view text_;
  std::vector<std::size_t> starts_;  // byte offset of each line
  bool utf8_ = false;
};

}  // namespace kelvo::shell
