// Input text to the 8-bit Latin the rest of the system reads. A file is taken
// as UTF-8 when it is valid UTF-8 and holds a multibyte sequence, otherwise as
// Windows-1252 bytes. A file holding NUL bytes is not text and is refused.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "base/status.h"

namespace kelvo::text {

enum class TextEncoding { windows1252, utf8 };

inline constexpr const char* kNotTextMessage = "The text holds NUL bytes: it is not Latin text.\n";
inline constexpr const char* kNotTextFormat = "File %s is not a text file (it holds NUL bytes).\n";

// Watches a byte stream fed in pieces of any size.
class EncodingDetector {
 public:
  void feed(std::string_view bytes);
  bool has_nul() const { return nul_; }
  // Call after the last piece.
  TextEncoding encoding() const;

 private:
  int pending_ = 0;        // continuation bytes still expected
  unsigned char lo_ = 0x80, hi_ = 0xBF;  // range of the next continuation byte
  bool invalid_ = false;
  bool multibyte_ = false;
  bool nul_ = false;
};

// Reads the whole file once to decide its encoding; an error when it cannot be
// read or holds NUL bytes.
Result<TextEncoding> detect_file_encoding(const std::string& path);

// Appends the 8-bit form of `raw` to `out`. UTF-8 letters with macrons, breves
// and diaereses lose them; ae/oe ligatures are spelt out; typographic quotes
// and dashes become ' " and -; other characters keep their Windows-1252 byte
// when they have one and are dropped otherwise.
void decode_append(std::string_view raw, TextEncoding encoding, std::string& out);

// The 8-bit text that the system reads, written as UTF-8 for output (bytes
// that Windows-1252 leaves undefined become '?').
std::string windows1252_to_utf8(std::string_view text);
void append_windows1252_as_utf8(std::string_view text, std::string& out);

// Decides the encoding of a whole text in memory and decodes it (a leading
// byte-order mark is dropped). An error when the text holds NUL bytes.
Result<std::string> decode_text(std::string_view bytes);

// Reads a file, or text held in memory, in lines of at most `max_bytes` bytes
// (the line end included), as fgets would, never cutting a UTF-8 sequence in two.
class LineReader {
 public:
  LineReader(std::FILE* file, TextEncoding encoding) : file_(file), encoding_(encoding) {}
  LineReader(std::string_view text, TextEncoding encoding)
      : file_(nullptr), encoding_(encoding), memory_(text), in_memory_(true), eof_(true) {}
  // False at end of file; `error()` tells a read error from the end.
  bool next(std::string& raw, std::size_t max_bytes);
  bool error() const { return error_; }

 private:
  bool fill();
  std::string_view available() const {
    return (in_memory_ ? memory_ : std::string_view(buffer_)).substr(pos_);
  }

  std::FILE* file_;
  TextEncoding encoding_;
  std::string_view memory_;
  bool in_memory_ = false;
  std::string buffer_;
  std::size_t pos_ = 0;
  bool eof_ = false;
  bool error_ = false;
};

}  // namespace kelvo::text
