// Reads a user text file in pieces of bounded length, as the loaders need:
// a line longer than the limit comes back as several pieces.
#pragma once
#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "userdata/rejected_line.h"

namespace kelvo::userdata {

class LineReader {
 public:
  enum class Next { piece, end, error };

  // Takes ownership of an open file.
  LineReader(std::FILE* file, std::size_t max_piece) : file_(file), max_(max_piece) {}
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next piece without its line end ("\n" or "\r\n"). `line_number` is
  // the number (from 1) of the line on which the piece begins.
  Next next(std::string& piece);
  int line_number() const { return piece_line_; }
  // Whether the last piece ended its line (false for a cut piece and for a
  // last line without a line end).
  bool ended_line() const { return ended_line_; }

 private:
  // Reads the next block; false at the end or on an error (failed_).
  bool refill();
  // The next byte, or EOF at the end (or after a read error: see failed_).
  int get();
  void unget() { --at_; }  // only right after a get() that returned a byte

  std::FILE* file_;
  std::size_t max_;
  // The file is read a block at a time: a user file's loaders read every
  // byte. Only [at_, filled_) is ever read, so it is not cleared first.
  std::array<char, 8192> buffer_;
  std::size_t at_ = 0, filled_ = 0;
  bool failed_ = false;
  int line_ = 1;
  int piece_line_ = 0;
  bool ended_line_ = false;
  bool bom_checked_ = false;
};

// A line longer than the reader's piece is read as its first piece; the rest
// is left out, said once as a rejected line, and never read as lines of its own.
class LongLines {
 public:
  // True when `piece` (just read) is the rest of a line already begun.
  bool skip(const LineReader& reader, const std::string& piece, const std::string& path,
            std::size_t piece_limit, std::vector<RejectedLine>& rejected);

 private:
  bool continuing_ = false;
  bool said_ = false;
};

}  // namespace kelvo::userdata
