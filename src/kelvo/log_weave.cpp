#include "kelvo/log_weave.h"

#include <algorithm>

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

std::string LogWeave::woven(std::string_view run_log) const {
  std::string out;
  out.reserve(run_log.size() + lines_.size());
  std::size_t from = 0, line_from = 0;
  const std::size_t n = std::min(marks_.size(), ends_.size());
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t at = std::clamp(marks_[i], from, run_log.size());
    out.append(run_log.substr(from, at - from));
    from = at;
    out.append(std::string_view(lines_).substr(line_from, ends_[i] - line_from));
    line_from = ends_[i];
  }
  out.append(run_log.substr(from));
  return out;
}

}  // namespace kelvo
