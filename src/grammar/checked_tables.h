// The tables that a start on this machine read through and found as the data
// builder wrote them, noted by their files' stamps (the engine keeps the note
// in the user's folder). A table whose file has the same stamp, and whose
// builder's sum is the same, is not read through again at the next start:
// the checksums of the dictionary and the phonetic table were a fifth of a
// start, most of it the kernel mapping six megabytes of pages that a short
// text never reads. No note, or a malformed one, costs only the checksums.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/mapped_file.h"

namespace kelvo::grammar {

inline constexpr const char* kCheckedTablesFile = "checkedtables.txt";

class CheckedTables {
 public:
  // Past this many files the oldest are forgotten (several data folders).
  static constexpr std::size_t kMaxFiles = 64;
  // A note of 64 files is a few kilobytes; anything much larger is not one.
  static constexpr std::size_t kMaxBytes = std::size_t{64} * 1024;
  // A file changed less than this long ago is not noted: a second change
  // within one tick of its file system's clock (a second on some) would leave
  // its stamp as it was.
  static constexpr std::int64_t kSettledNs = 2'000'000'000;

  CheckedTables() = default;
  // A note as text() writes it; anything else (another version, a damaged
  // line, more than kMaxBytes) gives an empty note, trusted in nothing.
  static CheckedTables parse(std::string_view text);
  std::string text() const;

  // Whether `file` (a full path) was found right with this stamp against
  // the builder's sum `sum`.
  bool knows(std::string_view file, const FileStamp& stamp, std::uint64_t sum) const;
  // Notes `file` as found right, unless it changed within kSettledNs of
  // `now_ns` (the time of day in nanoseconds; by default the clock's).
  void add(std::string_view file, const FileStamp& stamp, std::uint64_t sum,
           std::int64_t now_ns = clock_ns());
  // Whether add() noted anything since the note was made or parsed.
  bool added() const { return added_; }

  static std::int64_t clock_ns();

 private:
  struct Entry {
    std::string file;
    FileStamp stamp;
    std::uint64_t sum = 0;
  };
  std::vector<Entry> entries_;
  bool added_ = false;
};

}  // namespace kelvo::grammar
