// What `kelvo spell` and `kelvo search` share: each input read and analysed
// in turn, its sentences handed over as they come, then the input's text for
// the places ("file:line:col") of what was found in it.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "cli/cli_engine.h"
#include "kelvo/kelvo.h"

namespace kelvo::cli {

struct AnalysedInput {
  std::string name;  // as printed: the file name, or "(standard input)"
  std::string text;  // the bytes as read
  bool utf8 = false; // the text is UTF-8 (else 8-bit)
};

// Analyses every input of the command line (standard input when none) with
// the loaded engine, word analysis only. Returns 1 when an input could not be
// read or is not text, else 0; stops after an input that Ctrl-C interrupted.
int analyse_inputs(Loaded& loaded, const std::function<void(const Sentence&)>& each_sentence,
                   const std::function<void(const AnalysedInput&)>& after_input);

// Bytes of the input for printing: UTF-8 as they are, 8-bit text converted.
std::string printable(std::string_view bytes, bool utf8);

}  // namespace kelvo::cli
