#include "text/input_text.h"

#include <cstring>
#include <memory>

#include "text/byte_scan.h"

namespace kelvo::text {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Windows-1252 bytes 0x80-0x9F by code point.
struct CpByte {
  char32_t cp;
  unsigned char byte;
};
constexpr CpByte kCp1252High[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
    {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
    {0x2039, 0x8B}, {0x017D, 0x8E}, {0x2022, 0x95}, {0x02DC, 0x98}, {0x2122, 0x99},
    {0x0161, 0x9A}, {0x203A, 0x9B}, {0x017E, 0x9E}};

// Plain letter of a letter with a macron, breve or diaeresis, else 0.
char folded_letter(char32_t cp) {
  switch (cp) {
    case 0xC4: return 'A';
    case 0xCB: return 'E';
    case 0xCF: return 'I';
    case 0xD6: return 'O';
    case 0xDC: return 'U';
    case 0xE4: return 'a';
    case 0xEB: return 'e';
    case 0xEF: return 'i';
    case 0xF6: return 'o';
    case 0xFC: return 'u';
    case 0xFF: return 'y';
    case 0x178: return 'Y';
    case 0x232: return 'Y';
    case 0x233: return 'y';
    default: break;
  }
  // Latin Extended-A: pairs of capital and small with macron, then with breve.
  struct Range {
    char32_t first;
    char upper;
  };
  static constexpr Range kPairs[] = {{0x100, 'A'}, {0x102, 'A'}, {0x112, 'E'}, {0x114, 'E'},
                                     {0x12A, 'I'}, {0x12C, 'I'}, {0x14C, 'O'}, {0x14E, 'O'},
                                     {0x16A, 'U'}, {0x16C, 'U'}};
  for (const auto& r : kPairs) {
    if (cp == r.first) return r.upper;
    if (cp == r.first + 1) return static_cast<char>(r.upper + 32);
  }
  // u with diaeresis and a further mark (U+01D5..U+01DC).
  if (cp >= 0x1D5 && cp <= 0x1DC) return (cp % 2 == 1) ? 'U' : 'u';
  return 0;
}

void append_code_point(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
    return;
  }
  if (char f = folded_letter(cp)) {
    out.push_back(f);
    return;
  }
  switch (cp) {
    case 0xE6: out.append("ae"); return;
    case 0xC6: out.append("Ae"); return;
    case 0x153: out.append("oe"); return;
    case 0x152: out.append("Oe"); return;
    case 0x2018: case 0x2019: case 0x201B: case 0x2032: out.push_back('\''); return;
    case 0x201C: case 0x201D: case 0x201F: case 0x2033: out.push_back('"'); return;
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: case 0x2015: case 0x2212:
      out.push_back('-');
      return;
    default: break;
  }
  if (cp >= 0xA0 && cp <= 0xFF) {
    out.push_back(static_cast<char>(static_cast<unsigned char>(cp)));
    return;
  }
  for (const auto& e : kCp1252High) {
    if (e.cp == cp) {
      out.push_back(static_cast<char>(e.byte));
      return;
    }
  }
  // Anything else (combining marks, other scripts) has no 8-bit form: dropped.
}

// Length of a valid UTF-8 sequence at s[i], or 0.
std::size_t utf8_sequence(std::string_view s, std::size_t i, char32_t& cp) {
  auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = b(i);
  std::size_t n;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    cp = c & 0x0F;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    cp = c & 0x07;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    unsigned char d = b(i + k);
    if (d < (k == 1 ? lo : 0x80) || d > (k == 1 ? hi : 0xBF)) return 0;
    cp = (cp << 6) | (d & 0x3F);
  }
  return n;
}

}  // namespace

void EncodingDetector::feed(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (invalid_) {  // only a NUL can still change the verdict
      nul_ = nul_ || std::memchr(bytes.data() + i, 0, bytes.size() - i) != nullptr;
      return;
    }
    if (pending_ == 0) {  // plain ASCII changes nothing: skip it in blocks
      i = skip_ascii(bytes, i);
      if (i == bytes.size()) return;
    }
    auto c = static_cast<unsigned char>(bytes[i]);
    if (c == 0) nul_ = true;
    if (pending_ > 0) {
      if (c < lo_ || c > hi_) {
        invalid_ = true;
        continue;
      }
      lo_ = 0x80;
      hi_ = 0xBF;
      --pending_;
      continue;
    }
    if (c < 0x80) continue;
    multibyte_ = true;
    lo_ = 0x80;
    hi_ = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      pending_ = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      pending_ = 2;
      if (c == 0xE0) lo_ = 0xA0;
      if (c == 0xED) hi_ = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      pending_ = 3;
      if (c == 0xF0) lo_ = 0x90;
      if (c == 0xF4) hi_ = 0x8F;
    } else {
      invalid_ = true;
    }
  }
}

TextEncoding EncodingDetector::encoding() const {
  return (!invalid_ && pending_ == 0 && multibyte_) ? TextEncoding::utf8
                                                    : TextEncoding::windows1252;
}

Result<TextEncoding> detect_file_encoding(const std::string& path) {
  std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
  if (!f) return make_error(ErrorKind::io, "Cannot open file " + path + ".\n");
  EncodingDetector d;
  std::string buf(1 << 16, '\0');
  while (true) {
    std::size_t n = std::fread(buf.data(), 1, buf.size(), f.get());
    if (n > 0) d.feed(std::string_view(buf.data(), n));
    if (d.has_nul()) break;
    if (n < buf.size()) break;
  }
  if (std::ferror(f.get())) return make_error(ErrorKind::io, "Cannot read file " + path + ".\n");
  if (d.has_nul()) {
    char msg[1200];
    std::snprintf(msg, sizeof msg, kNotTextFormat, path.c_str());
    return make_error(ErrorKind::corrupt, msg);
  }
  return d.encoding();
}

void decode_append(std::string_view raw, TextEncoding encoding, std::string& out) {
  if (encoding == TextEncoding::windows1252) {
    out.append(raw);
    return;
  }
  std::size_t i = 0;
  while (i < raw.size()) {
    // Runs of ASCII are copied whole (a NUL ends a run and is kept below).
    std::size_t j = skip_ascii(raw, i);
    out.append(raw.substr(i, j - i));
    i = j;
    if (i >= raw.size()) break;
    char32_t cp = 0;
    std::size_t n = utf8_sequence(raw, i, cp);
    if (n == 0) {  // not expected in a file found valid; keep the byte
      out.push_back(raw[i]);
      ++i;
      continue;
    }
    if (cp != 0xFEFF) append_code_point(cp, out);
    i += n;
  }
}

void append_windows1252_as_utf8(std::string_view text, std::string& out) {
  // Code points of 0x80-0x9F; 0 where the code page defines none.
  static constexpr char16_t kC1[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  for (std::size_t i = 0; i < text.size(); ++i) {
    // ASCII, nearly all of any Latin text, is copied a run at a time.
    std::size_t run = i;
    while (run < text.size() && static_cast<unsigned char>(text[run]) < 0x80) ++run;
    if (run > i) {
      out.append(text.data() + i, run - i);
      i = run;
      if (i == text.size()) break;
    }
    const auto c = static_cast<unsigned char>(text[i]);
    char32_t cp = c;
    if (c >= 0x80 && c < 0xA0) cp = kC1[c - 0x80] ? kC1[c - 0x80] : U'?';
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
}

std::string windows1252_to_utf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  append_windows1252_as_utf8(text, out);
  return out;
}

Result<std::string> decode_text(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  EncodingDetector d;
  d.feed(bytes);
  if (d.has_nul()) return make_error(ErrorKind::corrupt, "The text holds NUL bytes.\n");
  std::string out;
  out.reserve(bytes.size());
  decode_append(bytes, d.encoding(), out);
  return out;
}

bool LineReader::fill() {
  if (eof_) return false;
  if (pos_ > 0) {
    buffer_.erase(0, pos_);
    pos_ = 0;
  }
  std::size_t old = buffer_.size();
  buffer_.resize(old + (1 << 16));
  std::size_t n = std::fread(buffer_.data() + old, 1, 1 << 16, file_);
  buffer_.resize(old + n);
  if (n == 0) {
    eof_ = true;
    if (std::ferror(file_)) error_ = true;
    return false;
  }
  return true;
}

bool LineReader::next(std::string& raw, std::size_t max_bytes) {
  raw.clear();
  while (true) {
    const std::string_view rest = available();
    std::size_t avail = rest.size();
    std::size_t limit = avail < max_bytes ? avail : max_bytes;
    const char* start = rest.data();
    const void* nl = std::memchr(start, '\n', limit);
    if (nl) {
      std::size_t n = static_cast<std::size_t>(static_cast<const char*>(nl) - start) + 1;
      raw.assign(start, n);
      pos_ += n;
      return true;
    }
    if (avail > max_bytes) {
      std::size_t n = max_bytes;
      if (encoding_ == TextEncoding::utf8) {
        // Step back to the start of a sequence cut by the limit.
        std::size_t k = n;
        while (k > 0 && (static_cast<unsigned char>(start[k]) & 0xC0) == 0x80) --k;
        if (k > 0) n = k;
      }
      raw.assign(start, n);
      pos_ += n;
      return true;
    }
    if (!fill()) {
      if (avail > 0) {
        raw.assign(start, avail);
        pos_ += avail;
        return true;
      }
      return false;
    }
  }
}

}  // namespace kelvo::text
