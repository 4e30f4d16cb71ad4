// `kelvo translate`: the English of each sentence, one a line (with --lines,
// one line of English per line of input, for line-aligned evaluation), or
// with --format json each sentence's English word by word with the Latin word
// each renders and the reading chosen for every Latin word.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/analysis_run.h"
#include "cli/cli_run.h"
#include "cli/commands.h"
#include "formats/analysis_export.h"

namespace kelvo::cli {

namespace {

struct TranslatedUnit {
  Translation translation;
  std::string output;
};

}  // namespace

int cmd_translate(const std::vector<std::string>& in_args) {
  std::vector<std::string> args = in_args;
  std::string log_path, format = "text";
  if (!take_log_flag(args, "translate", log_path)) return 2;
  if (take_command_flag(args, "--format", &format) && format != "text" && format != "json") {
    std::fprintf(stderr, "kelvo translate: --format takes text or json\n");
    return 2;
  }
  const bool json = format == "json";
  const bool lines = take_command_flag(args, "--lines", nullptr);
  unsigned jobs = default_jobs();
  if (!take_jobs(args, jobs, "translate")) return 2;
  Loaded l;
  if (int rc = load("translate", args, l)) return rc;
  TranslationOptions options = l.options;
  options.translate = true;
  RunOutputs outputs;
  outputs.senses = false;  // the JSON prints each meaning whole
  outputs.sentences = json;  // the text needs only the English
  want_log(outputs, options, log_path);
  std::vector<Unit> units;
  int status = read_units(l.cli, lines, units);
  std::string log_text;
  const bool streaming = !lines && effective_jobs(jobs, units) == 1;
  install_interrupt_handler();
  run_units<TranslatedUnit>(
      l, options, outputs, units, jobs,
      [&](Translator& tr, const Unit& u, TranslatedUnit& r) {
        if (u.blank_line) {
          r.output = json ? "{\"sentences\":[]}\n" : "\n";
          return;
        }
        RunOutputs o = outputs;
        // With --lines the sentences of one input line make one line.
        bool first = true;
        if (lines) r.output = json ? "{\"sentences\":[" : "";
        o.on_translation = [&](TranslatedSentence&& t) {
          std::string piece;
          if (json) {
            if (lines && !first) piece.push_back(',');
            piece.append(formats::translation_to_json(t));
            if (!lines) piece.push_back('\n');
          } else if (lines) {
            if (t.english.empty()) return;
            if (!first) piece.push_back(' ');
            piece.append(t.english);
          } else {
            piece.append(t.english);
            piece.push_back('\n');
          }
          first = false;
          if (streaming)
            write_out(piece);
          else
            r.output += piece;
        };
        tr.set_outputs(std::move(o));
        r.translation = tr.translate(u.text);
        if (lines) r.output += json ? "]}\n" : "\n";
      },
      [&](const Unit& u, TranslatedUnit& r) {
        // With --lines a line that was not text still gives its (empty) line.
        const std::string instead = !lines ? "" : json ? "{\"sentences\":[]}\n" : "\n";
        return print_unit(u, r.translation, r.output, instead, status, log_text);
      });
  return save_log("translate", log_path, log_text) ? status : 1;
}

}  // namespace kelvo::cli
