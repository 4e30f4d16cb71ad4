// The lines that open every parse log.
#pragma once
#include <ctime>

#include "base/options.h"
#include "base/parse_log.h"

namespace kelvo::shell {

void write_parse_log_banner(ParseLog& log, const TranslationOptions& options, std::time_t now);

}  // namespace kelvo::shell
