// `kelvo spell [FILE...]`: every word the analysis cannot read, one a line as
// FILE:LINE:COL: WORD, the form editors jump to. Exit status 1 when there was
// any (or an input could not be read), 0 when none.
#include <cstdio>
#include <vector>

#include "cli/analysed_inputs.h"
#include "cli/commands.h"
#include "shell/spell_check.h"
#include "shell/text_lines.h"

namespace kelvo::cli {

int cmd_spell(const Arguments& args) {
  Loaded loaded;
  if (int rc = load_engine("spell", args, loaded)) return rc;
  std::vector<shell::UnreadWord> unread;
  bool any = false;
  const int status = analyse_inputs(
      loaded, [&](const Sentence& s) { shell::append_unread_words(s, unread); },
      [&](const AnalysedInput& input) {
        const shell::LineIndex lines(input.text);
        for (const auto& w : unread) {
          const shell::TextPosition at = lines.at(w.begin);
          std::printf("%s:%zu:%zu: %s\n", input.name.c_str(), at.line, at.column,
                      printable(shell::written_form(input.text, w), input.utf8).c_str());
        }
        any = any || !unread.empty();
        unread.clear();
        std::fflush(stdout);
      });
  return any ? 1 : status;
}

}  // namespace kelvo::cli
