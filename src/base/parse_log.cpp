#include "base/parse_log.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

namespace kelvo {

ParseLog::~ParseLog() { close(); }

static Status open_with(std::FILE*& f, const std::string& path, const char* mode) {
  f = std::fopen(path.c_str(), mode);
  if (!f) {
    return make_error(ErrorKind::io, "Cannot open " + path + ": " + std::strerror(errno));
  }
  return Status::ok();
}

Status ParseLog::open_file(const std::string& path) {
  close();
  return open_with(file_, path, "wb");
}

Status ParseLog::append_file(const std::string& path) {
  close();
  return open_with(file_, path, "ab");
}

void ParseLog::open_memory() {
  close();
  memory_ = true;
  buffer_.clear();
}

void ParseLog::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  memory_ = false;
}

void ParseLog::write(std::string_view text) {
  if (file_) {
    std::fwrite(text.data(), 1, text.size(), file_);
  } else if (memory_) {
    buffer_.append(text);
  }
}

void ParseLog::printf(const char* fmt, ...) {
  if (!is_open()) return;
  char small[1024];
  va_list ap;
  va_start(ap, fmt);
  va_list ap2;
  va_copy(ap2, ap);
  int n = std::vsnprintf(small, sizeof small, fmt, ap);
  va_end(ap);
  if (n < 0) {
    va_end(ap2);
    return;
  }
  if (static_cast<std::size_t>(n) < sizeof small) {
    write(std::string_view(small, static_cast<std::size_t>(n)));
  } else {
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(big.data(), big.size(), fmt, ap2);
    big.resize(static_cast<std::size_t>(n));
    write(big);
  }
  va_end(ap2);
}

void ParseLog::flush() {
  if (file_) std::fflush(file_);
}

}  // namespace kelvo
