#include "base/mapped_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvo {

MappedFile::~MappedFile() {
  if (data_) ::munmap(const_cast<std::byte*>(data_), size_);
}

MappedFile::MappedFile(MappedFile&& o) noexcept
    : data_(o.data_), size_(o.size_), stamp_(o.stamp_) {
  o.data_ = nullptr;
  o.size_ = 0;
}

MappedFile& MappedFile::operator=(MappedFile&& o) noexcept {
  if (this != &o) {
    if (data_) ::munmap(const_cast<std::byte*>(data_), size_);
    data_ = o.data_;
    size_ = o.size_;
    stamp_ = o.stamp_;
    o.data_ = nullptr;
    o.size_ = 0;
  }
  return *this;
}

Result<MappedFile> MappedFile::open(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    ErrorKind kind = errno == ENOENT ? ErrorKind::missing : ErrorKind::io;
    return make_error(kind, path + ": " + std::strerror(errno));
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return make_error(ErrorKind::io, path + ": not a readable file");
  }
  MappedFile m;
  m.size_ = static_cast<std::size_t>(st.st_size);
  auto ns = [](const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
  };
  m.stamp_ = FileStamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                       static_cast<std::uint64_t>(st.st_size), ns(st.st_mtim), ns(st.st_ctim)};
  if (m.size_ > 0) {
    // Not populated: a run touches only parts of the larger tables, and the
    // pages it reads are mapped many at a time as it faults on them.
    void* p = ::mmap(nullptr, m.size_, PROT_READ, MAP_PRIVATE, fd, 0);
    if (p == MAP_FAILED) {
      int e = errno;
      ::close(fd);
      return make_error(ErrorKind::io, path + ": " + std::strerror(e));
    }
    m.data_ = static_cast<const std::byte*>(p);
  }
  ::close(fd);
  return m;
}

}  // namespace kelvo
