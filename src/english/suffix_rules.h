// The suffix markers of the elaborated English ("love+ed", "city+s",
// "watch+es", "twenty+th") spelled out as English words.
#pragma once
#include <string>

#include "grammar/records.h"

namespace kelvo::english {

// What the rules need to know of the slot's word and of the next one.
struct SuffixContext {
  grammar::Code speech = 0;      // of the slot's position
  grammar::Code noun_kind = 0;   // a noun's kind (GROUP plurals in -i)
  grammar::Code number = 0;
  bool next_is_ordinal_numeral = false;  // the next position is a NUM of sort 2
};

// Resolves the first "+" of the slot in place; false when there is none.
bool resolve_suffix(std::string& slot, const SuffixContext& ctx);

}  // namespace kelvo::english
