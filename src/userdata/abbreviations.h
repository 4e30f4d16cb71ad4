// The user's abbreviations (UserAbbreviations.txt): "abbreviation<TAB>expansion"
// lines, expanded in the input before it is split into sentences.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/host.h"
#include "base/parse_log.h"
#include "userdata/rejected_line.h"

namespace kelvo::userdata {

inline constexpr const char* kAbbreviationsFile = "UserAbbreviations.txt";
inline constexpr std::size_t kMaxAbbreviations = 100;
inline constexpr std::size_t kMaxAbbreviationLength = 9;
inline constexpr std::size_t kMaxExpansionLength = 23;
// How far from the line start an expansion may reach.
inline constexpr std::size_t kExpandedLineLimit = 5'500;

inline constexpr const char* kAbbreviationsLoading = "Loading user-defined abbreviations...";
inline constexpr const char* kAbbreviationRejectedFormat = "Rejected user line '%s' owing to error.\n";
inline constexpr const char* kAbbreviationsFullFormat =
    "Abbreviations - Exceeded max. no. of entries.\nLast line was %s\n";
inline constexpr const char* kAbbreviationsDoneFormat = "Done. Added %d abbreviations.\n";

struct AbbreviationRecord {
  char abbreviation[10];
  char expansion[24];
  std::int16_t length;
};

struct AbbreviationTable {
  std::vector<AbbreviationRecord> records;  // file order, at most kMaxAbbreviations
  std::vector<RejectedLine> rejected;       // the bad lines, for the user to see
  bool empty() const { return records.empty(); }
};

// Reads the file at `path`. A missing file gives an empty table and no message;
// bad lines are logged and skipped; a full table stops the load with a warning.
AbbreviationTable load_abbreviations(const std::string& path, ParseLog& log,
                                     WarningGate& warnings);

// Parses the text of an abbreviations file (the loader's work without the file).
AbbreviationTable parse_abbreviations(std::string_view text, ParseLog& log,
                                      WarningGate& warnings);

// Expands the abbreviations in one input line.
void expand_abbreviations(std::string& line, const AbbreviationTable& table);

}  // namespace kelvo::userdata
