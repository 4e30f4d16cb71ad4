// Start-up: the user's folder, the lexical tables, the user's own data and
// the high-speed hash, loaded once and shared by the commands.
#pragma once
#include <memory>
#include <string>

#include "base/host.h"
#include "base/options.h"
#include "base/parse_log.h"
#include "base/status.h"
#include "grammar/lexicon.h"
#include "userdata/abbreviations.h"
#include "userdata/user_data.h"

namespace kelvo::shell {

struct Session {
  TranslationOptions options;
  std::string home_dir;
  std::string data_dir;
  grammar::Lexicon lexicon;
  userdata::UserData user;
  userdata::AbbreviationTable abbreviations;
};

// Loads everything in the start-up order. A missing or refused data file is
// an error whose message names the file (and says how to build the data).
Result<std::unique_ptr<Session>> start_session(const TranslationOptions& options,
                                               const std::string& home_dir,
                                               const std::string& data_dir, ParseLog& log,
                                               WarningGate& warnings);

}  // namespace kelvo::shell
