// What the commands that load the lexicon share: the start-up (flags, user
// folder, engine), the inputs read as units (whole inputs, or lines with
// --lines), their spread over -j translators with the output kept in input
// order, and the parse log written to a file.
#pragma once
#include <algorithm>
#include <cstdio>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/cli_host.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "kelvo/kelvo.h"

namespace kelvo::cli {

// One host and one warning limit for the command's start-up.
struct Loaded {
  CliOptions cli;
  CliHost host;
  std::shared_ptr<const Engine> engine;
  TranslationOptions options;
};

// Parses the shared flags and loads the engine; prints the error and gives
// the exit status when that fails.
int load(const char* command, std::vector<std::string> args, Loaded& out);

void write_out(const std::string& s);

// A piece of work: one input, or one line of it with --lines.
struct Unit {
  std::string input;  // the input's name, for messages
  std::string text;
  bool blank_line = false;
};

// "-j N", "-jN" or "--jobs N"; false (after a message) when the value is bad.
bool take_jobs(std::vector<std::string>& args, unsigned& jobs, const char* command);
unsigned effective_jobs(unsigned jobs, const std::vector<Unit>& units);
unsigned default_jobs();

// The inputs read whole; with `by_line` each line is a unit of its own.
// Returns 1 when an input could not be read, else 0.
int read_units(const CliOptions& cli, bool by_line, std::vector<Unit>& units);

// "--log FILE": the parse log wanted (path set) or not (path empty); false,
// after a message, when FILE is missing.
bool take_log_flag(std::vector<std::string>& args, const char* command, std::string& path);
// Asks `outputs` for the parse log with its banner when `path` is set.
void want_log(RunOutputs& outputs, const TranslationOptions& options, const std::string& path);
// Writes the parse log to `path` through a temporary name; false, after a
// message, on failure. Nothing happens without a path.
bool save_log(const char* command, const std::string& path, const std::string& text);

// Prints a unit's output in its turn and keeps its log; a unit that was not
// text is reported (status 1) and prints `instead`. False when the run was
// cancelled.
template <typename Result>
bool print_unit(const Unit& u, const Result& r, const std::string& output,
                const std::string& instead, int& status, std::string& log_text) {
  if (!r.ok()) {
    CliHost().warning(not_text_message(u.input));
    status = 1;
    write_out(instead);
    return true;
  }
  write_out(output);
  log_text += r.log;
  std::fflush(stdout);
  return r.status != RunStatus::cancelled;
}

// Runs `work` over the units with `jobs` translators and hands each result to
// `emit` in input order. Units go in batches so that memory stays bounded.
template <typename Result, typename Work, typename Emit>
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
    std::vector<Result> results(last - first);
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

}  // namespace kelvo::cli
