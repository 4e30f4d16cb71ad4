#include "cli/analysis_run.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "cli/cli_run.h"
#include "kelvo/engine_data.h"
#include "kelvo/load_choices.h"
#include "shell/parse_log_banner.h"
#include "shell/user_folder.h"

namespace kelvo::cli {

int load(const char* command, std::vector<std::string> args, Loaded& out) {
  auto cli = parse_cli_options(args);
  if (!cli) {
    std::fprintf(stderr, "kelvo %s: %s\n%s", command, cli.error().message.c_str(),
                 option_flags_help());
    return 2;
  }
  out.cli = *cli;
  out.host.yes_to_pliny = out.cli.pliny;
  auto folder = shell::ensure_user_folder(out.cli.home_dir);
  if (!folder) {
    std::fprintf(stderr, "kelvo: %s\n", folder.error().message.c_str());
    return 2;
  }
  EngineConfig config;
  config.data_dir = out.cli.data_dir;
  config.home_dir = *folder;
  config.pliny = out.cli.pliny;
  config.high_speed_hash = out.cli.options.allow_hash;
  auto engine = Engine::load(config);
  if (!engine) {
    std::fprintf(stderr, "kelvo: %s\n", engine.error().message.c_str());
    return 2;
  }
  out.engine = *engine;
  WarningGate gate(out.host);
  for (const auto& m : out.engine->data().load_messages) gate.warn(m);
  const std::string& rejected = out.engine->rejected_user_lines();
  if (!rejected.empty()) std::fputs(rejected.c_str(), stderr);
  out.options = out.cli.options;
  apply_load_choices(*out.engine, out.options, out.host);
  return 0;
}

void write_out(const std::string& s) { std::fwrite(s.data(), 1, s.size(), stdout); }

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

bool take_log_flag(std::vector<std::string>& args, const char* command, std::string& path) {
  path.clear();
  if (take_command_flag(args, "--log", &path) && path.empty()) {
    std::fprintf(stderr, "kelvo %s: --log needs a file\n", command);
    return false;
  }
  return true;
}

void want_log(RunOutputs& outputs, const TranslationOptions& options, const std::string& path) {
  outputs.log = !path.empty();
  if (path.empty()) return;
  ParseLog banner;
  banner.open_memory();
  shell::write_parse_log_banner(banner, options, std::time(nullptr));
  outputs.log_banner = banner.text();
}

bool save_log(const char* command, const std::string& path, const std::string& text) {
  if (path.empty()) return true;
  std::string staging = path + ".tmp";
  std::FILE* f = std::fopen(staging.c_str(), "wb");
  bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = f && std::fclose(f) == 0 && ok;
  if (ok) ok = std::rename(staging.c_str(), path.c_str()) == 0;
  if (!ok) {
    std::remove(staging.c_str());
    std::fprintf(stderr, "kelvo %s: cannot write %s\n", command, path.c_str());
  }
  return ok;
}

}  // namespace kelvo::cli
