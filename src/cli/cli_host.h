// The command line's host: warnings on standard error, questions answered with
// their safe defaults, Ctrl-C as Escape.
#pragma once
#include "base/host.h"

namespace kelvo::cli {

class CliHost : public Host {
 public:
  bool yes_to_pliny = false;  // --pliny: load PlinyUserfile.txt when asked
  void warning(std::string_view text) override;
  bool ask_yes_no(std::string_view text) override;
  bool ask_ok_cancel(std::string_view text) override;
  bool escape_pressed() override;
};

// Ctrl-C from now on asks the run to stop after the current sentence; a second
// Ctrl-C ends the program as usual.
void install_interrupt_handler();

}  // namespace kelvo::cli
