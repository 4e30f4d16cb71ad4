// `kelvo info`, `kelvo parse` and `kelvo analyze`: the commands that load the
// lexical data and analyse words.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/reading_decode.h"
#include "analysis/token_analyzer.h"
#include "base/paths.h"
#include "cli/cli_host.h"
#include "cli/cli_run.h"
#include "cli/commands.h"
#include "formats/analysis_export.h"
#include "shell/session.h"

namespace fs = std::filesystem;

namespace kelvo::cli {

namespace {

// One host and one warning limit for the whole command: start-up and runs.
struct Loaded {
  CliOptions cli;
  CliHost host;
  WarningGate gate{host};
  std::unique_ptr<shell::Session> session;
};

// Parses the shared flags and loads the session; prints the error and gives
// the exit status when that fails.
int load(const char* command, std::vector<std::string> args, Loaded& out) {
  auto cli = parse_cli_options(args);
  if (!cli) {
    std::fprintf(stderr, "kelvo %s: %s\n%s", command, cli.error().message.c_str(),
                 option_flags_help());
    return 2;
  }
  out.cli = *cli;
  out.host.yes_to_pliny = out.cli.pliny;
  ParseLog log;  // start-up lines are not wanted on the command line
  auto s = shell::start_session(out.cli.options, out.cli.home_dir, out.cli.data_dir, log,
                                out.gate);
  if (!s) {
    std::fprintf(stderr, "kelvo: %s\n", s.error().message.c_str());
    return 2;
  }
  out.session = std::move(*s);
  std::string rejected = out.session->user.rejected_report();
  if (!rejected.empty()) std::fputs(rejected.c_str(), stderr);
  return 0;
}

void write_out(const std::string& s) { std::fwrite(s.data(), 1, s.size(), stdout); }

}  // namespace

int cmd_info(const std::vector<std::string>& args) {
  Loaded l;
  if (int rc = load("info", args, l)) return rc;
  const auto& lex = l.session->lexicon;
  std::printf("kelvo %s\n", version_text().c_str());
  std::printf("data folder: %s\n", lex.data_dir().c_str());
  std::printf("%-20s %10s %12s\n", "table", "records", "bytes");
  for (const auto& t : lex.tables())
    std::printf("%-20s %10zu %12zu\n", t.file.c_str(), t.records, t.bytes);
  std::printf("dictionary stems: %zu, inflections: %zu, meaning lines: %zu, uniques: %zu, "
              "tackons: %zu\n",
              lex.entries().size(), lex.inflections().size(), lex.meanings().size(),
              lex.uniques().size(), lex.addons().size());
  std::printf("load time: %.1f ms\n", lex.load_ms());
  if (lex.features_off().empty()) {
    std::printf("features off: none\n");
  } else {
    std::printf("features off:\n");
    for (const auto& f : lex.features_off()) std::printf("  %s\n", f.c_str());
  }
  write_out(l.session->user.summary());
  return 0;
}

int cmd_parse(const std::vector<std::string>& in_args) {
  std::vector<std::string> args = in_args;
  std::string log_copy;
  bool want_log = take_command_flag(args, "--log", &log_copy);
  if (want_log && log_copy.empty()) {
    std::fprintf(stderr, "kelvo parse: --log needs a file\n");
    return 2;
  }
  Loaded l;
  if (int rc = load("parse", args, l)) return rc;
  l.session->options.translate = false;
  analysis::WordAnalyzer wa(l.session->lexicon, &l.session->user.dictionary, l.session->options);
  analysis::TokenAnalyzer handler(
      wa, [](const analysis::AnalysedSentence&, const std::string& listing) { write_out(listing); });
  int rc = run_over_inputs(l.cli, handler, l.session.get(), &l.gate);
  if (want_log) {
    std::error_code ec;
    fs::copy_file(fs::path(l.session->home_dir) / "parser.txt", log_copy,
                  fs::copy_options::overwrite_existing, ec);
    if (ec) {
      std::fprintf(stderr, "kelvo parse: cannot write %s: %s\n", log_copy.c_str(),
                   ec.message().c_str());
      return 1;
    }
  }
  return rc;
}

int cmd_analyze(const std::vector<std::string>& in_args) {
  std::vector<std::string> args = in_args;
  std::string format = "json";
  if (take_command_flag(args, "--format", &format) && format != "json" && format != "conllu") {
    std::fprintf(stderr, "kelvo analyze: --format takes json or conllu\n");
    return 2;
  }
  bool lines = take_command_flag(args, "--lines", nullptr);
  Loaded l;
  if (int rc = load("analyze", args, l)) return rc;
  l.session->options.translate = false;
  l.session->options.batch_mode = true;
  analysis::WordAnalyzer wa(l.session->lexicon, &l.session->user.dictionary, l.session->options);
  int number = 0;
  bool conllu = format == "conllu";
  // With --lines the sentences of one input line are gathered into one text.
  analysis::AnalysedSentence gathered;
  auto emit = [&](const analysis::AnalysedSentence& s) {
    ++number;
    const Sentence sentence = analysis::to_public_sentence(s, wa);
    write_out(conllu ? formats::sentence_to_conllu(sentence, number)
                     : formats::sentence_to_json(sentence) + "\n");
  };
  analysis::TokenAnalyzer handler(wa, [&](const analysis::AnalysedSentence& s,
                                             const std::string&) {
    if (!lines) {
      emit(s);
      return;
    }
    if (!gathered.text.empty()) gathered.text += ' ';
    gathered.text += s.text;
    gathered.tokens.insert(gathered.tokens.end(), s.tokens.begin(), s.tokens.end());
  });
  if (!lines) return run_over_inputs(l.cli, handler, l.session.get(), &l.gate);

  // Each line is a text of its own: run it alone.
  std::vector<std::string> inputs = l.cli.files;
  if (inputs.empty()) inputs.push_back("-");
  int status = 0;
  for (const auto& input : inputs) {
    std::ifstream in_file;
    std::istream* in = &std::cin;
    if (input != "-") {
      in_file.open(input, std::ios::binary);
      if (!in_file) {
        std::fprintf(stderr, "kelvo analyze: cannot open %s\n", input.c_str());
        status = 1;
        continue;
      }
      in = &in_file;
    }
    std::string line;
    const std::string one = (fs::path(l.session->home_dir) / "line.lat").string();
    while (std::getline(*in, line)) {
      gathered = {};
      {
        std::ofstream f(one, std::ios::binary | std::ios::trunc);
        f << line << '\n';
      }
      CliOptions single = l.cli;
      single.files = {one};
      bool blank = line.find_first_not_of(" \t\r") == std::string::npos;
      if (!blank) {
        int rc = run_over_inputs(single, handler, l.session.get(), &l.gate);
        if (rc != 0) status = rc;
      }
      emit(gathered);
    }
  }
  return status;
}

}  // namespace kelvo::cli
