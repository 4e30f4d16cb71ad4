// `kelvo sentences`: each sentence as the user wrote it, one a line; with
// --details, as the analysis reads it.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/cli_run.h"
#include "cli/commands.h"
#include "cli/written_text.h"
#include "grammar/codes.h"
#include "kelvo/text_alignment.h"

namespace kelvo::cli {

namespace {

class PrintSentences : public InputHandler {
 public:
  explicit PrintSentences(bool details) : details_(details) {}

  void begin_input(std::string_view raw) override {
    written_.emplace(raw);
    aligner_.emplace(raw);
  }

  void analyse(text::SentenceWords& words, text::RunContext& run) override {
    for (int i = 0; i < run.token_count; ++i)
      if (grammar::punctuation_token_code(words.token(i)) < 0) run.count_word();
    Sentence s = sentence_of(words, run.token_count);
    s.text = run.sentence;
    if (details_) {
      s.tokens.clear();  // the sentence as the analysis reads it
    } else {
      aligner_->align(s);
    }
    std::string line = written_->sentence(s);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stdout);
  }

 private:
  bool details_;
  std::optional<WrittenText> written_;
  std::optional<TokenAligner> aligner_;
};

}  // namespace

int cmd_sentences(const Arguments& args) {
  auto cli = cli_options(args);
  if (!cli) return usage_error("sentences", cli.error().message);
  PrintSentences handler(args.has("--details"));
  return run_over_inputs(*cli, handler);
}

}  // namespace kelvo::cli
