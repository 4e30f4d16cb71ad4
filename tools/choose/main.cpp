// kelvo-choose: the CoNLL-U of `kelvo analyze --lines`, but each word shows the
// reading the sentence passes chose, with its links in MISC. For measuring the
// passes one at a time against annotated text:
//
//   kelvo-choose [--passes order|clauses|choice] [shared flags] FILE...
//
// Each input line is one text, as `kelvo analyze --lines` reads it.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_host.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "formats/analysis_export.h"
#include "analysis/reading_decode.h"
#include "kelvo/engine_data.h"
#include "kelvo/load_choices.h"
#include "shell/user_folder.h"
#include "syntax/sentence_analyzer.h"

namespace fs = std::filesystem;
using namespace kelvo;

namespace {

// Appends the sentence to `out` with every token down to its chosen reading,
// and each token's links (1-based token numbers of the gathered text).
void keep_chosen(const analysis::AnalysedSentence& in, const text::SentenceWords& words,
                 const syntax::SyntaxScratch& scratch, analysis::AnalysedSentence& out,
                 std::vector<std::string>& links) {
  std::vector<syntax::WordChoice> choices(in.tokens.size());
  int n = syntax::word_choices(words, scratch, choices);
  int base = static_cast<int>(out.tokens.size());
  for (std::size_t t = 0; t < in.tokens.size(); ++t) {
    analysis::AnalysedToken tok = in.tokens[t];
    std::string link;
    if (static_cast<int>(t) < n) {
      const syntax::WordChoice& c = choices[t];
      if (c.chosen_candidate >= 0 &&
          c.chosen_candidate < static_cast<int>(tok.candidates.size())) {
        auto kept = tok.candidates[static_cast<std::size_t>(c.chosen_candidate)];
        tok.candidates.assign(1, kept);
      }
      for (int p : c.linked_positions) {
        if (p < 0) continue;
        if (!link.empty()) link += ',';
        link += std::to_string(base + p + 1);
      }
    }
    links.push_back(link);
    out.tokens.push_back(std::move(tok));
  }
}

// Adds Links=... to the MISC column of each token line.
std::string with_links(const std::string& block, const std::vector<std::string>& links) {
  std::string out;
  std::size_t start = 0, token = 0;
  while (start < block.size()) {
    std::size_t end = block.find('\n', start);
    if (end == std::string::npos) end = block.size();
    std::string line = block.substr(start, end - start);
    if (!line.empty() && line[0] != '#') {
      if (token < links.size() && !links[token].empty()) {
        if (line.ends_with("\t_"))
          line.resize(line.size() - 1);
        else
          line += '|';
        line += "Links=" + links[token];
      }
      ++token;
    }
    out += line;
    if (end < block.size()) out += '\n';
    start = end + 1;
  }
  return out;
}

constexpr cli::OptionSpec kChooseOptions[] = {
    {"--passes", "", "order|clauses|choice", cli::ValueKind::choice,
     "the sentence passes to run (default: all of them, up to the choice)"},
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::span<const cli::OptionSpec> groups[] = {kChooseOptions, cli::text_options(),
                                                     cli::folder_options()};
  auto given = cli::read_arguments(args, groups);
  if (!given) {
    std::fprintf(stderr, "kelvo-choose: %s\n", given.error().message.c_str());
    return 2;
  }
  const std::string passes_name = given->has("--passes") ? *given->value("--passes") : "choice";
  syntax::Passes passes = syntax::Passes::choice;
  if (passes_name == "order") {
    passes = syntax::Passes::order;
  } else if (passes_name == "clauses") {
    passes = syntax::Passes::clauses;
  } else if (passes_name != "choice") {
    std::fprintf(stderr, "kelvo-choose: --passes takes order, clauses or choice\n");
    return 2;
  }
  auto cli_opts = cli::cli_options(*given);
  if (!cli_opts) {
    std::fprintf(stderr, "kelvo-choose: %s\n", cli_opts.error().message.c_str());
    return 2;
  }
  cli::CliHost host;
  WarningGate gate(host);
  auto folder = shell::ensure_user_folder(cli_opts->home_dir);
  if (!folder) {
    std::fprintf(stderr, "kelvo-choose: %s\n", folder.error().message.c_str());
    return 2;
  }
  EngineConfig config;
  config.data_dir = cli_opts->data_dir;
  config.home_dir = *folder;
  config.pliny = cli_opts->pliny;
  auto engine = Engine::load(config);
  if (!engine) {
    std::fprintf(stderr, "kelvo-choose: %s\n", engine.error().message.c_str());
    return 2;
  }
  const EngineData& data = (*engine)->data();
  TranslationOptions options = cli_opts->options;
  apply_load_choices(**engine, options, host);
  options.translate = false;
  options.batch_mode = true;
  analysis::WordAnalyzer wa(data.lexicon, &data.user.dictionary, options);
  analysis::AnalysedSentence gathered;
  std::vector<std::string> links;
  syntax::SentenceAnalyzer handler(
      wa, passes,
      [&](const analysis::AnalysedSentence& s, text::SentenceWords& w,
          syntax::SyntaxScratch& sc) {
        if (!gathered.text.empty()) gathered.text += ' ';
        gathered.text += s.text;
        keep_chosen(s, w, sc, gathered, links);
      });
  ParseLog log;
  text::TranslationRun run(&data.lexicon, options, gate, log);
  run.set_abbreviations(&data.abbreviations);
  int number = 0, status = 0;
  for (const auto& input : cli::input_names(*cli_opts)) {
    auto raw = cli::read_input(input);
    if (!raw) {
      std::fprintf(stderr, "kelvo-choose: %s", raw.error().message.c_str());
      status = 1;
      continue;
    }
    std::string_view rest = *raw;
    while (!rest.empty()) {
      std::size_t nl = rest.find('\n');
      std::string line(rest.substr(0, nl));
      rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
      gathered = {};
      links.clear();
      if (line.find_first_not_of(" \t\r") != std::string::npos) {
        auto outcome = run.run(line + "\n", 0, handler);
        if (outcome.status == text::RunStatus::bad_input) status = 1;
      }
      std::string block =
          formats::sentence_to_conllu(analysis::to_public_sentence(gathered, wa), ++number);
      std::fputs(with_links(block, links).c_str(), stdout);
    }
  }
  return status;
}
