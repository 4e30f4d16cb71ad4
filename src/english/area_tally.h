// Automatic area selection: each sentence's chosen readings are counted by
// subject area; an area that clearly leads becomes the run's preferred area
// (and the sentence is translated again with it), and at the end of the run
// an area that held more than 40 % of the sentences is suggested.
#pragma once
#include <optional>
#include <span>
#include <string>

#include "text/translation_run.h"

namespace kelvo::english {

inline constexpr int kUnclearSentenceLimit = 50;
inline constexpr const char* kAreaReportTitle = "Auto-area Selection";

// The area letter of an area code 0..13 ('-' for general).
char tally_letter(int area_code);
// The run-tally counter of a current area letter.
int tally_counter(char letter);

// Tallies one sentence from the area codes of its chosen readings; returns
// true when the preferred area changed and the sentence should be read again
// (the sentence is then counted on that second reading only).
bool tally_sentence(text::AreaState& area, std::span<const int> area_codes);

// The end-of-run suggestion, or nothing when no area held more than 40 %.
std::optional<std::string> area_report(const text::AreaState& area);

}  // namespace kelvo::english
