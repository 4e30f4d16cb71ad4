// The word-report line of a stored analysis, for tests that look at records.
#pragma once
#include <string>

#include "analysis/reading_decode.h"
#include "analysis/word_report.h"

namespace kelvo::testing {

inline std::string report_of(const grammar::WordAnalysis& a, bool easy_latin = false) {
  Reading r;
  analysis::decode_record(a, r);
  return analysis::describe_reading(r, easy_latin);
}

}  // namespace kelvo::testing
