// The options of the commands: one table per group, read by the argument
// reader, the help texts, the man page and the completion file alike, so that
// what --help shows is exactly what a command accepts. Options come from the
// defaults, then UserSettings.txt in the home folder, then the flags.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/options.h"
#include "base/status.h"

namespace kelvo::cli {

// What an option's value is, for the completion of a shell.
enum class ValueKind : std::uint8_t { none, choice, file, folder, number, word };

struct OptionSpec {
  std::string_view name;        // "--age"
  std::string_view short_name;  // "-j", or empty
  std::string_view value;       // the value as help shows it ("classical|medieval|all",
                                // "FILE"); empty for a switch
  ValueKind kind = ValueKind::none;
  std::string_view help;        // what it does, one sentence
  std::string_view choices = {};  // the values a shell offers, blank-separated, when
                                  // `value` is not already a list of them
};

// The groups of options; a command takes its own and some of these.
std::span<const OptionSpec> text_options();    // how the text is read and analysed
std::span<const OptionSpec> folder_options();  // where the data and the user's files are
std::span<const OptionSpec> help_options();    // -h, --help

struct GivenOption {
  const OptionSpec* option = nullptr;
  std::string value;
};

// A command line read against a command's option groups.
struct Arguments {
  std::vector<GivenOption> options;  // in the order given
  std::vector<std::string> files;    // "-" is standard input
  bool help = false;
  // The value of the last `name` given, or null when it was not given.
  const std::string* value(std::string_view name) const;
  bool has(std::string_view name) const { return value(name) != nullptr; }
};

// "--name VALUE", "--name=VALUE", "-j N", "-jN"; "--" ends the options. An
// unknown option or a missing value is a usage error with its message.
Result<Arguments> read_arguments(const std::vector<std::string>& args,
                                 std::span<const std::span<const OptionSpec>> groups);

struct CliOptions {
  TranslationOptions options;
  std::string home_dir;  // the per-user folder
  std::string data_dir;  // as given with --data ("" when not given)
  std::vector<std::string> files;  // "-" or none: standard input
  bool pliny = false;              // answer Yes when asked to load PlinyUserfile.txt
};

// The folder and text options applied over the settings file of the home
// folder. Errors are usage errors with the message to print.
Result<CliOptions> cli_options(const Arguments& args);

}  // namespace kelvo::cli
