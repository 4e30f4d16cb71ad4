#include "cli/commands.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_help.h"

namespace kelvo::cli {

namespace {

using K = ValueKind;

constexpr OptionSpec kTextViewOptions[] = {
    {"--details", "", "", K::none,
     "the text as the analysis reads it: joined words, marks by their codes"},
};

constexpr OptionSpec kParseOptions[] = {
    {"--log", "", "FILE", K::file,
     "also write the whole parse log (banner, word count, time taken) to FILE"},
    {"--jobs", "-j", "N", K::number,
     "share the files among N threads, one dictionary for all; the output keeps the input "
     "order (default: one thread a core)"},
};

constexpr OptionSpec kAnalyzeOptions[] = {
    {"--format", "", "json|conllu", K::choice,
     "JSON Lines, every reading of every word (the default), or CoNLL-U, the likeliest reading"},
    {"--lines", "", "", K::none, "each line of the input is a text of its own: one JSON object "
                                 "or one CoNLL-U sentence a line"},
    {"--jobs", "-j", "N", K::number,
     "share the files (with --lines, the lines) among N threads, one dictionary for all; the "
     "output keeps the input order (default: one thread a core); with a core to spare, the "
     "sentence analysis of each text also runs on threads of its own while its words are read"},
};

constexpr OptionSpec kTranslateOptions[] = {
    {"--format", "", "text|json", K::choice,
     "the English, one sentence a line (the default), or JSON Lines: each sentence's English "
     "word by word with the Latin word each renders and the reading chosen for every word"},
    {"--lines", "", "", K::none, "each line of the input is a text of its own: one line of "
                                 "English (or one JSON object) a line"},
    {"--log", "", "FILE", K::file,
     "also write the whole parse log (banner, English, word count, time taken) to FILE"},
    {"--order", "", "none|nomverb|auto|svoe", K::choice,
     "the English word order: the Latin order kept, the verb after its subject, chosen per "
     "clause (the default), or subject, verb, object and the rest"},
    {"--joint", "", "", K::none,
     "each sentence's Latin on a line before its English (text format)"},
    {"--jobs", "-j", "N", K::number,
     "share the files (with --lines, the lines) among N threads, one dictionary for all; the "
     "output keeps the input order (default: one thread a core); with a core to spare, the "
     "sentence analysis and English of each text also run on threads of their own while its "
     "words are read"},
};

constexpr OptionSpec kLookupOptions[] = {
    {"--english", "", "", K::none,
     "look the words up in English: the Latin entries whose meanings hold them"},
};

constexpr OptionSpec kSearchOptions[] = {
    {"--forms", "", "WORD", K::word,
     "print each line of the files that holds a form of WORD's lemmas, found by analysis"},
};

const CommandSpec kCommands[] = {
    {"info", "", "the data folder, each table loaded, and your own files",
     "Shows the Kelvo version, the data folder in use, each table loaded with its records and "
     "size, the load time, the features that are off because their file is absent or refused, "
     "and what was read from your folder.",
     {}, false, cmd_info},
    {"sentences", "[FILE...]", "the text split into sentences, one a line",
     "Prints each sentence as you wrote it, one a line; line ends and runs of blanks inside a "
     "sentence become one blank. With --details, the sentences as the analysis reads them: "
     "abbreviations expanded, a stop that ends no sentence joined to its word (M_Tullius).",
     kTextViewOptions, true, cmd_sentences},
    {"tokens", "[FILE...]", "the words and punctuation of each sentence",
     "Prints the tokens of each sentence as you wrote them, separated by blanks, one sentence a "
     "line. With --details, the tokens as the analysis reads them: j and v as i and u, joined "
     "expressions (opus_est), each punctuation mark by its code (PUNCTA for a comma).",
     kTextViewOptions, true, cmd_tokens},
    {"parse", "[FILE...]", "every word analysed: its forms, meaning and grammar",
     "Lists every reading of every word: the analysed form (stem and ending joined by '.'), "
     "the dictionary form, the meaning, and a line of grammar ending in the rarity letter and "
     "the age.",
     kParseOptions, true, cmd_parse},
    {"analyze", "[FILE...]", "the analyses for other programs: JSON Lines or CoNLL-U",
     "Writes the analyses in a form for other programs: JSON Lines (one object a sentence with "
     "its text and every reading of every word) or CoNLL-U (one line a word with its likeliest "
     "reading; MISC holds its gloss and the number of readings).",
     kAnalyzeOptions, true, cmd_analyze},
    {"translate", "[FILE...]", "the English of each sentence",
     "Translates each sentence into English: every word analysed, the sentence analysed to "
     "choose one reading per word, and the English composed from the choices.",
     kTranslateOptions, true, cmd_translate},
    {"spell", "[FILE...]", "every word the analysis cannot read, as FILE:LINE:COL: WORD",
     "Prints each word of the text that no reading fits, one a line as FILE:LINE:COL: WORD, the "
     "form that editors jump to; exit status 1 when there is any.",
     {}, true, cmd_spell},
    {"lookup", "STEM...", "the dictionary by the start of a stem, or the Latin for English words",
     "Lists the dictionary entries whose stem begins with STEM, with their principal parts, part "
     "of speech and meaning; with --english, the Latin entries whose meanings hold the English "
     "word.",
     kLookupOptions, true, cmd_lookup},
    {"search", "--forms WORD FILE...", "each line holding a form of a word's lemmas",
     "Prints every line of the files in which a form of WORD's lemmas occurs, found through word "
     "analysis rather than by matching text; exit status 1 when there is none.",
     kSearchOptions, true, cmd_search},
};

void print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int help_command(const std::vector<std::string>& args) {
  if (args.empty()) {
    print(program_help());
    return kExitSuccess;
  }
  const CommandSpec* c = find_command(args[0]);
  if (!c || args.size() > 1)
    return usage_error("", "no command '" + args[0] + "'; the commands: " + command_names());
  print(command_help(*c));
  return kExitSuccess;
}

}  // namespace

int usage_error(std::string_view command, const std::string& message) {
  const CommandSpec* c = find_command(command);
  if (!c) {
    std::fprintf(stderr, "kelvo: %s\nUsage: kelvo COMMAND [OPTIONS] [FILE...]; 'kelvo --help' "
                 "lists the commands and options.\n", message.c_str());
    return kExitUsage;
  }
  std::fprintf(stderr, "kelvo %s: %s\nUsage: %s; 'kelvo help %s' lists every option.\n",
               std::string(c->name).c_str(), message.c_str(), usage_line(*c).c_str(),
               std::string(c->name).c_str());
  return kExitUsage;
}

std::span<const CommandSpec> commands() { return kCommands; }

const CommandSpec* find_command(std::string_view name) {
  for (const auto& c : kCommands)
    if (c.name == name) return &c;
  return nullptr;
}

std::vector<std::span<const OptionSpec>> option_groups(const CommandSpec& command) {
  std::vector<std::span<const OptionSpec>> groups;
  if (!command.own.empty()) groups.push_back(command.own);
  if (command.reads_text) groups.push_back(text_options());
  groups.push_back(folder_options());
  groups.push_back(help_options());
  return groups;
}

int run(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(program_help().c_str(), stderr);
    return kExitUsage;
  }
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") return help_command({});
  if (first == "help") return help_command({args.begin() + 1, args.end()});
  if (first == "--version") {
    print(version_line() + "\n");
    return kExitSuccess;
  }
  const CommandSpec* c = find_command(first);
  if (!c) return usage_error("", "unknown command '" + first + "'; the commands: " + command_names());
  auto groups = option_groups(*c);
  auto parsed = read_arguments({args.begin() + 1, args.end()}, groups);
  if (!parsed) return usage_error(c->name, parsed.error().message);
  if (parsed->help) {
    print(command_help(*c));
    return kExitSuccess;
  }
  if (!c->reads_text && !parsed->files.empty())
    return usage_error(c->name, "takes no FILE ('" + parsed->files[0] + "')");
  return c->run(*parsed);
}

}  // namespace kelvo::cli
