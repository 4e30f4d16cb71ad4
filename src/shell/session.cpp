#include "shell/session.h"

#include "base/paths.h"
#include "shell/user_folder.h"

namespace kelvo::shell {

Result<std::unique_ptr<Session>> start_session(const TranslationOptions& options,
                                               const std::string& home_dir,
                                               const std::string& data_dir, ParseLog& log,
                                               WarningGate& warnings) {
  auto s = std::make_unique<Session>();
  s->options = options;
  auto folder = ensure_user_folder(home_dir);
  if (!folder) return folder.error();
  s->home_dir = *folder;
  s->data_dir = find_data_dir(data_dir);
  auto lex = grammar::load_lexicon(s->data_dir, s->options, log, warnings);
  if (!lex) {
    Error e = lex.error();
    while (!e.message.empty() && e.message.back() == '\n') e.message.pop_back();
    e.message += " (data folder " + s->data_dir +
                 "; build the data with 'make data', or 'kelvo-mkdata --out DIR', and name the "
                 "folder with --data or KELVO_DATA_DIR)";
    return e;
  }
  s->lexicon = std::move(*lex);
  userdata::load_user_data(s->user, s->home_dir, s->options, log, warnings);
  std::string abbrev = find_file_nocase(s->home_dir, userdata::kAbbreviationsFile);
  if (!abbrev.empty()) {
    s->abbreviations = userdata::load_abbreviations(abbrev, log, warnings);
    s->user.abbreviations = static_cast<int>(s->abbreviations.records.size());
  } else {
    s->user.abbreviations = 0;
  }
  grammar::load_high_speed_hash(s->lexicon, s->options, log, warnings);
  return s;
}

}  // namespace kelvo::shell
