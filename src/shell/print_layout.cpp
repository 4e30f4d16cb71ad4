#include "shell/print_layout.h"

namespace kelvo::shell {

std::vector<std::string> printed_lines(std::string_view log) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < log.size()) {
    std::size_t end = log.find('\n', start);
    std::string_view line = log.substr(start, end == std::string_view::npos ? end : end - start);
    start = end == std::string_view::npos ? log.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    while (line.size() > kPrintColumns) {
      std::size_t cut = line.substr(0, kPrintColumns).find_last_of(' ');
      if (cut == std::string_view::npos || cut == 0) cut = kPrintColumns;
      out.emplace_back(line.substr(0, cut));
      line.remove_prefix(cut);
      while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    }
    out.emplace_back(line);
  }
  return out;
}

int page_count(std::size_t lines, int lines_per_page) {
  if (lines_per_page <= 0) return 1;
  // Whole pages only: an exact multiple does not add an empty last page.
  const auto per = static_cast<std::size_t>(lines_per_page);
  return lines == 0 ? 1 : static_cast<int>((lines + per - 1) / per);
}

}  // namespace kelvo::shell
