// The printed pages of a parse log: long lines broken at blanks, a fixed
// number of lines a page.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::shell {

inline constexpr std::size_t kPrintColumns = 76;

// The log's lines without their line ends; a line longer than 76 characters
// is broken at the last blank at or before the 76th, repeatedly (a piece
// without a blank is cut at 76).
std::vector<std::string> printed_lines(std::string_view log);

// Pages needed for `lines` at `lines_per_page` (at least one page).
int page_count(std::size_t lines, int lines_per_page);

}  // namespace kelvo::shell
