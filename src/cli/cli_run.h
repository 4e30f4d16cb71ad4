// The inputs of a command (files, or standard input) read whole into memory,
// and the translation run over them for the commands that need no lexicon.
#pragma once
#include <string>

#include <span>
#include <vector>

#include "base/status.h"
#include "cli/cli_options.h"
#include "kelvo/kelvo.h"
#include "text/translation_run.h"

namespace kelvo::cli {

// One input whole: a file, or standard input for "-". The error carries the
// message to print.
Result<std::string> read_input(const std::string& input);

// The inputs of the command line ("-" when none).
std::vector<std::string> input_names(const CliOptions& cli);

// The user's folder as a run can use it: created with its starter files on
// first use; a folder that cannot be written is read as it is; one that
// cannot be made gives "" (no files of the user's) and a note on standard error.
std::string usable_home(const std::string& home);

// How messages name an input: its full path, or "(standard input)".
std::string input_label(const std::string& input);

// The message for a text that is not Latin text, naming the input.
std::string not_text_message(const std::string& input);

// Says on standard error where limits cut an input, "kelvo: FILE:LINE: ...";
// `first_line` is the input's line that the text began on. Cuts that follow
// one another on one line are said once, with their number.
void report_cuts(const std::string& input, std::span<const TextCut> cuts,
                 std::uint32_t first_line = 1);

// Says that Ctrl-C stopped the run in `input`.
void report_interrupted(const std::string& input);

// A handler of the run without the lexicon, told each input before its run.
class InputHandler : public text::SentenceHandler {
 public:
  virtual void begin_input(std::string_view raw) = 0;
};

// The tokens of the sentence in the table as the facade shows them (a mark as
// its character), for finding them in the input.
Sentence sentence_of(const text::SentenceWords& words, int token_count);

// Runs the translation run over every input with `handler` (no lexicon: the
// sentences and tokens commands). Returns the exit status: 0, 1 when an input
// could not be read or was cut, or the run was interrupted.
int run_over_inputs(const CliOptions& cli, InputHandler& handler);

}  // namespace kelvo::cli
