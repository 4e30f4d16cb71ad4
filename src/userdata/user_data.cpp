#include "userdata/user_data.h"

namespace kelvo::userdata {

void load_user_data(UserData& data, const std::string& folder, TranslationOptions& options,
                    ParseLog& log, WarningGate& gate) {
  data.folder = folder;
  data.dictionary.load(folder, log, gate);
  data.phrases.load(folder, options, log, gate);
}

std::string UserData::summary() const {
  std::string s = "user folder: " + folder + "\n";
  s += "user words: " + std::to_string(dictionary.userfile_lines()) + " lines";
  if (dictionary.pliny_lines() > 0)
    s += " + " + std::to_string(dictionary.pliny_lines()) + " Pliny lines";
  s += ", " + std::to_string(dictionary.stems().size()) + " stems";
  if (dictionary.limit_reached()) s += " (limit of " + std::to_string(kMaxUserLines) + " reached)";
  s += "\n";
  s += "standard phrases: " + std::to_string(phrases.count()) + "\n";
  s += "abbreviations: " +
       (abbreviations < 0 ? std::string("not loaded") : std::to_string(abbreviations)) + "\n";
  const std::size_t refused = dictionary.rejected().size() + phrases.rejected().size();
  if (refused > 0) s += "rejected user lines: " + std::to_string(refused) + "\n";
  return s;
}

std::string UserData::rejected_report() const {
  return format_rejected(dictionary.rejected()) + format_rejected(phrases.rejected());
}

}  // namespace kelvo::userdata
