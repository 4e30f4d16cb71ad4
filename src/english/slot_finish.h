// What turns an elaborated slot into printable English until the full
// polishing pass exists: the first suffix marker spelled out, irregular forms
// looked up, the head-word marker removed.
#pragma once
#include <span>
#include <string>

#include "english/suffix_rules.h"
#include "grammar/records.h"

namespace kelvo::english {

// Removes the first "^" of the slot and blanks left at its end.
void remove_head_marker(std::string& slot);

void finish_slot(std::string& slot, const SuffixContext& ctx,
                 std::span<const grammar::PolishRecord> irregular);

}  // namespace kelvo::english
