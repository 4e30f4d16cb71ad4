#include "english/slot_moves.h"

#include <array>
#include <utility>

#include "base/text.h"

namespace kelvo::english {

void swap_slots(OutputWords& out, int a, int b) {
  std::swap(out.at(a), out.at(b));
  std::swap(out.source[static_cast<std::size_t>(a)], out.source[static_cast<std::size_t>(b)]);
}

void move_slot(OutputWords& out, int from, int to) {
  while (from < to) {
    swap_slots(out, from, from + 1);
    ++from;
  }
  while (from > to) {
    swap_slots(out, from, from - 1);
    --from;
  }
}

void reorder_slots(OutputWords& out, int first, std::span<const int> order) {
  // Moves of whole slots, each to its place in turn: where[k] is the slot
  // that now holds the k-th slot of the range as it was.
  std::array<int, text::kMaxTokens> where{};
  const int n = static_cast<int>(order.size());
  for (int k = 0; k < n; ++k) where[static_cast<std::size_t>(k)] = first + k;
  for (int k = 0; k < n; ++k) {
    const int from = where[static_cast<std::size_t>(order[static_cast<std::size_t>(k)] - first)];
    const int to = first + k;
    if (from == to) continue;
    move_slot(out, from, to);
    // The slots between moved one place on.
    for (int j = 0; j < n; ++j) {
      int& w = where[static_cast<std::size_t>(j)];
      if (w == from) w = to;
      else if (w >= to && w < from) ++w;
    }
  }
}

std::size_t article_length(std::string_view slot) {
  for (std::string_view a : {"with the ", "to the ", "of the ", "the ", "with ", "to ", "of ", "O "})
    if (starts_with_nocase(slot, a)) return a.size();
  return 0;
}

}  // namespace kelvo::english
