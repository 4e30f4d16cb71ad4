#include "kelvo/log_weave.h"

#include <algorithm>
#include <cstring>

namespace kelvo {

void LogWeave::clear() {
  marks_.clear();
  lines_.clear();
  ends_.clear();
}

void LogWeave::mark_sentence(std::size_t at) {
  marks_.push_back(at);
  marks_.push_back(at);
}

void LogWeave::mark_english(std::size_t at) {
  if (!marks_.empty()) marks_.back() = at;
}

void LogWeave::add(std::string_view passes, std::string_view english) {
  lines_.append(passes);
  ends_.push_back(lines_.size());
  lines_.append(english);
  ends_.push_back(lines_.size());
}

void LogWeave::weave_into(std::string& log) const {
  const std::size_t n = std::min(marks_.size(), ends_.size());
  if (n == 0) return;
  const std::size_t written = log.size();
  log.resize(written + ends_[n - 1]);
  // From the end back: each stretch of the run's own text moves to its place
  // and the sentence's lines go in before it, never over text not yet moved.
  std::size_t from_end = written, to_end = log.size();
  for (std::size_t i = n; i-- > 0;) {
    const std::size_t at = std::min(marks_[i], from_end);
    const std::size_t stretch = from_end - at;
    to_end -= stretch;
    std::memmove(log.data() + to_end, log.data() + at, stretch);
    from_end = at;
    const std::size_t line_from = i == 0 ? 0 : ends_[i - 1];
    const std::size_t lines = ends_[i] - line_from;
    to_end -= lines;
    std::memcpy(log.data() + to_end, lines_.data() + line_from, lines);
  }
}

}  // namespace kelvo
