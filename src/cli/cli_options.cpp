#include "cli/cli_options.h"

#include "base/paths.h"
#include "base/text.h"
#include "shell/option_rules.h"
#include "shell/user_settings.h"

namespace kelvo::cli {

namespace {

using K = ValueKind;

constexpr OptionSpec kTextOptions[] = {
    {"--age", "", "classical|medieval|all", K::choice,
     "the Latin to expect: classical, medieval (the usual setting) or all ages"},
    {"--area", "", "LETTER|general", K::choice,
     "prefer the meanings of one subject area (B H E G L W M Z S D), or of none",
     "B H E G L W M Z S D general"},
    {"--tricks", "", "", K::none, "try medieval spellings of a word that is not found"},
    {"--no-tricks", "", "", K::none, "no medieval spellings (and no --phonetics)"},
    {"--phonetics", "", "", K::none, "also try medieval spellings by sound (needs the tricks)"},
    {"--plautus", "", "", K::none, "early Latin: contractions such as 'bonast', apostrophes"},
    {"--abbreviations", "", "", K::none, "expand the abbreviations of UserAbbreviations.txt"},
    {"--inscriptions", "", "", K::none, "inscriptions: brackets inside words are part of them"},
    {"--easy-latin", "", "", K::none, "teaching mode: classical Latin only, no medieval tricks"},
};

constexpr OptionSpec kFolderOptions[] = {
    {"--home", "", "DIR", K::folder,
     "your own files (Userfile.txt, userphrases.txt, UserAbbreviations.txt, UserSettings.txt); "
     "default $KELVO_HOME, else $XDG_DATA_HOME/kelvo, else ~/.local/share/kelvo"},
    {"--data", "", "DIR", K::folder,
     "the data files; default $KELVO_DATA_DIR, else the installed share/kelvo, else the build "
     "tree's data folder"},
    {"--pliny", "", "", K::none, "also load PlinyUserfile.txt from your folder"},
};

constexpr OptionSpec kHelpOptions[] = {
    {"--help", "-h", "", K::none, "show this help"},
};

Error usage(std::string m) { return make_error(ErrorKind::usage, std::move(m)); }

const OptionSpec* find_option(std::span<const std::span<const OptionSpec>> groups,
                              std::string_view name) {
  for (auto group : groups)
    for (const auto& option : group)
      if (option.name == name || (!option.short_name.empty() && option.short_name == name))
        return &option;
  return nullptr;
}

}  // namespace

std::span<const OptionSpec> text_options() { return kTextOptions; }
std::span<const OptionSpec> folder_options() { return kFolderOptions; }
std::span<const OptionSpec> help_options() { return kHelpOptions; }

const std::string* Arguments::value(std::string_view name) const {
  for (auto it = options.rbegin(); it != options.rend(); ++it)
    if (it->option->name == name) return &it->value;
  return nullptr;
}

Result<Arguments> read_arguments(const std::vector<std::string>& args,
                                 std::span<const std::span<const OptionSpec>> groups) {
  Arguments out;
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
    // "--name=value", "-jN" (a short name with its value attached), or the name alone.
    std::string_view name = a;
    std::string value;
    bool attached = false;
    if (auto eq = name.find('='); name.starts_with("--") && eq != std::string_view::npos) {
      value = std::string(name.substr(eq + 1));
      name = name.substr(0, eq);
      attached = true;
    } else if (!name.starts_with("--") && name.size() > 2) {
      value = std::string(name.substr(2));
      name = name.substr(0, 2);
      attached = true;
    }
    const OptionSpec* option = find_option(groups, name);
    if (!option) return usage("unknown option '" + a + "'");
    if (option->value.empty()) {
      if (attached) return usage(std::string(option->name) + " takes no value");
    } else if (!attached) {
      if (i + 1 >= args.size())
        return usage(std::string(name) + " needs a value (" + std::string(option->value) + ")");
      value = args[++i];
    }
    if (option->name == "--help") {
      out.help = true;
      continue;
    }
    out.options.push_back({option, std::move(value)});
  }
  return out;
}

Result<CliOptions> cli_options(const Arguments& args) {
  CliOptions out;
  // The home folder first: its settings file comes before the other flags.
  const std::string* home = args.value("--home");
  if (home && home->empty()) return usage("--home needs a folder");
  out.home_dir = user_home_dir(home ? *home : std::string());
  std::string settings = find_file_nocase(out.home_dir, shell::kSettingsFile);
  if (!settings.empty()) {
    shell::UserSettings loaded{out.options, {}};
    (void)shell::load_settings(settings, loaded);
    out.options = loaded.options;
  }
  out.files = args.files;

  TranslationOptions& o = out.options;
  for (const auto& given : args.options) {
    const std::string_view a = given.option->name;
    const std::string& v = given.value;
    if (a == "--home") {
      continue;
    } else if (a == "--data") {
      if (v.empty()) return usage("--data needs a folder");
      out.data_dir = v;
    } else if (a == "--pliny") {
      out.pliny = true;
    } else if (a == "--age") {
      if (v == "classical") shell::set_age(o, Age::classical);
      else if (v == "medieval") shell::set_age(o, Age::medieval);
      else if (v == "all") shell::set_age(o, Age::all);
      else return usage("--age takes classical, medieval or all");
    } else if (a == "--area") {
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
    }
    // The command's own options are the command's to read.
  }
  return out;
}

}  // namespace kelvo::cli
