// Roman numerals as the tokeniser and word analysis see them.
#pragma once
#include <string_view>

namespace kelvo::text {

// Value of a Roman numeral (I V U X L C D M, a trailing "S" ignored), or 0 when
// the text is not a valid numeral.
int roman_numeral_value(std::string_view word);

inline bool is_roman_numeral(std::string_view word) { return roman_numeral_value(word) > 0; }

// True for the capitals a Roman numeral is written with.
inline bool is_roman_letter(char c) {
  return c == 'I' || c == 'V' || c == 'U' || c == 'X' || c == 'L' || c == 'C' || c == 'D' ||
         c == 'M';
}

}  // namespace kelvo::text
