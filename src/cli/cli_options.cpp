#include "cli/cli_options.h"

#include <string_view>

#include "base/paths.h"
#include "base/text.h"
#include "shell/option_rules.h"
#include "shell/user_settings.h"

namespace kelvo::cli {

namespace {

Error usage(std::string m) { return make_error(ErrorKind::usage, std::move(m)); }

// Splits "--flag=value" and "--flag value"; true when `name` matched.
bool take_value(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
                std::string& value, bool& missing) {
  std::string_view a = args[i];
  if (a == name) {
    if (i + 1 >= args.size()) {
      missing = true;
      return true;
    }
    value = args[++i];
    return true;
  }
  if (a.size() > name.size() && a.substr(0, name.size()) == name && a[name.size()] == '=') {
    value = std::string(a.substr(name.size() + 1));
    return true;
  }
  return false;
}

}  // namespace

bool take_command_flag(std::vector<std::string>& args, std::string_view name,
                       std::string* value) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") return false;
    std::size_t at = i;
    std::string v;
    bool missing = false;
    bool found = value ? take_value(args, i, name, v, missing) : args[i] == name;
    if (!found) continue;
    args.erase(args.begin() + static_cast<long>(at), args.begin() + static_cast<long>(i) + 1);
    if (value) *value = missing ? std::string() : v;
    return true;
  }
  return false;
}

const char* option_flags_help() {
  return "  --age classical|medieval|all   --area LETTER|general   --order none|nomverb|auto|svoe\n"
         "  --tricks | --no-tricks   --phonetics   --plautus   --abbreviations   --inscriptions\n"
         "  --easy-latin   --details   --joint   --home DIR   --data DIR   --pliny\n";
}

Result<CliOptions> parse_cli_options(const std::vector<std::string>& args) {
  CliOptions out;
  // The home folder first: its settings file comes before the other flags.
  std::string home;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string v;
    bool missing = false;
    if (take_value(args, i, "--home", v, missing)) {
      if (missing) return usage("--home needs a folder");
      home = v;
    }
  }
  out.home_dir = user_home_dir(home);
  std::string settings = find_file_nocase(out.home_dir, shell::kSettingsFile);
  if (!settings.empty()) {
    shell::UserSettings loaded{out.options, {}};
    (void)shell::load_settings(settings, loaded);
    out.options = loaded.options;
  }

  TranslationOptions& o = out.options;
  bool files_only = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (files_only || a == "-" || a.empty() || a[0] != '-') {
      out.files.push_back(a);
      continue;
    }
    if (a == "--") {
      files_only = true;
      continue;
    }
    std::string v;
    bool missing = false;
    if (take_value(args, i, "--home", v, missing)) continue;
    if (take_value(args, i, "--data", v, missing)) {
      if (missing) return usage("--data needs a folder");
      out.data_dir = v;
    } else if (take_value(args, i, "--age", v, missing)) {
      if (v == "classical") shell::set_age(o, Age::classical);
      else if (v == "medieval") shell::set_age(o, Age::medieval);
      else if (v == "all") shell::set_age(o, Age::all);
      else return usage("--age takes classical, medieval or all");
    } else if (take_value(args, i, "--area", v, missing)) {
      char letter = 0;
      if (v == "general" || v == "0" || v == "-") letter = 0;
      else if (v.size() == 1) letter = ascii_upper(v[0]);
      else return usage("--area takes one letter of B H E G L W M Z S D, or general");
      if (!shell::is_area_letter(letter))
        return usage("--area takes one letter of B H E G L W M Z S D, or general");
      if (!shell::choose_area(o, letter)) {
        return usage(letter == 'M'   ? "--area M needs --age medieval"
                     : letter == 'Z' ? "--area Z needs --age all"
                                     : "--area H needs the Botany data");
      }
    } else if (take_value(args, i, "--order", v, missing)) {
      if (v == "none") o.best_order = WordOrder::none;
      else if (v == "nomverb") o.best_order = WordOrder::nomverb;
      else if (v == "auto") o.best_order = WordOrder::automatic;
      else if (v == "svoe") o.best_order = WordOrder::svoe;
      else return usage("--order takes none, nomverb, auto or svoe");
    } else if (a == "--tricks") {
      o.medieval_tricks = true;
    } else if (a == "--no-tricks") {
      o.medieval_tricks = false;
      o.medieval_phonetics = false;
    } else if (a == "--phonetics") {
      if (!shell::phonetics_enabled(o)) return usage("--phonetics needs the medieval tricks on");
      o.medieval_phonetics = true;
    } else if (a == "--plautus") {
      o.plautus = true;
    } else if (a == "--abbreviations") {
      o.abbreviation = true;
    } else if (a == "--inscriptions") {
      o.inscriptions = true;
    } else if (a == "--easy-latin") {
      (void)shell::set_easy_latin(o, true);
    } else if (a == "--details") {
      o.details = true;
    } else if (a == "--joint") {
      o.joint = true;
    } else if (a == "--pliny") {
      out.pliny = true;
    } else {
      return usage("unknown option '" + a + "'");
    }
    if (missing) return usage(a + " needs a value");
  }
  return out;
}

}  // namespace kelvo::cli
