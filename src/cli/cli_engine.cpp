#include "cli/cli_engine.h"

#include <cstdio>

#include "kelvo/engine_data.h"
#include "kelvo/load_choices.h"
#include "cli/cli_run.h"
#include "cli/commands.h"
#include "shell/user_folder.h"

namespace kelvo::cli {

// Each line of `text` on standard error as a message of the program.
void print_prefixed_lines(std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    std::fprintf(stderr, "kelvo: %.*s\n", static_cast<int>(line.size()), line.data());
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
}

int load_engine(const char* command, const Arguments& args, Loaded& out) {
  auto cli = cli_options(args);
  if (!cli) return usage_error(command, cli.error().message);
  out.cli = *cli;
  out.host.yes_to_pliny = out.cli.pliny;
  EngineConfig config;
  config.data_dir = out.cli.data_dir;
  config.home_dir = usable_home(out.cli.home_dir);
  config.pliny = out.cli.pliny;
  config.high_speed_hash = out.cli.options.allow_hash;
  auto engine = Engine::load(config);
  if (!engine) {
    std::fprintf(stderr, "kelvo: %s\n", engine.error().message.c_str());
    return kExitUsage;
  }
  out.engine = *engine;
  // Every one, each once: a line of standard error interrupts nobody, as a
  // message box would.
  for (const auto& m : out.engine->data().load_messages) out.host.warning(m);
  print_prefixed_lines(out.engine->rejected_user_lines());
  out.options = out.cli.options;
  apply_load_choices(*out.engine, out.options, out.host);
  return 0;
}

}  // namespace kelvo::cli
