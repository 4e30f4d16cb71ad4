#include "cli/cli_help.h"

#include <string_view>
#include <vector>

#include "base/paths.h"
#include "shell/parse_log_banner.h"

namespace kelvo::cli {

namespace {

constexpr std::size_t kWidth = 79;
constexpr std::size_t kHelpColumn = 24;  // where an option's help starts

constexpr std::string_view kIntro =
    "Analyses Latin text word by word. Each FILE is read whole; without a FILE, or for \"-\", "
    "standard input is read. Text may be UTF-8 or Windows-1252; the output is UTF-8. Messages "
    "go to standard error, each naming the file and line it is about.";

// Joins pieces of text (GCC 12 warns falsely about "literal" + std::string).
std::string cat(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (auto p : parts) out += p;
  return out;
}

struct ExitStatus {
  int code;
  std::string_view meaning;
};
constexpr ExitStatus kExitStatuses[] = {
    {kExitSuccess, "success"},
    {kExitIncomplete,
     "an input could not be read or is not text, or the output is incomplete: text was cut at "
     "a limit (standard error names the file and line), or the run was interrupted"},
    {kExitUsage, "bad usage, or the data files are missing or refused"},
};

// `text` in lines of at most kWidth, the first after `first` (already in
// `out`, `at` columns wide), the others indented by `indent`.
void wrap(std::string& out, std::string_view text, std::size_t at, std::size_t indent) {
  std::size_t column = at;
  bool line_start = true;
  while (!text.empty()) {
    std::size_t end = text.find(' ');
    std::string_view word = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line_start && column + 1 + word.size() > kWidth) {
      out += '\n';
      out.append(indent, ' ');
      column = indent;
      line_start = true;
    }
    if (!line_start) {
      out += ' ';
      ++column;
    }
    out += word;
    column += word.size();
    line_start = false;
  }
  out += '\n';
}

std::string flags_of(const OptionSpec& o) {
  std::string f;
  if (!o.short_name.empty()) f = cat({o.short_name, ", "});
  f += o.name;
  if (!o.value.empty()) f += cat({" ", o.value});
  return f;
}

void option_lines(std::string& out, std::span<const OptionSpec> group) {
  for (const auto& o : group) {
    std::string f = cat({"  ", flags_of(o)});
    out += f;
    if (f.size() + 2 > kHelpColumn) {
      out += '\n';
      out.append(kHelpColumn, ' ');
    } else {
      out.append(kHelpColumn - f.size(), ' ');
    }
    wrap(out, o.help, kHelpColumn, kHelpColumn);
  }
}

std::string_view group_heading(std::span<const OptionSpec> group, const CommandSpec* command) {
  if (group.data() == text_options().data())
    return "Text options (they override your UserSettings.txt):";
  if (group.data() == folder_options().data()) return "Folders:";
  if (group.data() == help_options().data()) return "Help:";
  return command ? "Options:" : "";
}

void exit_status_lines(std::string& out) {
  out += "Exit status:\n";
  for (const auto& s : kExitStatuses) {
    std::string head = cat({"  ", std::to_string(s.code), "  "});
    out += head;
    wrap(out, s.meaning, head.size(), head.size());
  }
}

// roff: a leading dot or quote would be a request; "-" and "\" need escapes.
std::string roff(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

void man_options(std::string& out, std::span<const OptionSpec> group) {
  for (const auto& o : group) {
    out += ".TP\n\\fB";
    if (!o.short_name.empty()) out += cat({roff(o.short_name), "\\fR, \\fB"});
    out += cat({roff(o.name), "\\fR"});
    if (!o.value.empty()) out += cat({" \\fI", roff(o.value), "\\fR"});
    out += cat({"\n", roff(o.help), "\n"});
  }
}

std::string words_of(std::span<const OptionSpec> group) {
  std::string w;
  for (const auto& o : group) {
    if (!o.short_name.empty()) w += cat({o.short_name, " "});
    w += cat({o.name, " "});
  }
  return w;
}

std::string choices_of(const OptionSpec& o) {
  if (!o.choices.empty()) return std::string(o.choices);
  std::string c(o.value);
  for (char& ch : c)
    if (ch == '|') ch = ' ';
  return c;
}

}  // namespace

std::string usage_line(const CommandSpec& c) {
  std::string u = cat({"kelvo ", c.name, " [OPTIONS]"});
  if (!c.operands.empty()) u += cat({" ", c.operands});
  return u;
}

std::string version_line() {
  return cat({"kelvo ", version_text(), " (parse logs say version ", shell::kBannerVersion,
              "; Latin data from Whitaker's WORDS ", shell::kWordsVersion, ")"});
}

std::string command_names() {
  std::string names;
  for (const auto& c : commands()) names += cat({names.empty() ? "" : ", ", c.name});
  return cat({names, ", help"});
}

std::string program_help() {
  std::string out =
      "Usage: kelvo COMMAND [OPTIONS] [FILE...]\n"
      "       kelvo help [COMMAND]\n"
      "       kelvo --version\n\n";
  wrap(out, kIntro, 0, 0);
  out += "\nCommands:\n";
  for (const auto& c : commands()) {
    std::string head = cat({"  ", c.name});
    head.append(14 - head.size(), ' ');
    out += head;
    wrap(out, c.summary, head.size(), head.size());
  }
  out += "  help        every option of a command: kelvo help COMMAND\n\n";
  out += cat({group_heading(text_options(), nullptr), "\n"});
  option_lines(out, text_options());
  out += cat({"\n", group_heading(folder_options(), nullptr), "\n"});
  option_lines(out, folder_options());
  out += "\n";
  exit_status_lines(out);
  return out;
}

std::string command_help(const CommandSpec& c) {
  std::string out = cat({"Usage: ", usage_line(c), "\n\n"});
  wrap(out, c.description, 0, 0);
  for (auto group : option_groups(c)) {
    out += cat({"\n", group_heading(group, &c), "\n"});
    option_lines(out, group);
  }
  out += "\n";
  exit_status_lines(out);
  return out;
}

std::string man_page() {
  std::string out = cat({".TH KELVO 1 \"\" \"kelvo ", version_text(), "\" \"User Commands\"\n"});
  out += ".SH NAME\nkelvo \\- analyse Latin text word by word\n";
  out += ".SH SYNOPSIS\n";
  out += ".B kelvo\n\\fICOMMAND\\fR [\\fIOPTIONS\\fR] [\\fIFILE\\fR...]\n.br\n";
  out += ".B kelvo help\n[\\fICOMMAND\\fR]\n.br\n.B kelvo \\-\\-version\n";
  out += cat({".SH DESCRIPTION\n", roff(kIntro), "\n"});
  out += ".SH COMMANDS\n";
  for (const auto& c : commands()) {
    out += cat({".TP\n\\fB", roff(usage_line(c)), "\\fR\n", roff(c.description), "\n"});
    if (!c.own.empty()) {
      out += ".RS\n";
      man_options(out, c.own);
      out += ".RE\n";
    }
  }
  out += ".TP\n\\fBkelvo help\\fR [\\fICOMMAND\\fR]\nEvery option of COMMAND; without one, the commands and the options they share.\n";
  out += ".SH OPTIONS\n";
  out += cat({roff(group_heading(text_options(), nullptr)), "\n"});
  man_options(out, text_options());
  out += cat({".PP\n", roff(group_heading(folder_options(), nullptr)), "\n"});
  man_options(out, folder_options());
  man_options(out, help_options());
  out += ".SH EXIT STATUS\n";
  for (const auto& s : kExitStatuses)
    out += cat({".TP\n.B ", std::to_string(s.code), "\n", roff(s.meaning), "\n"});
  out += ".SH ENVIRONMENT\n";
  out += ".TP\n.B KELVO_HOME\nYour own folder, unless \\-\\-home names one.\n";
  out += ".TP\n.B KELVO_DATA_DIR\nThe folder of the data files, unless \\-\\-data names one.\n";
  out += ".TP\n.B XDG_DATA_HOME\nYour own folder is $XDG_DATA_HOME/kelvo when neither of the "
         "above is set.\n";
  out += ".SH FILES\n";
  out += ".TP\n.I ~/.local/share/kelvo/\nYour folder: Userfile.txt (your dictionary), "
         "userphrases.txt (standard phrases), UserAbbreviations.txt, UserSettings.txt. It is "
         "created with starter copies on first use; Kelvo never writes into it otherwise.\n";
  out += ".TP\n.I share/kelvo/*.dat\nThe Latin data, built from Whitaker's WORDS by "
         "kelvo\\-mkdata.\n";
  return out;
}

std::string bash_completion() {
  std::string out =
      "# bash completion for kelvo, made from its help text.\n"
      "_kelvo() {\n"
      "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n";
  std::string names;
  for (const auto& c : commands()) names += cat({c.name, " "});
  out += cat({"  local commands=\"", names, "help\"\n"});
  out += "  if [[ $COMP_CWORD -eq 1 ]]; then\n"
         "    COMPREPLY=($(compgen -W \"$commands --help --version\" -- \"$cur\"))\n"
         "    return\n"
         "  fi\n"
         "  if [[ ${COMP_WORDS[1]} == help ]]; then\n"
         "    [[ $COMP_CWORD -eq 2 ]] && COMPREPLY=($(compgen -W \"$commands\" -- \"$cur\"))\n"
         "    return\n"
         "  fi\n";
  // The values of the options that take one, whatever the command.
  out += "  case $prev in\n";
  std::vector<const OptionSpec*> seen;
  auto value_case = [&](const OptionSpec& o) {
    if (o.value.empty()) return;
    for (const OptionSpec* s : seen)
      if (s->name == o.name) return;
    seen.push_back(&o);
    out += cat({"    ", o.name});
    if (!o.short_name.empty()) out += cat({"|", o.short_name});
    out += ") ";
    switch (o.kind) {
      case ValueKind::choice:
        out += cat({"COMPREPLY=($(compgen -W \"", choices_of(o), "\" -- \"$cur\"))"});
        break;
      case ValueKind::folder: out += "COMPREPLY=($(compgen -d -- \"$cur\"))"; break;
      case ValueKind::file: out += "COMPREPLY=($(compgen -f -- \"$cur\"))"; break;
      default: out += "COMPREPLY=()"; break;
    }
    out += "; return;;\n";
  };
  for (const auto& c : commands())
    for (auto group : option_groups(c))
      for (const auto& o : group) value_case(o);
  out += "  esac\n";
  out += "  local options\n  case ${COMP_WORDS[1]} in\n";
  for (const auto& c : commands()) {
    std::string words;
    for (auto group : option_groups(c)) words += words_of(group);
    out += cat({"    ", c.name, ") options=\"", words, "\""});
    if (!c.reads_text) out += "; [[ $cur == -* ]] || return";
    out += ";;\n";
  }
  out += "    *) return;;\n  esac\n"
         "  if [[ $cur == -* ]]; then\n"
         "    COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
         "  else\n"
         "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "  fi\n"
         "}\n"
         "complete -o filenames -F _kelvo kelvo\n";
  return out;
}

}  // namespace kelvo::cli
