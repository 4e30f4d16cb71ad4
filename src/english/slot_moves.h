// Moving whole English slots: a slot's text and the Latin position it renders
// travel together, so every later step still finds the reading behind a slot.
#pragma once
#include <span>
#include <string_view>

#include "base/text.h"
#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

void swap_slots(OutputWords& out, int a, int b);
// Moves slot `from` to `to`, shifting the slots between by one.
void move_slot(OutputWords& out, int from, int to);
// Puts the slots [first, first + order.size()) in the order given: order[k]
// is the slot (within that range) that ends up k-th.
void reorder_slots(OutputWords& out, int first, std::span<const int> order);

// The chosen analysis behind slot i (slots move; their readings go with
// them), or -1.
inline int slot_reading(const SentenceInput& in, const OutputWords& out, int i) {
  if (i < 0 || i >= out.count) return -1;
  return in.chosen(out.source[static_cast<std::size_t>(i)]);
}

// Readings that render no word of their own: punctuation and the words the
// clean-up struck.
inline bool skipped(grammar::Code speech) {
  return speech == grammar::pos::punct || speech == 64 || speech == grammar::pos::deleted_ai;
}

// Whether the analysed form (stem "." ending) is of the stem `stem` ("qu.").
inline bool form_of(const grammar::WordAnalysis& a, std::string_view stem) {
  return starts_with_nocase(a.latin_text(), stem);
}

// Whether one of a's links leads to the analysis `target`.
inline bool links_to(const grammar::WordAnalysis& a, int target) {
  for (int k = 0; k < 3; ++k)
    if (a.link(k) == target) return true;
  return false;
}

// The length of the article or preposition that opens a slot ("the ",
// "of the ", "with " ...), 0 when none; compared without regard to case.
std::size_t article_length(std::string_view slot);

}  // namespace kelvo::english
