// What an Engine holds: the tables and the user's data, as the core's passes
// read them. Only the core and the shell include this; other callers see the
// plain values of kelvo.h.
#pragma once
#include <string>
#include <vector>

#include "grammar/lexicon.h"
#include "kelvo/kelvo.h"
#include "userdata/abbreviations.h"
#include "userdata/user_data.h"

namespace kelvo {

struct EngineData {
  std::string data_dir;
  std::string home_dir;  // "" when no user data was loaded
  grammar::Lexicon lexicon;
  userdata::UserData user;
  userdata::AbbreviationTable abbreviations;
  // Messages of the load that the user should see, in order (a box each in
  // the window, standard error on the command line).
  std::vector<std::string> load_messages;
  // The standard phrases could not be used (their file is missing or bad).
  bool user_phrases_refused = false;
  std::string rejected;  // the refused user lines, one a line
  // A meddict.dat with its marker lies in the data folder or the user's: the
  // dictionary search then shows the records of every age.
  bool medieval_dictionary = false;
};

}  // namespace kelvo
