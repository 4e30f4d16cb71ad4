// The Shell sort both user tables use: floor(log2 n) passes with the gaps n/2,
// n/4, ... down to 1; each pass is an insertion sort along every gap chain.
#pragma once
#include <cmath>
#include <cstddef>
#include <span>
#include <utility>

namespace kelvo::userdata {

// Number of passes for n records: the integer part of 1.442695 * ln(n) + 0.00001.
inline int shell_sort_passes(std::size_t n) {
  if (n < 2) return 0;  // ln(0) is -inf: nothing to sort anyway
  return static_cast<int>(1.442695 * std::log(static_cast<double>(n)) + 0.00001);
}

// Sorts `items` ascending by `less(a, b)`.
template <typename T, typename Less>
void shell_sort(std::span<T> items, Less less) {
  const std::size_t n = items.size();
  const int passes = shell_sort_passes(n);
  std::size_t gap = n;
  for (int p = 0; p < passes; ++p) {
    gap /= 2;
    if (gap == 0) break;
    for (std::size_t j = 0; j + gap < n; ++j) {
      for (std::size_t k = j + gap; k >= gap && less(items[k], items[k - gap]); k -= gap)
        std::swap(items[k], items[k - gap]);
    }
  }
  // The pass count always ends on gap 1; guard against rounding all the same,
  // since an unsorted table would break the bisection searches.
  if (gap > 1) {
    for (std::size_t j = 1; j < n; ++j)
      for (std::size_t k = j; k >= 1 && less(items[k], items[k - 1]); --k)
        std::swap(items[k], items[k - 1]);
  }
}

}  // namespace kelvo::userdata
