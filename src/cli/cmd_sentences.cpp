// `kelvo sentences`: the prepared sentences, one a line, as temp.lat holds them.
#include <cstdio>

#include "cli/cli_run.h"
#include "cli/commands.h"
#include "grammar/codes.h"

namespace kelvo::cli {

namespace {

class PrintSentences : public text::SentenceHandler {
 public:
  void analyse(text::SentenceWords& words, text::RunContext& run) override {
    std::string_view s = run.sentence;
    if (!s.empty() && s.back() == '\n') s.remove_suffix(1);
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fputc('\n', stdout);
    for (int i = 0; i < run.token_count; ++i)
      if (grammar::punctuation_token_code(words.token(i)) < 0) run.count_word();
  }
};

}  // namespace

int cmd_sentences(const Arguments& args) {
  auto cli = cli_options(args);
  if (!cli) return usage_error("sentences", cli.error().message);
  PrintSentences handler;
  return run_over_inputs(*cli, handler);
}

}  // namespace kelvo::cli
