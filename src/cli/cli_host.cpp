#include "cli/cli_host.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>

namespace kelvo::cli {

namespace {

// A signal handler can only reach a flag of the process; this is the one place
// the program keeps such state, and only the command line has it.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void on_interrupt(int) { g_interrupted.store(true); }

void print(std::string_view prefix, std::string_view text) {
  while (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  std::fprintf(stderr, "kelvo: %.*s%.*s\n", static_cast<int>(prefix.size()), prefix.data(),
               static_cast<int>(text.size()), text.data());
}

}  // namespace

void CliHost::warning(std::string_view text) { print("", text); }

bool CliHost::ask_yes_no(std::string_view text) {
  if (yes_to_pliny && text.find("PlinyUser") != std::string_view::npos) return true;
  print("", std::string(text) + " [answered No]");
  return false;
}

bool CliHost::ask_ok_cancel(std::string_view text) {
  print("", std::string(text) + " [answered OK]");
  return true;
}

bool CliHost::escape_pressed() { return g_interrupted.load(); }

void install_interrupt_handler() {
  struct sigaction sa {};
  sa.sa_handler = on_interrupt;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESETHAND;  // the second Ctrl-C is not caught
  sigaction(SIGINT, &sa, nullptr);
}

}  // namespace kelvo::cli
