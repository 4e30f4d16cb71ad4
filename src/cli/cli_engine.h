// The start of every command that reads the lexical data: the shared flags
// parsed, the user's folder made ready, the engine loaded and its messages
// printed.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_host.h"
#include "cli/cli_options.h"
#include "kelvo/kelvo.h"

namespace kelvo::cli {

// One host and one warning limit for the command's start-up.
struct Loaded {
  CliOptions cli;
  CliHost host;
  std::shared_ptr<const Engine> engine;
  TranslationOptions options;
};

// Parses the shared flags and loads the engine; prints the error and gives
// the exit status when that fails (0 when it did not).
int load_engine(const char* command, const Arguments& args, Loaded& out);

}  // namespace kelvo::cli
