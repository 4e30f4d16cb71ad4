#include "cli/cli_run.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "base/paths.h"
#include "grammar/codes.h"
#include "cli/cli_host.h"
#include "shell/option_rules.h"
#include "shell/user_folder.h"
#include "text/input_preparation.h"
#include "text/input_text.h"
#include "userdata/abbreviations.h"

namespace fs = std::filesystem;

namespace kelvo::cli {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string format_message(const char* format, const std::string& name) {
  std::string out(format);
  auto at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, name);
  return out;
}

}  // namespace

Result<std::string> read_input(const std::string& input) {
  std::unique_ptr<std::FILE, FileCloser> owned;
  std::FILE* in = stdin;
  if (input != "-") {
    owned.reset(std::fopen(input.c_str(), "rb"));
    in = owned.get();
    std::error_code ec;
    if (!in || fs::is_directory(input, ec))
      return make_error(ErrorKind::io,
                        format_message(text::kCannotOpenInputFormat, input_label(input)));
  }
  std::string text;
  char buf[1 << 16];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) text.append(buf, n);
  if (std::ferror(in)) return make_error(ErrorKind::io, text::kReadErrorMessage);
  return text;
}

std::vector<std::string> input_names(const CliOptions& cli) {
  std::vector<std::string> inputs = cli.files;
  if (inputs.empty()) inputs.push_back("-");
  return inputs;
}

std::string input_label(const std::string& input) {
  if (input == "-") return "(standard input)";
  std::error_code ec;
  fs::path full = fs::absolute(input, ec);
  return ec ? input : full.lexically_normal().string();
}

std::string not_text_message(const std::string& input) {
  return format_message(text::kNotTextFormat, input_label(input));
}

void report_cuts(const std::string& input, std::span<const TextCut> cuts,
                 std::uint32_t first_line) {
  const std::string label = input_label(input);
  for (std::size_t i = 0; i < cuts.size();) {
    std::size_t same = 1;
    while (i + same < cuts.size() && cuts[i + same].line == cuts[i].line &&
           cuts[i + same].message.substr(0, 12) == cuts[i].message.substr(0, 12))
      ++same;
    std::string again;
    if (same > 1) again = " (" + std::to_string(same) + " times on this line)";
    const std::string message = text::windows1252_to_utf8(cuts[i].message);
    std::fprintf(stderr, "kelvo: %s:%u: %s%s\n", label.c_str(),
                 static_cast<unsigned>(first_line + cuts[i].line - 1), message.c_str(),
                 again.c_str());
    i += same;
  }
}

void report_interrupted(const std::string& input) {
  std::fprintf(stderr, "kelvo: %s: interrupted: the output stops early\n",
               input_label(input).c_str());
}

std::string usable_home(const std::string& home) {
  auto folder = shell::ensure_user_folder(home);
  if (folder) return *folder;
  std::error_code ec;
  // A folder the user may only read serves as it is: nothing is written there.
  if (fs::is_directory(home, ec)) return home;
  std::fprintf(stderr, "kelvo: %s; going on without your own files\n",
               folder.error().message.c_str());
  return {};
}

Sentence sentence_of(const text::SentenceWords& words, int token_count) {
  Sentence s;
  s.tokens.reserve(static_cast<std::size_t>(token_count));
  for (int i = 0; i < token_count; ++i) {
    Token t;
    const std::string_view token = words.token(i);
    const int mark = grammar::punctuation_token_code(token);
    t.punctuation = mark >= 0;
    t.text = t.punctuation ? std::string(1, grammar::kPunctuationChars[static_cast<std::size_t>(mark)])
                           : std::string(token);
    s.tokens.push_back(std::move(t));
  }
  return s;
}

int run_over_inputs(const CliOptions& cli, InputHandler& handler) {
  // First use: the folder with its starter files (abbreviations among them).
  const std::string home = usable_home(cli.home_dir);
  CliHost host;
  WarningGate warnings(host);
  ParseLog log;  // the command prints what it wants; the log is not kept
  TranslationOptions options = cli.options;
  shell::reset_area_for_run(options);
  // No questions and no boxes: what a limit cut is reported with its line.
  options.batch_mode = true;

  userdata::AbbreviationTable abbreviations;
  if (options.abbreviation && !home.empty()) {
    std::string path = find_file_nocase(home, userdata::kAbbreviationsFile);
    if (!path.empty()) {
      ParseLog quiet;  // the load's progress lines are not wanted here
      abbreviations = userdata::load_abbreviations(path, quiet, warnings);
      for (const auto& r : abbreviations.rejected)
        std::fprintf(stderr, "kelvo: %s\n", userdata::format_rejected(r).c_str());
    }
  }

  install_interrupt_handler();
  int status = 0;
  for (const auto& input : input_names(cli)) {
    auto raw = read_input(input);
    if (!raw) {
      host.warning(raw.error().message);
      status = 1;
      continue;
    }
    handler.begin_input(*raw);
    text::TranslationRun run(nullptr, options, warnings, log);
    run.set_abbreviations(&abbreviations);
    auto outcome = run.run(*raw, text::TranslationRun::steady_clock_ms(), handler);
    std::fflush(stdout);
    if (outcome.status == text::RunStatus::bad_input) {
      host.warning(not_text_message(input));
      status = 1;
    }
    if (!outcome.cuts.empty()) {
      std::vector<TextCut> cuts;
      for (auto& c : outcome.cuts) cuts.push_back({c.line, std::move(c.message)});
      report_cuts(input, cuts);
      status = 1;
    }
    if (outcome.status == text::RunStatus::cancelled) {
      report_interrupted(input);
      status = 1;
      break;
    }
  }
  return status;
}

}  // namespace kelvo::cli
