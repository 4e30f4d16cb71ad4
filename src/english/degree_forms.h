// "more thick" -> "thicker", "most swift" -> "swiftest": a short English
// adjective takes its degree as an ending, the way English says it.
#pragma once
#include <string>

namespace kelvo::english {

// Rewrites a slot's trailing "more X" / "most X" when X is an adjective of one
// syllable that English compares with -er/-est; other slots stay as they are.
void inflect_degree(std::string& slot);

}  // namespace kelvo::english
