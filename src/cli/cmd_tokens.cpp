// `kelvo tokens`: each sentence's tokens, blank-separated, one sentence a line.
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/cli_run.h"
#include "cli/commands.h"
#include "grammar/codes.h"

namespace kelvo::cli {

namespace {

class PrintTokens : public text::SentenceHandler {
 public:
  void analyse(text::SentenceWords& words, text::RunContext& run) override {
    line_.clear();
    for (int i = 0; i < run.token_count; ++i) {
      const std::string_view token = words.token(i);
      if (i) line_.push_back(' ');
      line_.append(token);
      if (grammar::punctuation_token_code(token) < 0) run.count_word();
    }
    line_.push_back('\n');
    std::fwrite(line_.data(), 1, line_.size(), stdout);
  }

 private:
  std::string line_;  // reused for every sentence
};

}  // namespace

int cmd_tokens(const Arguments& args) {
  auto cli = cli_options(args);
  if (!cli) return usage_error("tokens", cli.error().message);
  PrintTokens handler;
  return run_over_inputs(*cli, handler);
}

}  // namespace kelvo::cli
