// The flags shared by the translating commands. Options come from the
// defaults, then UserSettings.txt in the home folder, then the flags.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "base/options.h"
#include "base/status.h"

namespace kelvo::cli {

struct CliOptions {
  TranslationOptions options;
  std::string home_dir;  // the per-user folder
  std::string data_dir;  // as given with --data ("" when not given)
  std::vector<std::string> files;  // "-" or none: standard input
  bool pliny = false;              // answer Yes when asked to load PlinyUserfile.txt
};

// Usage text of the shared flags.
const char* option_flags_help();

// Takes a command's own flag out of `args` before the shared flags are read:
// "--name VALUE" or "--name=VALUE" when `value` is given (an empty value when
// it is missing), a bare "--name" otherwise. True when the flag was there.
bool take_command_flag(std::vector<std::string>& args, std::string_view name,
                       std::string* value);

// Errors are usage errors with the message to print.
Result<CliOptions> parse_cli_options(const std::vector<std::string>& args);

}  // namespace kelvo::cli
