#include "cli/commands.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"

namespace kelvo::cli {

namespace {

struct Command {
  std::string_view name;
  std::string_view help;
  int (*fn)(const std::vector<std::string>& args);
};

const Command kCommands[] = {
    {"info", "show the data folder, each table loaded and the features switched off", cmd_info},
    {"sentences", "print the prepared sentences of FILE... (or standard input), one a line",
     cmd_sentences},
    {"tokens", "print the tokens of each sentence of FILE... (or standard input)", cmd_tokens},
    {"parse", "analyse every word of FILE... and list the analyses (--log FILE: the parse log)",
     cmd_parse},
    {"analyze", "the analyses for programs: --format json|conllu, --lines (a text a line)",
     cmd_analyze},
    {"spell", "print FILE:LINE:COL: WORD for each word the analysis cannot read (exit 1 when any)",
     cmd_spell},
    {"lookup", "the dictionary by the start of a stem, or --english WORD: the Latin for it",
     cmd_lookup},
    {"search", "--forms WORD FILE...: each line holding a form of the word's lemmas",
     cmd_search},
};

void print_help() {
  std::printf("Usage: kelvo COMMAND [OPTIONS] [FILE...]\n\nCommands:\n");
  for (const auto& c : kCommands)
    std::printf("  %-12s %.*s\n", std::string(c.name).c_str(), static_cast<int>(c.help.size()),
                c.help.data());
}

}  // namespace

int run(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    print_help();
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--version") {
    std::printf("kelvo %s\n", version_text().c_str());
    return 0;
  }
  for (const auto& c : kCommands) {
    if (args[0] == c.name) return c.fn(std::vector<std::string>(args.begin() + 1, args.end()));
  }
  std::fprintf(stderr, "kelvo: unknown command '%s'; see 'kelvo --help'\n", args[0].c_str());
  return 2;
}

}  // namespace kelvo::cli
