// A read-only view of a whole file, mapped into memory. The data tables are
// used in place: no copy, and the pages are shared with the page cache.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/status.h"

namespace kelvo {

// What the file system says of a file when it was opened: the same device,
// inode, size and modification and change times mean the same bytes, short of
// a fault below the file system (an edit changes the change time, which no
// program can set back; a rewritten file is a new inode).
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modified_ns = 0;
  std::int64_t changed_ns = 0;
  bool operator==(const FileStamp&) const = default;
};

class MappedFile {
 public:
  MappedFile() = default;
  ~MappedFile();
  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // Maps the file; a missing file gives ErrorKind::missing.
  static Result<MappedFile> open(const std::string& path);

  std::span<const std::byte> bytes() const { return {data_, size_}; }
  std::size_t size() const { return size_; }
  const FileStamp& stamp() const { return stamp_; }

 private:
  const std::byte* data_ = nullptr;
  std::size_t size_ = 0;
  FileStamp stamp_;
};

}  // namespace kelvo
