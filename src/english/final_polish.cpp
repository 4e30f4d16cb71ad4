#include "english/final_polish.h"

#include "base/text.h"

namespace kelvo::english {

using grammar::FinalPolishRecord;

namespace {

bool ends_match(char c) { return c == ' ' || c == '\n' || c == '.' || c == ','; }

// The record's text stands at `at`, the word's first letter compared in
// lower case.
bool matches_at(const FinalPolishRecord& r, const std::string& text, std::size_t at) {
  const std::string_view m = field_view(r.match).substr(0, r.match_length);
  if (m.empty() || at + m.size() >= text.size()) return false;
  if (ascii_lower(text[at]) != m[0]) return false;
  if (std::string_view(text).substr(at + 1, m.size() - 1) != m.substr(1)) return false;
  return ends_match(text[at + m.size()]);
}

}  // namespace

void final_polish(std::span<const FinalPolishRecord> table, std::string& text) {
  if (table.empty()) return;
  std::size_t at = 0;
  while (at < text.size() && text[at] != '\n') {
    const bool capital = is_ascii_upper(text[at]);
    const char first = ascii_lower(text[at]);
    std::size_t resume = at;
    for (const FinalPolishRecord& r : table) {
      const char key = ascii_lower(r.match[0]);
      if (static_cast<unsigned char>(key) < static_cast<unsigned char>(first)) continue;
      if (key != first) break;
      if (!matches_at(r, text, at)) continue;
      const std::string_view repl = field_view(r.replacement).substr(0, r.replacement_length);
      text.replace(at, r.match_length, repl);
      if (repl.size() == r.match_length) continue;
      resume = at + repl.size();
      break;
    }
    if (capital && at < text.size() && is_ascii_lower(text[at])) text[at] = ascii_upper(text[at]);
    const std::size_t space = text.find_first_of(" \n", resume);
    if (space == std::string::npos || text[space] == '\n') break;
    at = space + 1;
  }
}

}  // namespace kelvo::english
