#include "cli/cli_engine.h"

#include <cstdio>

#include "kelvo/engine_data.h"
#include "kelvo/load_choices.h"
#include "shell/user_folder.h"

namespace kelvo::cli {

int load_engine(const char* command, std::vector<std::string> args, Loaded& out) {
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

}  // namespace kelvo::cli
