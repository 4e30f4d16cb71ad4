// The user's own data, loaded once at start-up after the lexical tables.
#pragma once
#include <string>

#include "base/host.h"
#include "base/options.h"
#include "base/parse_log.h"
#include "userdata/standard_phrases.h"
#include "userdata/user_dictionary.h"

namespace kelvo::userdata {

struct UserData {
  std::string folder;
  UserDictionary dictionary;
  StandardPhrases phrases;
  int abbreviations = -1;  // -1 until the abbreviation loader fills it

  // Lines for `kelvo info`: the folder and what was loaded from it.
  std::string summary() const;
  // One line per refused user line ("file:line: rejected '...' (reason)").
  std::string rejected_report() const;
};

// Loads the user dictionary and the standard phrases from `folder`.
void load_user_data(UserData& data, const std::string& folder, TranslationOptions& options,
                    ParseLog& log, WarningGate& gate);

}  // namespace kelvo::userdata
