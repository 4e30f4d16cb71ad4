// Turns a Whitaker meaning into the English text the translator renders:
// alternatives separated by "/", the plainest rendering first, notes left out.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::mkdata {

inline constexpr std::size_t kMaxMeaningChars = 79;

// The alternatives of a meaning, best first, before they are joined (a bare
// "see" is the verb; "see CONSIDO" and "see also ..." are cross-references).
std::vector<std::string> meaning_alternatives(std::string_view raw);

// The shaped meaning: whole alternatives joined by "/" within `limit`
// characters. Never empty when `raw` holds any text.
std::string shape_meaning(std::string_view raw, std::size_t limit = kMaxMeaningChars);

}  // namespace kelvo::mkdata
