// A read-only view of a whole file, mapped into memory. The data tables are
// used in place: no copy, and the pages are shared with the page cache.
#pragma once
#include <cstddef>
#include <span>
#include <string>

#include "base/status.h"

namespace kelvo {

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

 private:
  const std::byte* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace kelvo
