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
#include "cli/cli_engine.h"
#include "cli/cli_host.h"
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

void write_out(const std::string& s) { std::fwrite(s.data(), 1, s.size(), stdout); }

// A piece of work: one input, or one line of it with --lines.
struct Unit {
  std::string input;  // the input's name, for messages
  std::string text;
  bool blank_line = false;
};

// What a unit leaves for printing. Sentences are turned into text as they
// come, so that a unit waiting for its turn holds text, not readings.
struct UnitResult {
  TextAnalysis analysis;
  std::string output;               // what the command prints for the unit
  std::vector<std::string> blocks;  // CoNLL-U sentences, numbered when printed
  Sentence gathered;                // with --lines: the line's sentences as one
};

// "-j N", "-jN" or "--jobs N"; 0 when absent.
bool take_jobs(std::vector<std::string>& args, unsigned& jobs, const char* command) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string a = args[i], value;
    if (a == "-j" || a == "--jobs") {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "kelvo %s: %s needs a number\n", command, a.c_str());
        return false;
      }
      value = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    } else if (a.rfind("-j", 0) == 0 && a.size() > 2 && a[2] != '-') {
      value = a.substr(2);
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
    } else if (a.rfind("--jobs=", 0) == 0) {
      value = a.substr(7);
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      continue;
    }
    char* end = nullptr;
    unsigned long n = std::strtoul(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || n == 0 || n > 256) {
      std::fprintf(stderr, "kelvo %s: -j takes a number from 1 to 256\n", command);
      return false;
    }
    jobs = static_cast<unsigned>(n);
    return true;
  }
  return true;
}

unsigned effective_jobs(unsigned jobs, const std::vector<Unit>& units) {
  return std::max(1u, std::min<unsigned>(jobs, static_cast<unsigned>(units.size())));
}

unsigned default_jobs() {
  unsigned n = std::thread::hardware_concurrency();
  return n == 0 ? 1 : n;
}

// Runs `work` over the units with `jobs` translators and hands each result to
// `emit` in input order. Units go in batches so that memory stays bounded.
template <typename Work, typename Emit>
void run_units(const Loaded& l, const TranslationOptions& options, const RunOutputs& outputs,
               std::vector<Unit>& units, unsigned jobs, Work work, Emit emit) {
  jobs = effective_jobs(jobs, units);
  std::vector<Translator> translators;
  std::vector<CliHost> hosts(jobs);
  translators.reserve(jobs);
  for (unsigned k = 0; k < jobs; ++k) {
    translators.emplace_back(l.engine, options, &hosts[k]);
    translators.back().set_outputs(outputs);
  }
  const std::size_t batch = std::max<std::size_t>(64, std::size_t{jobs} * 16);
  for (std::size_t first = 0; first < units.size(); first += batch) {
    const std::size_t last = std::min(units.size(), first + batch);
    std::vector<UnitResult> results(last - first);
    auto worker = [&](unsigned k) {
      for (std::size_t i = first + k; i < last; i += jobs)
        work(translators[k], units[i], results[i - first]);
    };
    if (jobs == 1) {
      worker(0);
    } else {
      std::vector<std::thread> threads;
      for (unsigned k = 0; k < jobs; ++k) threads.emplace_back(worker, k);
      for (auto& t : threads) t.join();
    }
    for (std::size_t i = first; i < last; ++i) {
      units[i].text.clear();
      units[i].text.shrink_to_fit();
      if (!emit(units[i], results[i - first])) return;
    }
  }
}

// The inputs read whole; with `by_line` each line is a unit of its own.
int read_units(const CliOptions& cli, bool by_line, std::vector<Unit>& units) {
  int status = 0;
  for (const auto& input : input_names(cli)) {
    auto raw = read_input(input);
    if (!raw) {
      CliHost().warning(raw.error().message);
      status = 1;
      continue;
    }
    if (!by_line) {
      units.push_back({input, std::move(*raw), false});
      continue;
    }
    std::string_view text = *raw;
    while (!text.empty()) {
      std::size_t nl = text.find('\n');
      std::string_view line = text.substr(0, nl);
      text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
      bool blank = line.find_first_not_of(" \t\r") == std::string_view::npos;
      units.push_back({input, std::string(line) + "\n", blank});
    }
  }
  return status;
}

}  // namespace

int cmd_info(const std::vector<std::string>& args) {
  Loaded l;
  if (int rc = load_engine("info", args, l)) return rc;
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
  bool want_log = take_command_flag(args, "--log", &log_path);
  if (want_log && log_path.empty()) {
    std::fprintf(stderr, "kelvo parse: --log needs a file\n");
    return 2;
  }
  unsigned jobs = default_jobs();
  if (!take_jobs(args, jobs, "parse")) return 2;
  Loaded l;
  if (int rc = load_engine("parse", args, l)) return rc;
  TranslationOptions options = l.options;
  options.translate = false;
  RunOutputs outputs;
  outputs.sentences = false;
  outputs.listing = true;
  outputs.log = want_log;
  if (want_log) {
    ParseLog banner;
    banner.open_memory();
    shell::write_parse_log_banner(banner, options, std::time(nullptr));
    outputs.log_banner = banner.text();
  }
  std::vector<Unit> units;
  int status = read_units(l.cli, false, units);
  std::string log_text;
  // One thread prints as it goes; several keep each input's output until its turn.
  const bool streaming = effective_jobs(jobs, units) == 1;
  install_interrupt_handler();
  run_units(l, options, outputs, units, jobs,
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
              if (!r.analysis.ok()) {
                CliHost().warning(not_text_message(u.input));
                status = 1;
                return true;
              }
              write_out(r.output);
              log_text += r.analysis.log;
              std::fflush(stdout);
              return r.analysis.status != RunStatus::cancelled;
            });
  if (want_log) {
    std::string staging = log_path + ".tmp";
    std::FILE* f = std::fopen(staging.c_str(), "wb");
    bool ok = f && std::fwrite(log_text.data(), 1, log_text.size(), f) == log_text.size();
    ok = f && std::fclose(f) == 0 && ok;
    if (ok) ok = std::rename(staging.c_str(), log_path.c_str()) == 0;
    if (!ok) {
      std::remove(staging.c_str());
      std::fprintf(stderr, "kelvo parse: cannot write %s\n", log_path.c_str());
      return 1;
    }
  }
  return status;
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
  if (int rc = load_engine("analyze", args, l)) return rc;
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
  run_units(
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
