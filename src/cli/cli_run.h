// Runs the translation run over the files of a command (or standard input),
// with its working files in the per-user folder.
#pragma once
#include "text/translation_run.h"
#include "cli/cli_options.h"
#include "shell/session.h"

namespace kelvo::cli {

// Returns the exit status: 0, 1 when an input could not be read, 2 when the
// home folder cannot be used.
// With a session the run has the lexicon and the session's abbreviations;
// with a gate the run shares the command's warning limit.
int run_over_inputs(const CliOptions& cli, text::SentenceHandler& handler,
                    const shell::Session* session = nullptr, WarningGate* gate = nullptr);

}  // namespace kelvo::cli
