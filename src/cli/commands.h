// The `kelvo` command: each subcommand is one function over its arguments,
// described once in the command table that the dispatcher, the help texts,
// the man page and the shell completion all read.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"

namespace kelvo::cli {

// Exit statuses: every command ends with one of these.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitIncomplete = 1;  // bad input, text cut at a limit, interrupted
inline constexpr int kExitUsage = 2;       // bad usage, data missing or refused

struct CommandSpec {
  std::string_view name;
  std::string_view operands;     // after the options in the usage line: "[FILE...]"
  std::string_view summary;      // one line in the list of commands
  std::string_view description;  // a paragraph for its own help and the man page
  std::span<const OptionSpec> own;  // the options only this command takes
  bool reads_text = false;          // takes the text options and FILE operands
  int (*run)(const Arguments& args) = nullptr;
};

std::span<const CommandSpec> commands();
const CommandSpec* find_command(std::string_view name);

// Every option group a command takes, its own first.
std::vector<std::span<const OptionSpec>> option_groups(const CommandSpec& command);

int run(int argc, char** argv);

// Prints "kelvo COMMAND: MESSAGE" and where to find help; returns kExitUsage.
int usage_error(std::string_view command, const std::string& message);

// Subcommands (cmd_*.cpp).
int cmd_sentences(const Arguments& args);
int cmd_tokens(const Arguments& args);
int cmd_info(const Arguments& args);
int cmd_parse(const Arguments& args);
int cmd_analyze(const Arguments& args);
int cmd_translate(const Arguments& args);
int cmd_spell(const Arguments& args);
int cmd_lookup(const Arguments& args);
int cmd_search(const Arguments& args);

}  // namespace kelvo::cli
