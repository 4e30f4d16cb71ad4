// The texts made from the command table: the help of the program and of each
// command, the version line, the man page and the bash completion file.
#pragma once
#include <string>

#include "cli/commands.h"

namespace kelvo::cli {

std::string version_line();   // "kelvo 0.1.0 (...)"
std::string command_names();  // "info, sentences, ..."
std::string program_help();   // kelvo --help
std::string command_help(const CommandSpec& command);  // kelvo help COMMAND
std::string usage_line(const CommandSpec& command);    // "kelvo parse [OPTIONS] [FILE...]"
std::string man_page();       // kelvo.1, in roff
std::string bash_completion();

}  // namespace kelvo::cli
