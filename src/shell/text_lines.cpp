#include "shell/text_lines.h"

#include <algorithm>

#include "text/input_text.h"

namespace kelvo::shell {

LineIndex::LineIndex(std::string_view text) : text_(text) {
  starts_.push_back(0);
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') starts_.push_back(i + 1);
  text::EncodingDetector detector;
  detector.feed(text);
  utf8_ = detector.encoding() == text::TextEncoding::utf8;
}

TextPosition LineIndex::at(std::size_t offset) const {
  offset = std::min(offset, text_.size());
  auto it = std::upper_bound(starts_.begin(), starts_.end(), offset);
  const std::size_t start = *(it - 1);
  TextPosition p;
  p.line = static_cast<std::size_t>(it - starts_.begin());
  for (std::size_t i = start; i < offset; ++i) {
    const auto c = static_cast<unsigned char>(text_[i]);
    if (!utf8_ || (c & 0xC0) != 0x80) ++p.column;  // continuation bytes are in their letter
  }
  return p;
}

std::string_view LineIndex::line(std::size_t line) const {
  if (line == 0 || line > starts_.size()) return {};
  const std::size_t start = starts_[line - 1];
  std::size_t end = line < starts_.size() ? starts_[line] - 1 : text_.size();
  if (end > start && text_[end - 1] == '\r') --end;
  return text_.substr(start, end - start);
}

}  // namespace kelvo::shell
