// `kelvo info`, `kelvo parse` and `kelvo analyze`: the commands that load the
// lexical data and analyse words, through the core's facade. With -j N the
// inputs (or, with --lines, the lines) are shared among N translators over one
// engine, and the output is written in input order.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/paths.h"
#include "cli/cli_help.h"
#include "cli/cli_engine.h"
#include "cli/cli_host.h"
#include "cli/cli_run.h"
#include "cli/commands.h"
#include "cli/written_text.h"
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
  std::uint32_t first_line = 1;  // the input's line the text begins on
};

// What a unit leaves for printing. Sentences are turned into text as they
// come, so that a unit waiting for its turn holds text, not readings.
struct UnitResult {
  TextAnalysis analysis;
  std::string output;               // what the command prints for the unit
  std::vector<std::string> blocks;  // CoNLL-U sentences, numbered when printed
  Sentence gathered;                // with --lines: the line's sentences as one
  std::string gathered_text;        // and the line as the user wrote it
};

// -j N: false (with the message printed) when N is not a number of threads.
bool read_jobs(const Arguments& args, unsigned& jobs, const char* command) {
  const std::string* value = args.value("--jobs");
  if (!value) return true;
  char* end = nullptr;
  unsigned long n = std::strtoul(value->c_str(), &end, 10);
  if (value->empty() || *end != '\0' || n == 0 || n > 256) {
    usage_error(command, "-j takes a number from 1 to 256");
    return false;
  }
  jobs = static_cast<unsigned>(n);
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

// What went wrong with a unit, on standard error; false when the run was
// interrupted and no more units should be printed.
bool report_unit(const Unit& u, const TextAnalysis& a, int& status) {
  if (!a.ok()) {
    CliHost().warning(not_text_message(u.input));
    status = kExitIncomplete;
    return true;
  }
  if (!a.cuts.empty()) {
    report_cuts(u.input, a.cuts, u.first_line);
    status = kExitIncomplete;
  }
  if (a.status == RunStatus::cancelled) {
    report_interrupted(u.input);
    status = kExitIncomplete;
    return false;
  }
  return true;
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
      units.push_back({input, std::move(*raw), false, 1});
      continue;
    }
    std::string_view text = *raw;
    std::uint32_t line_number = 0;
    while (!text.empty()) {
      std::size_t nl = text.find('\n');
      std::string_view line = text.substr(0, nl);
      text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
      bool blank = line.find_first_not_of(" \t\r") == std::string_view::npos;
      units.push_back({input, std::string(line) + "\n", blank, ++line_number});
    }
  }
  return status;
}

}  // namespace

int cmd_info(const Arguments& args) {
  Loaded l;
  if (int rc = load_engine("info", args, l)) return rc;
  const auto& lex = l.engine->data().lexicon;
  std::printf("%s\n", version_line().c_str());
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
  if (l.engine->data().home_dir.empty())
    std::printf("user folder: none (your own files are not read)\n");
  else
    write_out(l.engine->data().user.summary());
  return 0;
}

namespace {

// The opening lines of a parse log kept with --log.
std::string log_banner(const TranslationOptions& options) {
  ParseLog banner;
  banner.open_memory();
  shell::write_parse_log_banner(banner, options, std::time(nullptr));
  return banner.text();
}

// The parse log of a run written to `path` through a temporary name.
bool save_log(const char* command, const std::string& path, const std::string& text) {
  const std::string staging = path + ".tmp";
  std::FILE* f = std::fopen(staging.c_str(), "wb");
  bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = f && std::fclose(f) == 0 && ok;
  if (ok) ok = std::rename(staging.c_str(), path.c_str()) == 0;
  if (!ok) {
    std::remove(staging.c_str());
    std::fprintf(stderr, "kelvo %s: cannot write %s\n", command, input_label(path).c_str());
  }
  return ok;
}

// With cores to spare, each run's sentence passes (and a translation's
// English) run on threads of their own, and its sentences are written there,
// while the run reads on. The cores are shared among the jobs: two jobs on
// eight cores take four each, three threads beside the run's own, which
// helps them when it is ahead.
void share_cores(RunOutputs& o, unsigned jobs, const std::vector<Unit>& units) {
  const unsigned effective = effective_jobs(jobs, units);
  o.overlap = effective < default_jobs();
  o.overlap_threads = static_cast<int>(std::max(2u, default_jobs() / std::max(1u, effective)) - 1);
}

}  // namespace

int cmd_parse(const Arguments& args) {
  const std::string* log_value = args.value("--log");
  const bool want_log = log_value != nullptr;
  const std::string log_path = want_log ? *log_value : std::string();
  if (want_log && log_path.empty()) return usage_error("parse", "--log needs a file");
  unsigned jobs = default_jobs();
  if (!read_jobs(args, jobs, "parse")) return kExitUsage;
  Loaded l;
  if (int rc = load_engine("parse", args, l)) return rc;
  TranslationOptions options = l.options;
  options.translate = false;
  // No questions and no boxes: what a limit cut is reported with its line.
  options.batch_mode = true;
  RunOutputs outputs;
  outputs.sentences = false;
  outputs.listing = true;
  outputs.log = want_log;
  if (want_log) outputs.log_banner = log_banner(options);
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
              write_out(r.output);
              log_text += r.analysis.log;
              std::fflush(stdout);
              return report_unit(u, r.analysis, status);
            });
  if (want_log && !save_log("parse", log_path, log_text)) return 1;
  return status;
}

int cmd_analyze(const Arguments& args) {
  const std::string format = args.has("--format") ? *args.value("--format") : "json";
  if (format != "json" && format != "conllu")
    return usage_error("analyze", "--format takes json or conllu");
  const bool lines = args.has("--lines");
  unsigned jobs = default_jobs();
  if (!read_jobs(args, jobs, "analyze")) return kExitUsage;
  Loaded l;
  if (int rc = load_engine("analyze", args, l)) return rc;
  TranslationOptions options = l.options;
  options.translate = false;
  options.batch_mode = true;
  const bool conllu = format == "conllu";
  std::vector<Unit> units;
  int status = read_units(l.cli, lines, units);
  int number = 0;
  // A CoNLL-U block is made without its number, which is given when printed.
  auto write_text = [&](std::string& out, const Sentence& s, std::string_view text) {
    out.clear();
    if (conllu) {
      formats::append_conllu_block(out, s, text);
    } else {
      formats::append_sentence_json(out, s, text);
      out += '\n';
    }
  };
  auto to_text = [&](const Sentence& s, std::string_view text) {
    std::string out;
    write_text(out, s, text);
    return out;
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
        // Each sentence's text as the user wrote it, found by its tokens.
        const WrittenText written(u.text);
        if (lines) r.gathered_text = written.text(0, u.text.size());
        RunOutputs o;
        o.senses = false;  // the formats print the meaning whole
        share_cores(o, jobs, units);
        o.on_sentence = [&](Sentence&& s) {
          if (lines) {
            // The sentences of one line make one text; the indices a token
            // holds (its word, its links) then count from the line's start.
            const int offset = static_cast<int>(r.gathered.tokens.size());
            for (auto& t : s.tokens) {
              if (t.enclitic_of >= 0) t.enclitic_of += offset;
              for (int& link : t.links) link += offset;
              r.gathered.tokens.push_back(std::move(t));
            }
          } else if (streaming) {
            // One string written again for each sentence, its room kept.
            thread_local std::string block;
            write_text(block, s, written.sentence(s));
            print_block(block);
          } else {
            r.blocks.push_back(to_text(s, written.sentence(s)));
          }
        };
        tr.set_outputs(std::move(o));
        r.analysis = tr.analyse(u.text);
      },
      [&](const Unit& u, UnitResult& r) {
        if (r.analysis.ok()) {
          if (lines) print_block(to_text(r.gathered, r.gathered_text));
          for (const auto& block : r.blocks) print_block(block);
        }
        return report_unit(u, r.analysis, status);
      });
  return status;
}

}  // namespace kelvo::cli

namespace kelvo::cli {

namespace {

std::optional<WordOrder> word_order_named(std::string_view name) {
  if (name == "none") return WordOrder::none;
  if (name == "nomverb") return WordOrder::nomverb;
  if (name == "auto") return WordOrder::automatic;
  if (name == "svoe") return WordOrder::svoe;
  return std::nullopt;
}

}  // namespace

// `kelvo translate`: the English of each sentence, one a line (with --lines,
// one line of English per line of input, for line-aligned evaluation), or
// with --format json each sentence's English word by word with the Latin word
// each renders and the reading chosen for every Latin word.
int cmd_translate(const Arguments& args) {
  const std::string* log_value = args.value("--log");
  const bool want_log = log_value != nullptr;
  const std::string log_path = want_log ? *log_value : std::string();
  if (want_log && log_path.empty()) return usage_error("translate", "--log needs a file");
  const std::string format = args.has("--format") ? *args.value("--format") : "text";
  if (format != "text" && format != "json")
    return usage_error("translate", "--format takes text or json");
  const bool json = format == "json";
  const bool lines = args.has("--lines");
  unsigned jobs = default_jobs();
  if (!read_jobs(args, jobs, "translate")) return kExitUsage;
  std::optional<WordOrder> order;
  if (const std::string* v = args.value("--order")) {
    order = word_order_named(*v);
    if (!order) return usage_error("translate", "--order takes none, nomverb, auto or svoe");
  }
  const bool joint = args.has("--joint");
  Loaded l;
  if (int rc = load_engine("translate", args, l)) return rc;
  TranslationOptions options = l.options;
  options.translate = true;
  if (order) options.best_order = *order;
  options.joint = joint;
  options.batch_mode = true;
  RunOutputs outputs;
  outputs.senses = false;    // the JSON prints each meaning whole
  outputs.sentences = json || joint;  // the text needs only the English (and, joint, the Latin)
  outputs.log = want_log;
  if (want_log) outputs.log_banner = log_banner(options);
  std::vector<Unit> units;
  int status = read_units(l.cli, lines, units);
  std::string log_text;
  const bool streaming = !lines && effective_jobs(jobs, units) == 1;
  install_interrupt_handler();
  run_units(
      l, options, outputs, units, jobs,
      [&](Translator& tr, const Unit& u, UnitResult& r) {
        if (u.blank_line) {
          r.output = json ? "{\"sentences\":[]}\n" : "\n";
          return;
        }
        RunOutputs o = outputs;
        share_cores(o, jobs, units);
        // Only the joint output quotes the Latin as written.
        const WrittenText written(joint ? std::string_view(u.text) : std::string_view());
        // With --lines the sentences of one input line make one line.
        bool first = true;
        if (lines) r.output = json ? "{\"sentences\":[" : "";
        if (lines && joint && !json) {
          std::string_view latin = u.text;
          while (!latin.empty() && (latin.back() == '\n' || latin.back() == '\r')) latin.remove_suffix(1);
          r.output.append(latin).push_back('\n');
        }
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
            // Joint: the Latin sentence as written, then its English.
            if (joint) piece.append(written.sentence(t.latin)).push_back('\n');
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
        Translation translation = tr.translate(u.text);
        if (lines) r.output += json ? "]}\n" : "\n";
        // What report_unit reads of a run.
        r.analysis.error = std::move(translation.error);
        r.analysis.status = translation.status;
        r.analysis.cuts = std::move(translation.cuts);
        r.analysis.log = std::move(translation.log);
      },
      [&](const Unit& u, UnitResult& r) {
        // With --lines a line that was not text still gives its (empty) line.
        if (r.analysis.ok())
          write_out(r.output);
        else if (lines)
          write_out(json ? "{\"sentences\":[]}\n" : "\n");
        log_text += r.analysis.log;
        std::fflush(stdout);
        return report_unit(u, r.analysis, status);
      });
  if (want_log && !save_log("translate", log_path, log_text)) return 1;
  return status;
}

}  // namespace kelvo::cli
