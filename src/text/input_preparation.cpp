#include "text/input_preparation.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "text/byte_scan.h"
#include "text/input_text.h"
#include "base/text.h"

namespace kelvo::text {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Character classes by byte, for the per-character passes. kCopied marks the
// bytes the character pass copies unchanged whatever the options.
enum : std::uint16_t {
  kDelim = 1,
  kTrailing = 2,
  kTrailMark = 4,
  kSpacing = 8,
  kRoman3 = 16,
  kQuote = 32,
  kLetterOrDigit = 64,
  kCopied = 128,
};
constexpr std::array<std::uint16_t, 256> make_classes() {
  std::array<std::uint16_t, 256> t{};
  for (char c : std::string_view(kSentenceDelimiters)) t[static_cast<unsigned char>(c)] |= kDelim;
  for (char c : std::string_view(" \t\r\n,.;:")) t[static_cast<unsigned char>(c)] |= kTrailing;
  for (char c : std::string_view("\r\n,.;:")) t[static_cast<unsigned char>(c)] |= kTrailMark;
  for (char c : std::string_view(" !,.:;?")) t[static_cast<unsigned char>(c)] |= kSpacing;
  for (char c : std::string_view("IVX")) t[static_cast<unsigned char>(c)] |= kRoman3;
  t['"'] |= kQuote;
  t['\''] |= kQuote;
  for (int c = 0; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
      t[static_cast<std::size_t>(c)] |= kLetterOrDigit;
    if (c < 0x80 && std::string_view("\t\r\n-'\"`.,!").find(ch) == std::string_view::npos)
      t[static_cast<std::size_t>(c)] |= kCopied;
  }
  return t;
}
constexpr std::array<std::uint16_t, 256> kClasses = make_classes();
bool has_class(char c, std::uint16_t cls) {
  return (kClasses[static_cast<unsigned char>(c)] & cls) != 0;
}
bool is_delimiter(char c) { return has_class(c, kDelim); }
bool is_quote(char c) { return has_class(c, kQuote); }

std::size_t next_non_blank(std::string_view s, std::size_t i) {
  while (i < s.size() && s[i] == ' ') ++i;
  return i;
}

// Index of the first byte at or after `i` that the character pass must look
// at, or the end of `s`.
std::size_t next_uncopied(std::string_view s, std::size_t i) {
  while (i < s.size() && has_class(s[i], kCopied)) ++i;
  return i;
}

void bump(std::uint16_t& counter, std::size_t n) {
  std::size_t v = counter + n;
  counter = static_cast<std::uint16_t>(v > 0xFFFF ? 0xFFFF : v);
}

// Appends a sentence piece; Botany's hidden stops become stops again.
void append_piece(std::string_view piece, std::string& out) {
  const std::size_t at = out.size();
  out.append(piece);
  if (piece.find(kBotanyStopMarker) == std::string_view::npos) return;
  for (std::size_t i = at; i < out.size(); ++i)
    if (out[i] == kBotanyStopMarker) out[i] = '.';
}

// "re p.", "rem p.", "res p." and "rei p." (after a blank or at the line
// start) spelt out. One pass over the stops: these are the only places where
// a form can end.
void expand_re_publica(std::string& line) {
  for (std::size_t d = line.find('.'); d != std::string::npos; d = line.find('.', d + 1)) {
    // "p." after a blank, and before that "re" with one optional letter.
    if (d < 4 || line[d - 1] != 'p' || line[d - 2] != ' ') continue;
    std::size_t end = d - 2;  // end of the "re" form
    std::string_view ending;  // what "publica" takes for this form
    std::size_t start = end;
    switch (line[end - 1]) {
      case 'm': ending = "m"; start = end - 3; break;
      case 'i': ending = "e"; start = end - 3; break;
      case 's': start = end - 3; break;
      case 'e': start = end - 2; break;
      default: continue;
    }
    if (start > end || line.compare(start, 2, "re") != 0) continue;
    if (start > 0 && line[start - 1] != ' ') continue;
    std::string spelt = "publica";
    spelt.append(ending);
    line.replace(d - 1, 2, spelt);
    d += spelt.size() - 2;
  }
}

std::string message(const char* format, const std::string& arg) {
  std::string m(arg.size() + 256, '\0');
  int n = std::snprintf(m.data(), m.size(), format, arg.c_str());
  m.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return m;
}

}  // namespace

InputPreparation::InputPreparation(const TranslationOptions& options,
                                   const userdata::AbbreviationTable* abbreviations)
    : options_(options), abbreviations_(abbreviations) {}

void InputPreparation::reset() {
  persons_ = {};
  in_quotes_ = false;
  sentence_ended_ = false;
  word_seen_ = false;
  line_number_ = 0;
  next_line_ = 1;
  open_line_ = 0;
  sentence_lines_.clear();
}

// A piece of a sentence is about to be written: the first one says where the
// sentence begins.
void InputPreparation::open_sentence() {
  if (open_line_ == 0) open_line_ = line_number_;
}

void InputPreparation::close_sentence(std::string& out, std::string_view closing) {
  out.append(closing);
  sentence_lines_.push_back(open_line_ != 0 ? open_line_ : line_number_);
  open_line_ = 0;
}

void InputPreparation::count_persons(std::string_view line) {
  // Each blank may open " ego ", " tu ", " nos ", " uos ", " vos "; the blanks
  // are found eight bytes at a time.
  std::size_t ego = 0, tu = 0, nos = 0, vos = 0;
  auto count_at = [&](std::size_t p) {
    std::string_view rest = line.substr(p + 1);
    switch (rest[0]) {
      case 'e': ego += rest.substr(0, 4) == "ego "; break;
      case 't': tu += rest.substr(0, 3) == "tu "; break;
      case 'n': nos += rest.substr(0, 4) == "nos "; break;
      case 'u':
      case 'v': vos += rest.substr(1, 3) == "os "; break;
      default: break;
    }
  };
  if (line.size() < 4) return;
  const std::size_t last = line.size() - 4;  // the last blank that can open a word
  std::size_t p = 0;
  for (; p + 8 <= last + 1; p += 8) {
    for (std::uint64_t blanks = bytes_equal(load_bytes(line.data() + p), ' '); blanks != 0;
         blanks &= blanks - 1)
      count_at(p + first_marked(blanks));
  }
  for (; p <= last; ++p)
    if (line[p] == ' ') count_at(p);
  bump(persons_.ego, ego);
  bump(persons_.tu, tu);
  bump(persons_.nos, nos);
  bump(persons_.vos, vos);
}

// A line that ends in blanks or stops gets exactly one closing mark after its
// last word: the leftmost of the stops and line ends met, else ".".
void InputPreparation::mark_trailing_stop(std::string& line) const {
  if (line.size() >= kPreparationLineBuffer - 1) return;
  std::size_t i = line.size();
  char remembered = '.';
  bool moved = false;
  while (i > 0 && has_class(line[i - 1], kTrailing)) {
    if (has_class(line[i - 1], kTrailMark)) remembered = line[i - 1];
    --i;
    moved = true;
  }
  if (moved) line[i] = remembered;
}

// Blanks for tabs, line ends and dashes, plain quotes, ligatures spelt out,
// accents dropped, commas spaced. `o` is cleared first.
void InputPreparation::character_pass(std::string_view line, std::string& o) const {
  o.clear();
  int quotes = 0;
  const std::size_t n = line.size();
  for (std::size_t i = 0; i < n; ++i) {
    // Most bytes are copied as they are: whole runs of them at once.
    if (std::size_t j = next_uncopied(line, i); j != i) {
      o.append(line.substr(i, j - i));
      i = j;
      if (i == n) break;
    }
    const char c = line[i];
    const auto u = static_cast<unsigned char>(c);
    const bool has_next = i + 1 < n;
    const char next = has_next ? line[i + 1] : '\0';
    if (c == '\t' || c == '\r') {
      o.push_back(' ');
    } else if (u == 0x91 || u == 0x92 || c == '`') {
      o.push_back('\'');
    } else if (u == 0x93 || u == 0x94) {
      o.push_back('"');
    } else if (c == '\n') {
      // A line ending in a capitalised heading ends a sentence.
      o.push_back(o.size() >= 2 && is_ascii_upper(o[o.size() - 2]) ? '.' : ' ');
    } else if (c == '-') {
      bool keep = options_.botany && !o.empty() && is_ascii_digit(o.back()) && is_ascii_digit(next);
      o.push_back(keep ? '-' : ' ');
    } else if (options_.plautus && c == '\'' && (o.empty() || o.back() != ' ') &&
               (line.compare(i, 2, "'s") == 0 || line.compare(i, 4, "'que") == 0)) {
      o.push_back(c);
    } else if (c == '.' && next == ')') {
      o.append(").");
      ++i;
    } else if (is_quote(c)) {
      ++quotes;
      bool inside = !o.empty() && o.back() != ' ' && has_next && !has_class(next, kSpacing);
      if (inside && quotes % 2 == 1) {
        o.push_back(' ');
        o.push_back(c);
      } else if (inside) {
        o.push_back(c);
        o.push_back(' ');
      } else {
        o.push_back(c);
      }
    } else if (u >= 0x80) {
      switch (u) {
        case 0x8C: o.append("Oe"); break;
        case 0x9C: o.append("oe"); break;
        case 0xC6: o.append("Ae"); break;
        case 0xE6: o.append("ae"); break;
        case 0xE0: case 0xE1: case 0xE4: o.push_back('a'); break;
        case 0xE8: case 0xE9: case 0xEA: case 0xEB: o.push_back('e'); break;
        case 0xEC: case 0xED: case 0xEF: o.push_back('i'); break;
        case 0xF2: case 0xF3: case 0xF6: o.push_back('o'); break;
        case 0xF9: case 0xFA: case 0xFC: o.push_back('u'); break;
        default: o.push_back(c); break;
      }
    } else if (c == ',') {
      std::size_t length_now = o.size() + (n - i);
      bool insert_blank = has_next && next != ' ' && length_now < 4'950;
      std::size_t j = next_non_blank(line, i + 1);
      char put = (j < n && is_delimiter(line[j])) ? line[j] : ',';
      o.push_back(put);
      if (insert_blank) o.push_back(' ');
    } else if (options_.inscriptions && c == '!') {
      o.push_back(static_cast<char>(27));
    } else {
      o.push_back(c);
    }
  }
}

// Stops after initials, praenomina and S. C. / P. C. / tr. pl. do not end
// sentences.
void InputPreparation::hide_non_final_stops(std::string& line) const {
  static constexpr std::string_view kPraenomina[] = {"Cn", "Ti", "Sp", "Ap", "Sex", "Ser"};
  for (std::size_t i = line.find('.'); i != std::string::npos; i = line.find('.', i + 1)) {
    if (i + 1 >= line.size() || line[i + 1] != ' ') continue;
    if (i > 0 && has_class(line[i - 1], kRoman3)) continue;
    if (i >= 1 && (i < 2 || !is_ascii_letter(line[i - 2]))) {
      if (line.compare(i - 1, 5, "S. C.") == 0) {
        line.replace(i - 1, 5, " S_C ");
        continue;
      }
      if (line.compare(i - 1, 5, "P. C.") == 0) {
        line.replace(i - 1, 5, " P_C ");
        continue;
      }
    }
    if (i >= 2 && i - 2 + 7 <= line.size() &&
        equals_nocase(std::string_view(line).substr(i - 2, 7), "tr. pl.")) {
      line.replace(i - 2, 7, "Tr_pleb");
      continue;
    }
    std::size_t s = i;
    while (s > 0 && is_ascii_letter(line[s - 1])) --s;
    std::string_view word(line.data() + s, i - s);
    bool initial = word.size() == 1 && is_ascii_upper(word[0]);
    for (auto p : kPraenomina) initial = initial || word == p;
    if (!initial) continue;
    if (s > 0 && line[s - 1] != ' ' && !is_quote(line[s - 1])) continue;
    std::size_t j = next_non_blank(line, i + 1);
    if (j < line.size() && is_ascii_upper(line[j])) {
      line[i] = '_';
      line.erase(i + 1, j - (i + 1));
    }
  }
}

void InputPreparation::hide_botany_stops(std::string& line) const {
  std::size_t i = 0;
  while (i < line.size()) {
    if (!is_ascii_digit(line[i])) {
      ++i;
      continue;
    }
    while (i < line.size() && (is_ascii_digit(line[i]) || line[i] == '.' || line[i] == '-')) {
      if (line[i] == '.') line[i] = kBotanyStopMarker;
      ++i;
    }
  }
}

void InputPreparation::split(std::string& line, std::string& out) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    // Up to the next quote or delimiter only letters and digits matter.
    std::uint16_t seen = 0;
    while (i < line.size() && !has_class(line[i], kQuote | kDelim))
      seen |= kClasses[static_cast<unsigned char>(line[i++])];
    if (seen & kLetterOrDigit) {
      word_seen_ = true;
      sentence_ended_ = false;
    }
    if (i == line.size()) break;
    const char c = line[i];
    if (is_quote(c)) {
      in_quotes_ = !in_quotes_;
      continue;
    }
    std::size_t j = next_non_blank(line, i + 1);
    if (j < line.size() && line[j] == ')') continue;
    sentence_ended_ = true;
    if (word_seen_) {
      open_sentence();
      append_piece(std::string_view(line).substr(start, i - start), out);
      // The closing quote stays with its sentence.
      if (in_quotes_ && j < line.size() && is_quote(line[j])) {
        out.push_back(line[j]);
        line[j] = ' ';
        in_quotes_ = false;
      }
      const char closing[] = {c, '\n'};
      close_sentence(out, std::string_view(closing, 2));
      word_seen_ = false;
    }
    start = i + 1;
  }
  std::string_view rest = std::string_view(line).substr(start < line.size() ? start : line.size());
  if (rest.find_first_not_of(' ') != std::string_view::npos) {
    open_sentence();
    append_piece(rest, out);
  }
}

void InputPreparation::add_line(std::string_view line, std::string& out) {
  // A long line comes in pieces: only the piece with its line end ends it.
  line_number_ = next_line_;
  if (!line.empty() && line.back() == '\n') ++next_line_;
  if (line.empty()) return;
  if (line.substr(0, 5).find("--") != std::string_view::npos) return;  // comment line
  count_persons(line);
  line_.assign(line);
  mark_trailing_stop(line_);
  character_pass(line_, pass_);
  line_.swap(pass_);
  hide_non_final_stops(line_);
  if (options_.botany) hide_botany_stops(line_);
  expand_re_publica(line_);
  if (options_.abbreviation && abbreviations_ && !abbreviations_->empty())
    userdata::expand_abbreviations(line_, *abbreviations_);
  split(line_, out);
}

// The last sentence gets its closing stop. A text with neither a word nor a
// stop gets one only when it wrote something: an empty text is no sentence.
void InputPreparation::finish(std::string& out) {
  if (word_seen_ || (!sentence_ended_ && open_line_ != 0)) close_sentence(out, ".\n");
}

std::string InputPreparation::prepare_text(std::string_view text) {
  reset();
  std::string out;
  // The sentences are about as long as the text; room for the blanks and
  // line ends they gain spares most regrowth.
  out.reserve(text.size() + text.size() / 8 + 16);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t limit = kPreparationLineBuffer - 1;
    std::size_t nl = text.find('\n', pos);
    std::size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
    if (end - pos > limit) end = pos + limit;
    add_line(text.substr(pos, end - pos), out);
    pos = end;
  }
  finish(out);
  return out;
}

// Raw lines of at most kPreparationLineBuffer - 1 bytes, decoded and prepared
// into `out`; `flush` may take `out` away whenever it grows large.
template <typename Flush>
void InputPreparation::prepare_lines(LineReader& reader, TextEncoding encoding, std::string& out,
                                     Flush flush) {
  reset();
  std::string raw, line;
  bool first = true;
  while (reader.next(raw, kPreparationLineBuffer - 1)) {
    std::string_view r = raw;
    if (first && r.substr(0, 3) == "\xEF\xBB\xBF") r.remove_prefix(3);
    first = false;
    line.clear();
    decode_append(r, encoding, line);
    add_line(line, out);
    if (out.size() >= (1 << 16)) flush();
  }
  finish(out);
}

Status InputPreparation::prepare_memory(std::string_view raw_text, std::string& out) {
  EncodingDetector detector;
  detector.feed(raw_text);
  if (detector.has_nul()) return make_error(ErrorKind::corrupt, kNotTextMessage);
  out.clear();
  out.reserve(raw_text.size() + raw_text.size() / 8 + 16);
  LineReader reader(raw_text, detector.encoding());
  prepare_lines(reader, detector.encoding(), out, [] {});
  return Status::ok();
}

Status InputPreparation::prepare_file(const std::string& input_path,
                                      const std::string& temp_path) {
  auto encoding = detect_file_encoding(input_path);
  if (!encoding) {
    if (encoding.error().kind == ErrorKind::corrupt) return encoding.error();
    return make_error(ErrorKind::io, message(kCannotOpenInputFormat, input_path));
  }
  FilePtr in(std::fopen(input_path.c_str(), "rb"));
  if (!in) return make_error(ErrorKind::io, message(kCannotOpenInputFormat, input_path));
  const std::string staging = temp_path + ".tmp";
  FilePtr out(std::fopen(staging.c_str(), "wb"));
  if (!out) return make_error(ErrorKind::io, kCannotOpenTemp);

  LineReader reader(in.get(), *encoding);
  std::string pieces;
  bool write_failed = false;
  prepare_lines(reader, *encoding, pieces, [&] {
    write_failed |= std::fwrite(pieces.data(), 1, pieces.size(), out.get()) != pieces.size();
    pieces.clear();
  });
  if (reader.error()) {
    out.reset();
    std::error_code ec;
    std::filesystem::remove(staging, ec);
    return make_error(ErrorKind::io, kReadErrorMessage);
  }
  write_failed |= std::fwrite(pieces.data(), 1, pieces.size(), out.get()) != pieces.size();
  write_failed |= std::fclose(out.release()) != 0;
  std::error_code ec;
  if (!write_failed) std::filesystem::rename(staging, temp_path, ec);
  if (write_failed || ec) {
    std::filesystem::remove(staging, ec);
    return make_error(ErrorKind::io, kCannotOpenTemp);
  }
  return Status::ok();
}

}  // namespace kelvo::text
