#include "text/roman_numeral.h"

namespace kelvo::text {

namespace {

int letter_value(char c) {
  switch (c) {
    case 'I': return 1;
    case 'V':
    case 'U': return 5;
    case 'X': return 10;
    case 'L': return 50;
    case 'C': return 100;
    case 'D': return 500;
    case 'M': return 1000;
    default: return 0;
  }
}

}  // namespace

int roman_numeral_value(std::string_view word) {
  if (!word.empty() && word.back() == 'S') word.remove_suffix(1);
  // Long letter runs are never numerals; the bound also keeps the sum small.
  if (word.empty() || word.size() > 20) return 0;
  int total = 0;
  int prev = 0;
  for (char c : word) {
    int v = letter_value(c);
    if (v == 0) return 0;
    if (prev != 0 && v > prev) {
      // Only I, X and C subtract, and only from the next two letters up
      // (IV IX, XL XC, CD CM): "VX", "IC" and "VL" are not numerals.
      if (v == 2 * prev || v > 10 * prev) return 0;
      if (prev != 1 && prev != 10 && prev != 100) return 0;
    }
    // V, L and D never repeat ("XVV" is not 20).
    if (v == prev && (v == 5 || v == 50 || v == 500)) return 0;
    total += v;
    if (prev != 0 && v > prev) total -= 2 * prev;
    prev = v;
  }
  return total > 0 ? total : 0;
}

}  // namespace kelvo::text
