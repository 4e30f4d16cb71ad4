// `kelvo info`, `kelvo parse` and `kelvo analyze`: the commands that load the
// lexical data and analyse words, through the core's facade. With -j N the
// inputs (or, with --lines, the lines) are shared among N translators over one
// engine, and the output is written in input order.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/paths.h"
#include "cli/cli_host.h"
#include "cli/analysis_run.h"
#include "cli/cli_run.h"
#include "cli/commands.h"
#include "formats/analysis_export.h"
#include "kelvo/engine_data.h"
#include "kelvo/kelvo.h"
#include "kelvo/load_choices.h"
#include "shell/parse_log_banner.h"
#include "shell/user_folder.h"

namespace kelvo::cli {

namespace {

// What a unit leaves for printing. Sentences are turned into text as they
// come, so that a unit waiting for its turn holds text, not readings.
struct UnitResult {
  TextAnalysis analysis;
  std::string output;               // what the command prints for the unit
  std::vector<std::string> blocks;  // CoNLL-U sentences, numbered when printed
  Sentence gathered;                // with --lines: the line's sentences as one
};

}  // namespace

int cmd_info(const std::vector<std::string>& args) {
  Loaded l;
  if (int rc = load("info", args, l)) return rc;
  const auto& lex = l.engine->data().lexicon;
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
  write_out(l.engine->data().user.summary());
  return 0;
}

int cmd_parse(const std::vector<std::string>& in_args) {
  std::vector<std::string> args = in_args;
  std::string log_path;
  if (!take_log_flag(args, "parse", log_path)) return 2;
  unsigned jobs = default_jobs();
  if (!take_jobs(args, jobs, "parse")) return 2;
  Loaded l;
  if (int rc = load("parse", args, l)) return rc;
  TranslationOptions options = l.options;
  options.translate = false;
  RunOutputs outputs;
  outputs.sentences = false;
  outputs.listing = true;
  want_log(outputs, options, log_path);
  std::vector<Unit> units;
  int status = read_units(l.cli, false, units);
  std::string log_text;
  // One thread prints as it goes; several keep each input's output until its turn.
  const bool streaming = effective_jobs(jobs, units) == 1;
  install_interrupt_handler();
  run_units<UnitResult>(l, options, outputs, units, jobs,
            [&](Translator& tr, const Unit& u, UnitResult& r) {
              RunOutputs o = outputs;
              o.on_listing = [&r, streaming](std::string_view s) {
                if (streaming)
                  std::fwrite(s.data(), 1, s.size(), stdout);
                else
                  r.output.append(s);
              };
              tr.set_outputs(std::move(o));
              r.analysis = tr.analyse(u.text);
            },
            [&](const Unit& u, UnitResult& r) {
              return print_unit(u, r.analysis, r.output, {}, status, log_text);
            });
  return save_log("parse", log_path, log_text) ? status : 1;
}

int cmd_analyze(const std::vector<std::string>& in_args) {
  std::vector<std::string> args = in_args;
  std::string format = "json";
  if (take_command_flag(args, "--format", &format) && format != "json" && format != "conllu") {
    std::fprintf(stderr, "kelvo analyze: --format takes json or conllu\n");
    return 2;
  }
  bool lines = take_command_flag(args, "--lines", nullptr);
  unsigned jobs = default_jobs();
  if (!take_jobs(args, jobs, "analyze")) return 2;
  Loaded l;
  if (int rc = load("analyze", args, l)) return rc;
  TranslationOptions options = l.options;
  options.translate = false;
  options.batch_mode = true;
  const bool conllu = format == "conllu";
  std::vector<Unit> units;
  int status = read_units(l.cli, lines, units);
  int number = 0;
  // A CoNLL-U block is made with a placeholder number, put right when printed.
  const std::string placeholder = "# sent_id = 0\n";
  auto to_text = [&](const Sentence& s) {
    return conllu ? formats::sentence_to_conllu(s, 0).substr(placeholder.size())
                  : formats::sentence_to_json(s) + "\n";
  };
  auto print_block = [&](const std::string& block) {
    ++number;
    if (conllu) std::printf("# sent_id = %d\n", number);
    write_out(block);
  };
  const bool streaming = !lines && effective_jobs(jobs, units) == 1;
  install_interrupt_handler();
  run_units<UnitResult>(
      l, options, RunOutputs{}, units, jobs,
      [&](Translator& tr, const Unit& u, UnitResult& r) {
        if (u.blank_line) return;
        RunOutputs o;
        o.senses = false;  // the formats print the meaning whole
        o.on_sentence = [&](Sentence&& s) {
          if (lines) {
            // The sentences of one line make one text.
            if (!r.gathered.text.empty()) r.gathered.text += ' ';
            r.gathered.text += s.text;
            for (auto& t : s.tokens) r.gathered.tokens.push_back(std::move(t));
          } else if (streaming) {
            print_block(to_text(s));
          } else {
            r.blocks.push_back(to_text(s));
          }
        };
        tr.set_outputs(std::move(o));
        r.analysis = tr.analyse(u.text);
      },
      [&](const Unit& u, UnitResult& r) {
        if (!r.analysis.ok()) {
          CliHost().warning(not_text_message(u.input));
          status = 1;
          return true;
        }
        if (lines) print_block(to_text(r.gathered));
        for (const auto& block : r.blocks) print_block(block);
        return r.analysis.status != RunStatus::cancelled;
      });
  return status;
}

}  // namespace kelvo::cli
