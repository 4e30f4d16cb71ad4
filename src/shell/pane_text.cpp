#include "shell/pane_text.h"

#include <cstdio>

namespace kelvo::shell {

PaneText cut_for_pane(std::string_view log, std::size_t limit, std::size_t keep) {
  PaneText out;
  if (log.size() < limit) {
    out.text.assign(log);
    return out;
  }
  std::size_t n = keep < log.size() ? keep : log.size();
  // Back off continuation bytes so a multi-byte letter is not split.
  while (n > 0 && n < log.size() && (static_cast<unsigned char>(log[n]) & 0xC0) == 0x80) --n;
  out.text.assign(log.substr(0, n));
  out.text += kTruncatedMark;
  out.truncated = true;
  return out;
}

std::string long_translation_message() {
  char buf[200];
  std::snprintf(buf, sizeof buf,
                "Long translation truncated to %d chars.\nSuggest you rename PARSER.TXT and view "
                "it later in a wordprocessor.",
                static_cast<int>(kPaneReadLimit));
  return buf;
}

std::string long_reload_message() {
  char buf[200];
  std::snprintf(buf, sizeof buf,
                "Long text truncated to %d chars.\nSuggest you shorten your reloaded translation.",
                static_cast<int>(kReloadReadLimit - 2));
  return buf;
}

SendCheck check_send(std::size_t chars, bool is_selection) {
  if (is_selection) return chars > kSelectionLimit ? SendCheck::selection_too_long : SendCheck::ok;
  return chars > kLatinPaneLimit ? SendCheck::text_too_long : SendCheck::ok;
}

const char* send_check_message(SendCheck check) {
  switch (check) {
    case SendCheck::selection_too_long: return kSelectionTooLong;
    case SendCheck::text_too_long: return kLatinTooLong;
    case SendCheck::ok: break;
  }
  return "";
}

bool is_single_word(std::string_view selection) {
  int words = 0;
  bool in_word = false;
  for (char c : selection) {
    const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
    if (!blank && !in_word) ++words;
    in_word = !blank;
  }
  return words == 1;
}

}  // namespace kelvo::shell
