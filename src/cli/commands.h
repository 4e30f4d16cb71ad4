// The `kelvo` command: each subcommand is one function over the parsed options.
#pragma once
#include <string>
#include <vector>

namespace kelvo::cli {

int run(int argc, char** argv);

// Subcommands (cmd_*.cpp).
int cmd_sentences(const std::vector<std::string>& args);
int cmd_tokens(const std::vector<std::string>& args);
int cmd_info(const std::vector<std::string>& args);
int cmd_parse(const std::vector<std::string>& args);
int cmd_analyze(const std::vector<std::string>& args);
int cmd_spell(const std::vector<std::string>& args);
int cmd_lookup(const std::vector<std::string>& args);
int cmd_search(const std::vector<std::string>& args);

}  // namespace kelvo::cli
