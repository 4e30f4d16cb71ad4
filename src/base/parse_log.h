// The parse log (parser.txt): one open output at a time, appended to by the
// loaders, the run and the word report. It can also collect into memory (tests,
// single-word lookups) or discard everything when closed.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "base/status.h"

namespace kelvo {

class ParseLog {
 public:
  ParseLog() = default;
  ~ParseLog();
  ParseLog(const ParseLog&) = delete;
  ParseLog& operator=(const ParseLog&) = delete;

  // Creates (empties) the file and writes to it from now on.
  Status open_file(const std::string& path);
  // Appends to an existing file.
  Status append_file(const std::string& path);
  // Collects everything written into memory (see text()).
  void open_memory();
  void close();

  bool is_open() const { return file_ != nullptr || memory_; }
  void write(std::string_view text);
  void printf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
  void flush();

  const std::string& text() const { return buffer_; }
  void clear_text() { buffer_.clear(); }
  // What was collected, moved out (the log goes on collecting afresh).
  std::string take_text() { return std::exchange(buffer_, {}); }

 private:
  std::FILE* file_ = nullptr;
  bool memory_ = false;
  std::string buffer_;
};

}  // namespace kelvo
