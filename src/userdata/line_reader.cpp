#include "userdata/line_reader.h"

namespace kelvo::userdata {

LineReader::~LineReader() {
  if (file_) std::fclose(file_);
}

LineReader::Next LineReader::next(std::string& piece) {
  piece.clear();
  ended_line_ = false;
  piece_line_ = line_;
  if (!file_) return Next::error;
  if (line_ == 1 && !bom_checked_) {
    // Editors often start a UTF-8 file with a byte-order mark; it is not text.
    bom_checked_ = true;
    unsigned char bom[3];
    std::size_t n = std::fread(bom, 1, 3, file_);
    if (!(n == 3 && bom[0] == 0xEF && bom[1] == 0xBB && bom[2] == 0xBF)) {
      if (std::ferror(file_)) return Next::error;
      std::rewind(file_);
    }
  }
  while (piece.size() < max_) {
    int c = std::fgetc(file_);
    if (c == EOF) {
      if (std::ferror(file_)) return Next::error;
      return piece.empty() ? Next::end : Next::piece;
    }
    if (c == '\n') {
      if (!piece.empty() && piece.back() == '\r') piece.pop_back();
      ended_line_ = true;
      ++line_;
      return Next::piece;
    }
    piece.push_back(static_cast<char>(c));
  }
  // A full piece: a line end right after it still belongs to this piece, so
  // that a line of exactly the limit is not followed by an empty one.
  int c = std::fgetc(file_);
  if (c == '\n') {
    if (piece.back() == '\r') piece.pop_back();
    ended_line_ = true;
    ++line_;
  } else if (c != EOF) {
    std::ungetc(c, file_);
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
