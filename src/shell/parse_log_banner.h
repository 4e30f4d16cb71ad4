// The lines that open every parse log.
#pragma once
#include <ctime>

#include "base/options.h"
#include "base/parse_log.h"

namespace kelvo::shell {

// The versions the banner names: the translator's edition and the Latin data's
// source. `kelvo --version` shows them beside the build's own version.
inline constexpr const char* kBannerVersion = "2.30A";
inline constexpr const char* kWordsVersion = "1.97F";

void write_parse_log_banner(ParseLog& log, const TranslationOptions& options, std::time_t now);

}  // namespace kelvo::shell
