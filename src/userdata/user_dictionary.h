// The user's own dictionary: Userfile.txt and, when the user confirms,
// PlinyUserfile.txt, turned into stem records beside the main dictionary.
#pragma once
#include <bitset>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/host.h"
#include "base/parse_log.h"
#include "grammar/records.h"
#include "userdata/rejected_line.h"

namespace kelvo::userdata {

inline constexpr const char* kUserFile = "Userfile.txt";
inline constexpr const char* kPlinyUserFile = "PlinyUserfile.txt";

// Accepted lines over both files together.
inline constexpr int kMaxUserLines = 2'000;
// Analyses refer to a user meaning by its index plus this offset.
inline constexpr int kUserMeaningOffset = 1'000'000;
// A line is read in pieces of at most this many characters.
inline constexpr std::size_t kUserLinePiece = 175;
// Each of the three fields is cut at this length.
inline constexpr std::size_t kUserFieldMax = 78;
// Longest Latin stem or grammar word.
inline constexpr std::size_t kUserWordMax = 23;
// Words per field.
inline constexpr int kUserMaxWords = 5;

enum class UserSource { userfile, pliny };

struct UserLineResult {
  bool accepted = false;
  std::string reason;  // the message that refused the line
  std::vector<grammar::DictEntry> stems;
  grammar::MeaningLine meaning{};
};

// Turns one line (without its line end) into stem records that all refer to
// `meaning_index`, and its meaning line. Messages are shown through the gate
// and written to the log; the caller logs the rejection itself.
UserLineResult parse_user_line(std::string_view line, UserSource source, int meaning_index,
                               ParseLog& log, WarningGate& gate);

// Sorts stem records by stem text in unsigned byte order.
void sort_user_stems(std::span<grammar::DictEntry> stems);

class UserDictionary {
 public:
  // Reads Userfile.txt and then, if present and the host says Yes,
  // PlinyUserfile.txt from `folder`, sorts the stems and returns their number.
  int load(const std::string& folder, ParseLog& log, WarningGate& gate);

  std::span<const grammar::DictEntry> stems() const { return stems_; }
  std::span<const grammar::MeaningLine> meanings() const { return meanings_; }
  // All stem records whose text equals `stem` (bisection).
  std::span<const grammar::DictEntry> find(std::string_view stem) const;
  // Meaning by index, plain or with the user offset added; nullptr when out of range.
  const grammar::MeaningLine* meaning(int index) const;

  int userfile_lines() const { return userfile_lines_; }
  int pliny_lines() const { return pliny_lines_; }
  bool limit_reached() const { return limit_reached_; }
  const std::string& userfile_path() const { return userfile_path_; }
  const std::vector<RejectedLine>& rejected() const { return rejected_; }

 private:
  enum class FileEnd { done, limit, error };
  FileEnd read_file(const std::string& path, UserSource source, ParseLog& log,
                    WarningGate& gate);

  std::vector<grammar::DictEntry> stems_;
  // The first bytes of the stems, as a set: most splits of most words begin
  // with none of them and are answered without a search.
  std::bitset<256> first_bytes_;
  std::vector<grammar::MeaningLine> meanings_;
  int userfile_lines_ = 0;
  int pliny_lines_ = 0;
  bool limit_reached_ = false;
  std::string userfile_path_;
  std::vector<RejectedLine> rejected_;
};

}  // namespace kelvo::userdata
