// `kelvo tokens`: each sentence's tokens as the user wrote them, blank-
// separated, one sentence a line; with --details, as the analysis reads them.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_run.h"
#include "cli/commands.h"
#include "cli/written_text.h"
#include "grammar/codes.h"
#include "kelvo/text_alignment.h"
#include "text/input_text.h"

namespace kelvo::cli {

namespace {

class PrintTokens : public InputHandler {
 public:
  explicit PrintTokens(bool details) : details_(details) {}

  void begin_input(std::string_view raw) override {
    written_.emplace(raw);
    aligner_.emplace(raw);
  }

  void analyse(text::SentenceWords& words, text::RunContext& run) override {
    line_.clear();
    for (int i = 0; i < run.token_count; ++i)
      if (grammar::punctuation_token_code(words.token(i)) < 0) run.count_word();
    if (!details_) {
      Sentence s = sentence_of(words, run.token_count);
      aligner_->align(s);
      line_ = written_->tokens(s);
    }
    // The tokens as the analysis reads them, when asked for or when none of
    // them stands in the input.
    if (line_.empty()) {
      for (int i = 0; i < run.token_count; ++i) {
        if (i) line_.push_back(' ');
        text::append_windows1252_as_utf8(words.token(i), line_);
      }
    }
    line_.push_back('\n');
    std::fwrite(line_.data(), 1, line_.size(), stdout);
  }

 private:
  bool details_;
  std::string line_;  // reused for every sentence
  std::optional<WrittenText> written_;
  std::optional<TokenAligner> aligner_;
};

}  // namespace

int cmd_tokens(const Arguments& args) {
  auto cli = cli_options(args);
  if (!cli) return usage_error("tokens", cli.error().message);
  PrintTokens handler(args.has("--details"));
  return run_over_inputs(*cli, handler);
}

}  // namespace kelvo::cli
