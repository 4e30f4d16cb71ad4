// The inputs of a command (files, or standard input) read whole into memory,
// and the translation run over them for the commands that need no lexicon.
#pragma once
#include <string>

#include "base/status.h"
#include "cli/cli_options.h"
#include "text/translation_run.h"

namespace kelvo::cli {

// One input whole: a file, or standard input for "-". The error carries the
// message to print.
Result<std::string> read_input(const std::string& input);

// The inputs of the command line ("-" when none).
std::vector<std::string> input_names(const CliOptions& cli);

// The message for a text that is not Latin text, naming the input.
std::string not_text_message(const std::string& input);

// Runs the translation run over every input with `handler` (no lexicon: the
// sentences and tokens commands). Returns the exit status: 0, 1 when an input
// could not be read, 2 when the home folder cannot be used.
int run_over_inputs(const CliOptions& cli, text::SentenceHandler& handler);

}  // namespace kelvo::cli
