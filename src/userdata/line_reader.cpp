#include "userdata/line_reader.h"

#include <algorithm>
#include <cstring>

namespace kelvo::userdata {

LineReader::~LineReader() {
  if (file_) std::fclose(file_);
}

bool LineReader::refill() {
  if (failed_ || std::feof(file_)) return false;
  filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  at_ = 0;
  if (filled_ == 0) failed_ = std::ferror(file_) != 0;
  return filled_ > 0;
}

int LineReader::get() {
  if (at_ == filled_ && !refill()) return EOF;
  return static_cast<unsigned char>(buffer_[at_++]);
}

LineReader::Next LineReader::next(std::string& piece) {
  piece.clear();
  ended_line_ = false;
  piece_line_ = line_;
  if (!file_) return Next::error;
  if (line_ == 1 && !bom_checked_) {
    // Editors often start a UTF-8 file with a byte-order mark; it is not text.
    bom_checked_ = true;
    get();
    if (failed_) return Next::error;
    const bool bom = filled_ >= 3 && static_cast<unsigned char>(buffer_[0]) == 0xEF &&
                     static_cast<unsigned char>(buffer_[1]) == 0xBB &&
                     static_cast<unsigned char>(buffer_[2]) == 0xBF;
    at_ = bom ? 3 : 0;
  }
  while (piece.size() < max_) {
    if (at_ == filled_ && !refill()) {
      if (failed_) return Next::error;
      return piece.empty() ? Next::end : Next::piece;
    }
    // Up to the line end, or as much of the line as the piece has room for.
    const char* from = buffer_.data() + at_;
    const std::size_t span = std::min(filled_ - at_, max_ - piece.size());
    const auto* end = static_cast<const char*>(std::memchr(from, '\n', span));
    if (end) {
      piece.append(from, static_cast<std::size_t>(end - from));
      at_ += static_cast<std::size_t>(end - from) + 1;
      if (!piece.empty() && piece.back() == '\r') piece.pop_back();
      ended_line_ = true;
      ++line_;
      return Next::piece;
    }
    piece.append(from, span);
    at_ += span;
  }
  // A full piece: a line end right after it still belongs to this piece, so
  // that a line of exactly the limit is not followed by an empty one.
  int c = get();
  if (c == '\n') {
    if (piece.back() == '\r') piece.pop_back();
    ended_line_ = true;
    ++line_;
  } else if (c != EOF) {
    unget();
  }
  return Next::piece;
}

bool LongLines::skip(const LineReader& reader, const std::string& piece, const std::string& path,
                     std::size_t piece_limit, std::vector<RejectedLine>& rejected) {
  const bool rest = continuing_;
  continuing_ = !reader.ended_line();
  if (!rest) return false;
  if (!said_ && piece.find_first_not_of(" \t\r") != std::string::npos) {
    rejected.push_back({path, reader.line_number(), piece,
                        "the line is longer than " + std::to_string(piece_limit) +
                            " characters: the rest of it is not read"});
    said_ = true;
  }
  if (!continuing_) said_ = false;
  return true;
}

}  // namespace kelvo::userdata
