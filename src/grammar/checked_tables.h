// The tables that a start on this machine read through and found as the data
// builder wrote them, remembered by their files' stamps in the user's folder.
// A table whose file has the same stamp, and whose builder's sum is the same,
// is not read through again at the next start: the checksums of the
// dictionary and the phonetic table were a fifth of a start, most of it the
// kernel mapping six megabytes of pages that a short text never reads.
// No memory, or an unreadable or malformed one, costs only the checksums.
#pragma once
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
  // A file changed less than this long ago is not remembered: a second change
  // within one tick of its file system's clock (a second on some) would leave
  // its stamp as it was.
  static constexpr std::int64_t kSettledNs = 2'000'000'000;

  // Remembers nothing and keeps nothing.
  CheckedTables() = default;
  // Reads the memory kept at `path`; absent or malformed, it starts empty
  // and is written there when a table is found right.
  static CheckedTables read(std::string path);

  // Whether `file` (a full path) was found right with this stamp against
  // the builder's sum `sum`.
  bool knows(std::string_view file, const FileStamp& stamp, std::uint64_t sum) const;
  // Remembers `file` as found right, unless it changed within kSettledNs of
  // `now_ns` (the time of day in nanoseconds; by default the clock's).
  void add(std::string_view file, const FileStamp& stamp, std::uint64_t sum,
           std::int64_t now_ns = clock_ns());

  static std::int64_t clock_ns();

  // Writes the memory back when something was added: to a temporary name,
  // then renamed over the old one. A failure (no such folder, a read-only
  // one) is let be: the memory only saves time.
  void save() const;

  // The memory's text, as save() writes it.
  std::string text() const;

 private:
  struct Entry {
    std::string file;
    FileStamp stamp;
    std::uint64_t sum = 0;
  };
  std::string path_;
  std::vector<Entry> entries_;
  bool added_ = false;
};

}  // namespace kelvo::grammar
