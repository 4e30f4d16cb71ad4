#include "userdata/abbreviations.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "base/text.h"

namespace kelvo::userdata {

namespace {

bool is_separator(char c) { return c == '\n' || c == ' ' || c == ','; }

}  // namespace

AbbreviationTable parse_abbreviations(std::string_view text, ParseLog& log,
                                      WarningGate& warnings) {
  AbbreviationTable table;
  log.write(kAbbreviationsLoading);
  std::size_t pos = 0;
  int line_number = 0;
  while (pos < text.size()) {
    ++line_number;
    std::size_t end = text.find('\n', pos);
    std::string_view line = text.substr(pos, end == std::string_view::npos ? text.npos : end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.substr(0, 2) == "--") continue;
    if (line.empty() || (static_cast<unsigned char>(line[0]) & 0x40) == 0) continue;
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab > kMaxAbbreviationLength ||
        line.size() - tab - 1 > kMaxExpansionLength) {
      log.printf(kAbbreviationRejectedFormat, std::string(line).c_str());
      table.rejected.push_back(
          {"", line_number, std::string(line),
           tab == std::string_view::npos
               ? "no tab between the abbreviation and its expansion"
               : "an abbreviation of more than " + std::to_string(kMaxAbbreviationLength) +
                     " or an expansion of more than " + std::to_string(kMaxExpansionLength) +
                     " characters"});
      continue;
    }
    AbbreviationRecord r{};
    set_field(r.abbreviation, line.substr(0, tab));
    set_field(r.expansion, line.substr(tab + 1));
    r.length = static_cast<std::int16_t>(tab);
    table.records.push_back(r);
    if (table.records.size() == kMaxAbbreviations) {
      char msg[256];
      std::snprintf(msg, sizeof msg, kAbbreviationsFullFormat, std::string(line).c_str());
      warnings.warn(msg);
      log.write(msg);
      break;
    }
  }
  log.printf(kAbbreviationsDoneFormat, static_cast<int>(table.records.size()));
  return table;
}

AbbreviationTable load_abbreviations(const std::string& path, ParseLog& log,
                                     WarningGate& warnings) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) {
    log.write("FGETS error.\n");
    return {};
  }
  AbbreviationTable table = parse_abbreviations(ss.str(), log, warnings);
  for (auto& r : table.rejected) r.file = path;
  return table;
}

void expand_abbreviations(std::string& line, const AbbreviationTable& table) {
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && is_separator(line[i])) ++i;
    std::size_t start = i;
    while (i < line.size() && !is_separator(line[i])) ++i;
    std::size_t len = i - start;
    if (len == 0) break;
    std::string_view token(line.data() + start, len);
    if (token.find('.') == std::string_view::npos) continue;
    const AbbreviationRecord* found = nullptr;
    for (const auto& r : table.records) {
      std::string_view abbr = field_view(r.abbreviation);
      if (!abbr.empty() && token.substr(0, abbr.size()) == abbr) {
        found = &r;
        break;
      }
    }
    if (found && static_cast<std::size_t>(found->length) == len) {
      std::string_view exp = field_view(found->expansion);
      line.replace(start, len, exp);
      i = start + exp.size();
      if (i > kExpandedLineLimit) return;
      continue;
    }
    if (start > 0 && line[start - 1] == ' ' && len == 2 && is_ascii_lower(token[0]) &&
        token[1] == '.') {
      line[start + 1] = '_';
    }
  }
}

}  // namespace kelvo::userdata
