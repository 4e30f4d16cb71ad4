// The data builder's word on the tables it wrote and checked: for each file
// its size and a checksum of its bytes, in tablesums.dat beside them. A table
// whose file still has that size and checksum is the one the builder checked
// (sorted, codes in range, indexes inside their tables), so the loader skips
// those checks for it; any other file (edited, truncated, from an older
// builder, or no sums at all) is checked in full at load, as before.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "grammar/checked_tables.h"

namespace kelvo::grammar {

inline constexpr const char* kTableSumsFile = "tablesums.dat";
// Raised whenever a record layout or a check of the loader changes, so that
// sums written by an older builder vouch for nothing.
inline constexpr int kTableSumsVersion = 1;

struct TableSum {
  std::string file;
  std::uint64_t size = 0;
  std::uint64_t sum = 0;
};

// An order-sensitive checksum of a file's bytes, fast enough to run on every
// table at every start (about ten bytes a cycle): four running sums and four
// sums of those, so a moved or changed record changes it.
std::uint64_t table_checksum(std::span<const std::byte> bytes);

// The text of tablesums.dat for these tables.
std::string table_sums_text(const std::vector<TableSum>& sums);

// Reads tablesums.dat from `text`; empty when it is not a sums file of this
// version (then every table is checked in full).
std::vector<TableSum> parse_table_sums(std::string_view text);

class TableSums {
 public:
  TableSums() = default;
  explicit TableSums(std::vector<TableSum> sums) : sums_(std::move(sums)) {}
  // Reads `dir`/tablesums.dat; absent or unreadable gives no sums.
  static TableSums read(const std::string& dir);

  // Whether `file` has the size the builder wrote.
  bool size_matches(std::string_view file, std::size_t size) const;
  // Whether `bytes` are exactly what the builder wrote as `file`.
  bool vouches(std::string_view file, std::span<const std::byte> bytes) const;
  // The same for the mapped file at `path` (a full path), asking `checked`
  // (when given) first by the file's stamp and telling it of a file found right.
  bool vouches(std::string_view file, const std::string& path, const MappedFile& mapped,
               CheckedTables* checked) const;

 private:
  const TableSum* find(std::string_view file) const;
  std::vector<TableSum> sums_;
};

}  // namespace kelvo::grammar
