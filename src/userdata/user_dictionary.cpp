#include "userdata/user_dictionary.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "base/paths.h"
#include "base/text.h"
#include "grammar/codes.h"
#include "userdata/line_reader.h"
#include "userdata/shell_sort.h"

namespace kelvo::userdata {

namespace g = kelvo::grammar;

namespace {

constexpr std::string_view kTooLong = "User word is too long.\n";
constexpr std::string_view kTooMany = "Too many user fields.\n";

// A message box (under the start-up limit) that always reaches the log too.
void show(WarningGate& gate, ParseLog& log, std::string_view text) {
  gate.warn(text);
  log.write(text);
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

// Up to three fields split at "/": empty fields between slashes are dropped;
// the third is the rest of the line. Each is cut at kUserFieldMax.
std::vector<std::string_view> split_fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t pos = 0;
  const std::size_t n = line.size();
  while (fields.size() < 3) {
    while (pos < n && line[pos] == '/') ++pos;
    if (pos >= n) break;
    std::size_t end = fields.size() == 2 ? n : std::min(line.find('/', pos), n);
    std::string_view f = line.substr(pos, end - pos);
    if (fields.size() == 2 && trim(f).empty()) break;  // nothing after the last slash
    fields.push_back(f.substr(0, kUserFieldMax));
    pos = end;
  }
  return fields;
}

enum class WordsEnd { ok, too_long, too_many };

// Blank-separated words of a field. A word over kUserWordMax ends the field;
// a sixth word refuses the line.
WordsEnd split_words(std::string_view field, std::vector<std::string_view>& words) {
  words.clear();
  std::size_t pos = 0;
  while (true) {
    while (pos < field.size() && is_blank(field[pos])) ++pos;
    if (pos >= field.size()) return WordsEnd::ok;
    std::size_t end = pos;
    while (end < field.size() && !is_blank(field[end])) ++end;
    if (words.size() == static_cast<std::size_t>(kUserMaxWords)) return WordsEnd::too_many;
    if (end - pos > kUserWordMax) return WordsEnd::too_long;
    words.push_back(field.substr(pos, end - pos));
    pos = end;
  }
}

// Decimal number as atoi reads it, held to one byte.
g::Code read_number(std::string_view s) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  long v = 0;
  while (i < s.size() && is_ascii_digit(s[i]) && v <= 255) v = v * 10 + (s[i++] - '0');
  if (negative) return 0;
  return static_cast<g::Code>(std::min(v, 255L));
}

}  // namespace

UserLineResult parse_user_line(std::string_view line, UserSource source, int meaning_index,
                               ParseLog& log, WarningGate& gate) {
  UserLineResult r;
  auto reject = [&](std::string_view why) {
    r.reason = std::string(why);
    r.stems.clear();
    return r;
  };

  std::vector<std::string_view> fields = split_fields(line);
  if (fields.size() < 3) return reject("fewer than three fields");

  std::string latin(trim(fields[0]));
  for (char& c : latin) {
    if (c == 'j') c = 'i';
    else if (c == 'J') c = 'I';
    else if (c == 'v') c = 'u';
    else if (c == 'V') c = 'U';
  }

  // A too-long word ends its field (the words before it are kept); a sixth
  // word or an empty field refuses the line.
  std::vector<std::string_view> stems, grammar_words;
  std::string_view why;
  auto read_words = [&](std::string_view field, std::vector<std::string_view>& words) {
    WordsEnd end = split_words(field, words);
    if (end == WordsEnd::too_many) {
      show(gate, log, kTooMany);
      why = kTooMany;
      return false;
    }
    if (end == WordsEnd::too_long) {
      show(gate, log, kTooLong);
      if (words.empty()) why = kTooLong;
    }
    if (words.empty() && why.empty()) why = "empty field";
    return !words.empty();
  };
  if (!read_words(latin, stems) || !read_words(fields[1], grammar_words)) return reject(why);

  const g::Code speech = g::read_speech_keyword(grammar_words[0], &log);
  if (speech == 255) return reject("speech_type not found.");

  auto word = [&](std::size_t i) {
    return i < grammar_words.size() ? grammar_words[i] : std::string_view("X");
  };
  const bool is_adj_or_adv = speech == g::pos::adj || speech == g::pos::sadj ||
                             speech == g::pos::adv;
  g::Code byte3 = 0, kind = 0;
  if (speech == g::pos::noun) {
    byte3 = g::read_gender_letter(word(3));
    kind = g::read_noun_kind_letter(word(4));
  } else if (speech == g::pos::verb) {
    int vk = g::read_verb_kind_keyword(word(3), &log);
    kind = static_cast<g::Code>(vk < 0 ? 0 : vk);  // an unknown kind is "not given"
  } else {
    if (is_adj_or_adv) byte3 = g::read_comparison_keyword(word(3), &log);
    kind = grammar_words.size() > 4 ? read_number(grammar_words[4]) : 0;
  }
  const g::Code which = grammar_words.size() > 1 ? read_number(grammar_words[1]) : 0;
  const g::Code variant = grammar_words.size() > 2 ? read_number(grammar_words[2]) : 0;
  const bool pliny = source == UserSource::pliny;

  for (std::size_t i = 0; i < stems.size(); ++i) {
    if (equals_nocase(stems[i], "NULL")) continue;
    g::DictEntry e{};
    e.speech = (speech == g::pos::verb && i == 3) ? g::pos::vpar : speech;
    e.which = which;
    e.variant = variant;
    e.byte3 = byte3;
    e.kind = kind;
    int key = static_cast<int>(i) + 1;
    if (is_adj_or_adv && byte3 == g::comparison::comp) key = 3;
    if (is_adj_or_adv && byte3 == g::comparison::super) key = 4;
    e.stem_key = static_cast<g::Code>(key);
    e.meaning_index.set(meaning_index);
    e.set_rarity_area(pliny ? 4 : 1, 0);
    e.age = pliny ? 4 : 0;
    e.extra = 0;
    set_field(e.stem, stems[i]);
    r.stems.push_back(e);
  }

  std::string english(trim(fields[2]));
  std::replace(english.begin(), english.end(), ';', '/');
  english += ' ';
  set_field(r.meaning.latin, latin);
  set_field(r.meaning.english, english);
  r.accepted = true;
  return r;
}

void sort_user_stems(std::span<g::DictEntry> stems) {
  shell_sort(stems, [](const g::DictEntry& a, const g::DictEntry& b) {
    return compare_bytes(a.stem_text(), b.stem_text()) < 0;
  });
}

UserDictionary::FileEnd UserDictionary::read_file(const std::string& path, UserSource source,
                                                  ParseLog& log, WarningGate& gate) {
  LineReader reader(std::fopen(path.c_str(), "rb"), kUserLinePiece);
  log.write("Loading user-defined dictionary " + path + "...");
  std::string piece;
  LongLines long_lines;
  while (true) {
    auto next = reader.next(piece);
    if (next == LineReader::Next::end) return FileEnd::done;
    if (next == LineReader::Next::error) {
      show(gate, log, "FGETS error (Error in loading a line of user text).\n");
      return FileEnd::error;
    }
    if (long_lines.skip(reader, piece, path, kUserLinePiece, rejected_)) continue;
    if (piece.starts_with("--")) continue;
    if (piece.empty() || (static_cast<unsigned char>(piece[0]) & 0x40) == 0) continue;

    UserLineResult r = parse_user_line(piece, source, static_cast<int>(meanings_.size()), log,
                                       gate);
    if (!r.accepted) {
      log.write("Rejected user line '" + piece + "' owing to error.\n");
      rejected_.push_back({path, reader.line_number(), piece, r.reason});
      continue;
    }
    stems_.insert(stems_.end(), r.stems.begin(), r.stems.end());
    meanings_.push_back(r.meaning);
    ++(source == UserSource::pliny ? pliny_lines_ : userfile_lines_);
    if (userfile_lines_ + pliny_lines_ >= kMaxUserLines) {
      show(gate, log, "Exceeded max. no. of entries.\nLast line was " + piece + "\n");
      limit_reached_ = true;
      return FileEnd::limit;
    }
  }
}

int UserDictionary::load(const std::string& folder, ParseLog& log, WarningGate& gate) {
  *this = UserDictionary{};
  userfile_path_ = find_file_nocase(folder, kUserFile);
  if (userfile_path_.empty()) {
    // The folder set-up supplies a starter, so a missing file was removed on purpose.
    show(gate, log,
         "Cannot open " + (std::filesystem::path(folder) / kUserFile).string() + ".\n");
    return 0;
  }
  if (std::FILE* probe = std::fopen(userfile_path_.c_str(), "rb"); probe) {
    std::fclose(probe);
  } else {
    show(gate, log, "Cannot open " + userfile_path_ + ".\n");
    return 0;
  }

  const FileEnd end = read_file(userfile_path_, UserSource::userfile, log, gate);
  const std::size_t userfile_stems = stems_.size();
  if (end == FileEnd::done) {
    std::string pliny = find_file_nocase(folder, kPlinyUserFile);
    if (!pliny.empty()) {
      if (gate.host().ask_yes_no(
              "KV wants to load your PlinyUser file.\nUseful ONLY for translating the Elder "
              "Pliny.\nDid you intend this?")) {
        read_file(pliny, UserSource::pliny, log, gate);
      } else {
        show(gate, log,
             "Aborting Pliny Load. If you do not wish to keep seeing this message, locate file "
             "'PlinyUserFile.txt', and rename it to 'XPlinyUserFile.txt'.");
      }
    }
  }

  sort_user_stems(stems_);
  for (const g::DictEntry& e : stems_) first_bytes_.set(static_cast<unsigned char>(e.stem[0]));
  std::string done = "Done. Added " + std::to_string(userfile_lines_) + " user words.";
  if (stems_.size() > userfile_stems)
    done += " Added " + std::to_string(pliny_lines_) + " extra Pliny words.\n";
  else
    done += "\n";
  log.write(done);
  return static_cast<int>(stems_.size());
}

std::span<const g::DictEntry> UserDictionary::find(std::string_view stem) const {
  if (!stem.empty() && !first_bytes_.test(static_cast<unsigned char>(stem[0]))) return {};
  return g::entries_with_stem(stems_, stem);
}

const g::MeaningLine* UserDictionary::meaning(int index) const {
  if (index >= kUserMeaningOffset) index -= kUserMeaningOffset;
  if (index < 0 || static_cast<std::size_t>(index) >= meanings_.size()) return nullptr;
  return &meanings_[static_cast<std::size_t>(index)];
}

}  // namespace kelvo::userdata
