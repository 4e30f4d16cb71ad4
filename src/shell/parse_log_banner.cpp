#include "shell/parse_log_banner.h"

namespace kelvo::shell {

void write_parse_log_banner(ParseLog& log, const TranslationOptions& options, std::time_t now) {
  log.printf("Kelvo Latin-English translator, version %s (Public edition)\n", kBannerVersion);
  log.printf("Latin dictionary and inflections from William Whitaker's WORDS, version %s\n",
             kWordsVersion);
  if (options.area == 'Z') log.write("NeoLatin meanings from the supplementary medieval dictionary\n");
  if (options.botany) log.write("Using Botanical Latin Add-on.\n");
  log.write("\n");
  char date[64] = "";
  std::tm tm{};
  if (localtime_r(&now, &tm)) std::strftime(date, sizeof date, "%a %b %e %H:%M:%S %Y", &tm);
  log.printf("Date/time = %s\n\n", date);
  if (options.inscriptions) log.write("This file created with INSCRIPTIONS FLAG ON.\n\n");
}

}  // namespace kelvo::shell
