// `kelvo search --forms WORD [FILE...]`: every line in which a form of the
// word's lemmas occurs, found through the word analysis (regis, regem, rege
// for rex), printed as FILE:LINE:COL: LINE with the column of the line's
// first form. Exit status 0 when a line was found, 1 when none, as grep.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/analysed_inputs.h"
#include "cli/commands.h"
#include "shell/forms_search.h"
#include "shell/text_lines.h"

namespace kelvo::cli {

namespace {

constexpr const char* kUsage = "Usage: kelvo search --forms WORD [OPTIONS] [FILE...]\n";

}  // namespace

int cmd_search(const Arguments& args) {
  const std::string word = args.has("--forms") ? *args.value("--forms") : std::string();
  if (word.empty()) {
    std::fprintf(stderr, "kelvo search: --forms needs a Latin word\n%s", kUsage);
    return 2;
  }
  Loaded loaded;
  if (int rc = load_engine("search", args, loaded)) return rc;
  Translator translator(loaded.engine, loaded.options, &loaded.host);
  const std::vector<std::string> lemmas = shell::lemmas_of(translator.lookup(word));
  if (lemmas.empty()) {
    std::fprintf(stderr, "kelvo search: '%s' has no reading: there is no lemma to search for\n",
                 word.c_str());
    return 1;
  }
  std::vector<shell::FormHit> hits;
  bool found = false;
  const int status = analyse_inputs(
      loaded, [&](const Sentence& s) { shell::append_form_hits(s, lemmas, hits); },
      [&](const AnalysedInput& input) {
        const shell::LineIndex lines(input.text);
        std::size_t last_line = 0;
        for (const auto& h : hits) {
          const shell::TextPosition at = lines.at(h.begin);
          if (at.line == last_line) continue;  // a line once, however many forms it holds
          last_line = at.line;
          std::printf("%s:%zu:%zu: %s\n", input.name.c_str(), at.line, at.column,
                      printable(lines.line(at.line), input.utf8).c_str());
        }
        found = found || !hits.empty();
        hits.clear();
        std::fflush(stdout);
      });
  if (status != 0) return status;
  return found ? 0 : 1;
}

}  // namespace kelvo::cli
