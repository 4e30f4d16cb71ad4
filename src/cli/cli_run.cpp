#include "cli/cli_run.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "base/paths.h"
#include "cli/cli_host.h"
#include "shell/option_rules.h"
#include "shell/parse_log_banner.h"
#include "shell/user_folder.h"
#include "userdata/abbreviations.h"

namespace fs = std::filesystem;

namespace kelvo::cli {

namespace {

// Standard input into latin.lat (through a temporary name).
bool save_standard_input(const std::string& path) {
  std::string staging = path + ".tmp";
  std::FILE* out = std::fopen(staging.c_str(), "wb");
  if (!out) return false;
  char buf[1 << 16];
  std::size_t n;
  bool ok = true;
  while ((n = std::fread(buf, 1, sizeof buf, stdin)) > 0)
    ok = std::fwrite(buf, 1, n, out) == n && ok;
  ok = !std::ferror(stdin) && ok;
  ok = std::fclose(out) == 0 && ok;
  std::error_code ec;
  if (ok) fs::rename(staging, path, ec);
  if (!ok || ec) {
    fs::remove(staging, ec);
    return false;
  }
  return true;
}

}  // namespace

int run_over_inputs(const CliOptions& cli, text::SentenceHandler& handler,
                    const shell::Session* session, WarningGate* gate) {
  std::error_code ec;
  // First use: the folder with its starter files (abbreviations among them).
  if (!session) (void)shell::ensure_user_folder(cli.home_dir);
  if (!fs::is_directory(cli.home_dir, ec)) {
    std::fprintf(stderr, "kelvo: cannot use the folder %s\n", cli.home_dir.c_str());
    return 2;
  }
  const fs::path home(cli.home_dir);
  CliHost host;
  WarningGate own_gate(host);
  WarningGate& warnings = gate ? *gate : own_gate;
  ParseLog log;
  TranslationOptions options = session ? session->options : cli.options;
  shell::reset_area_for_run(options);

  userdata::AbbreviationTable abbreviations;
  if (session) {
    abbreviations = session->abbreviations;
  } else if (options.abbreviation) {
    std::string path = find_file_nocase(cli.home_dir, userdata::kAbbreviationsFile);
    if (!path.empty()) {
      ParseLog quiet;  // the load's progress lines are not wanted here
      abbreviations = userdata::load_abbreviations(path, quiet, warnings);
    }
  }

  std::vector<std::string> inputs = cli.files;
  if (inputs.empty()) inputs.push_back("-");
  install_interrupt_handler();
  int status = 0;
  for (const auto& input : inputs) {
    std::string path = input;
    if (input == "-") {
      path = (home / "latin.lat").string();
      if (!save_standard_input(path)) {
        std::fprintf(stderr, "kelvo: cannot save standard input to %s\n", path.c_str());
        return 1;
      }
    }
    text::TranslationRun run(session ? &session->lexicon : nullptr, options, warnings, log,
                                 {(home / "temp.lat").string(), (home / "parser.txt").string()});
    run.set_abbreviations(&abbreviations);
    run.set_banner([](ParseLog& l, const TranslationOptions& o) {
      shell::write_parse_log_banner(l, o, std::time(nullptr));
    });
    auto outcome = run.run(path, text::TranslationRun::steady_clock_ms(), handler);
    std::fflush(stdout);
    if (!outcome.prepared) status = 1;
    if (outcome.escaped) break;
  }
  return status;
}

}  // namespace kelvo::cli
