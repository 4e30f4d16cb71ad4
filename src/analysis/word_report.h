// The one-line grammatical description of an analysis, as the parse log,
// the analysis listing and the single-word window show it.
#pragma once
#include <string>

#include "grammar/records.h"

namespace kelvo::analysis {

std::string describe_analysis(const grammar::WordAnalysis& a, bool easy_latin);

}  // namespace kelvo::analysis
