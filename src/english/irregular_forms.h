// Irregular English forms: a word as the suffix rules spell it ("taked",
// "childs") looked up in the irregular-form table and replaced by the real
// form ("taken", "children").
#pragma once
#include <span>
#include <string>
#include <string_view>

#include "grammar/records.h"

namespace kelvo::english {

inline constexpr std::size_t kMaxIrregularSlot = 75;

// The replacement of one word, or "" when the table does not hold it.
std::string_view irregular_form(std::span<const grammar::PolishRecord> table,
                                std::string_view word);

// Rewrites every word of the slot that the table holds. Words of one or two
// letters are never looked up; a trailing mark below "0" or ">" and leading
// markers "<", "^", "~" are kept around the replaced word. A slot longer than
// 75 characters is left as it is.
void apply_irregular_forms(std::span<const grammar::PolishRecord> table, std::string& slot);

}  // namespace kelvo::english
