#include "userdata/standard_phrases.h"

#include <cstdio>
#include <filesystem>
#include <new>

#include "base/paths.h"
#include "userdata/line_reader.h"
#include "userdata/shell_sort.h"

namespace kelvo::userdata {

namespace {

void show(WarningGate& gate, ParseLog& log, std::string_view text) {
  gate.warn(text);
  log.write(text);
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// The number atoi reads at `pos` (0 past the end).
long atoi_at(std::string_view s, std::size_t pos) {
  while (pos < s.size() && (s[pos] == ' ' || (s[pos] >= '\t' && s[pos] <= '\r'))) ++pos;
  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
  long v = 0;
  while (pos < s.size() && is_ascii_digit(s[pos]) && v < 1'000'000) v = v * 10 + (s[pos++] - '0');
  return negative ? -v : v;
}

// The file named by its full path (where it was looked for when absent).
std::string cannot_open(const std::string& path) { return "Cannot open '" + path + "'.\n"; }

}  // namespace

int PhraseEntry::word_count() const {
  int n = 0;
  while (n < kPhraseWords && words[n][0] != 0) ++n;
  return n;
}

std::string rewrite_pronoun_backslashes(std::string e) {
  struct Rewrite { std::string_view from, to; };
  static constexpr Rewrite kRewrites[] = {
      {"s\\he\\it", "s/he/it"},    {"s\\he", "s/he"},
      {"he\\they", "he/they"},     {"he\\it", "he/it"},
      {"him\\it", "him/it"},       {"his\\their", "his/their"},
      {"him\\them", "him/them"},   {"him\\her\\it", "him/her/it"},
      {"him\\her", "him/her"},     {"his\\her\\their", "his/her/their"}};
  if (e.find('\\') == std::string::npos) return e;  // most lines: nothing to rewrite
  for (const auto& r : kRewrites) {
    std::size_t at = e.find(r.from);
    if (at == std::string::npos) continue;
    if (r.from == "s\\he") {
      // Leaves "his\her" and "s\her" for the later, longer rewrites.
      std::size_t after = at + r.from.size();
      if ((after < e.size() && e[after] == 'r') || (at > 0 && e[at - 1] == 'i')) continue;
    }
    e.replace(at, r.from.size(), r.to);
  }
  return e;
}

PhraseLineResult parse_phrase_line(std::string_view line) {
  PhraseLineResult r;
  auto reject = [&](std::string_view why) {
    r.reason = std::string(why);
    return r;
  };
  line = line.substr(0, kPhraseLineMax);
  std::size_t slash = line.find('/');
  if (slash == std::string_view::npos) return reject("no '/' between Latin and English");
  std::string latin(line.substr(0, slash));
  std::string_view english = line.substr(slash + 1);
  if (english.empty()) return reject("no English after '/'");
  if (english.size() > kPhraseEnglishMax) return reject("English longer than 78 characters");

  // First character lower case; j and v spelt i and u as the tokeniser writes them.
  if (!latin.empty()) latin[0] = ascii_lower(latin[0]);
  for (char& c : latin) {
    if (c == 'j') c = 'i';
    else if (c == 'J') c = 'I';
    else if (c == 'v') c = 'u';
    else if (c == 'V') c = 'U';
  }

  std::vector<std::string_view> words;
  std::string_view rest(latin);
  while (true) {
    while (!rest.empty() && is_blank(rest.front())) rest.remove_prefix(1);
    if (rest.empty()) break;
    std::size_t end = 0;
    while (end < rest.size() && !is_blank(rest[end])) ++end;
    if (words.size() == static_cast<std::size_t>(kPhraseWords))
      return reject("more than five Latin words");
    words.push_back(rest.substr(0, std::min(end, kPhraseWordMax)));
    rest.remove_prefix(end);
  }
  if (words.empty()) return reject("no Latin words");

  // Either plain forms throughout, or one stem-dot-ending form per word.
  std::size_t dots = 0;
  for (auto w : words)
    for (char c : w) dots += c == '.';
  if (dots != 0 && dots != words.size()) return reject("'.' forms mixed with plain words");

  if (english.starts_with("INF")) {
    long verb_at = atoi_at(english, 3), agree_at = atoi_at(english, 6);
    if (verb_at < 1 || verb_at > 9 || agree_at < 1 || agree_at > 9)
      return reject("INF numbers must lie in 1-9");
    if (english.size() < 7 || english.find("to ", 7) == std::string_view::npos)
      return reject("INF phrase without 'to '");
  }

  for (std::size_t i = 0; i < words.size(); ++i) set_field(r.entry.words[i], words[i]);
  set_field(r.entry.english, rewrite_pronoun_backslashes(std::string(english)));
  r.accepted = true;
  return r;
}

std::string plain_phrase_word(std::string_view word) {
  std::string out;
  for (char c : word)
    if (c != '.') out.push_back(ascii_lower(c));
  return out;
}

std::string phrase_sort_key(const PhraseEntry& e) {
  std::string key(e.word(0));
  for (int i = 1; i < kPhraseWords; ++i) {
    key += ' ';
    key += e.word(i);
  }
  return key;
}

void sort_phrases(std::span<PhraseEntry> entries) {
  struct Keyed {
    std::string key;
    PhraseEntry entry;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(entries.size());
  for (const auto& e : entries) keyed.push_back({phrase_sort_key(e), e});
  shell_sort(std::span<Keyed>(keyed), [](const Keyed& a, const Keyed& b) {
    return compare_bytes(a.key, b.key) < 0;
  });
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = keyed[i].entry;
}

PhraseIndex build_phrase_index(std::span<const PhraseEntry> entries, ParseLog& log) {
  PhraseIndex index{};
  const int count = static_cast<int>(entries.size());
  int next = 0;
  for (int i = 0; i < count; ++i) {
    const auto first = static_cast<unsigned char>(entries[static_cast<std::size_t>(i)].words[0][0]);
    while (next < 26 && first >= 'a' + next) {
      const char letter[2] = {static_cast<char>('a' + next), 0};
      set_field(index[static_cast<std::size_t>(next)].letter, letter);
      index[static_cast<std::size_t>(next)].first = i;
      ++next;
    }
  }
  const int assigned = next;
  for (; next < 26; ++next) {
    const char letter[2] = {static_cast<char>('a' + next), 0};
    set_field(index[static_cast<std::size_t>(next)].letter, letter);
    index[static_cast<std::size_t>(next)].first = count - 1;
  }
  if (assigned != 26) log.printf("indices wrong. k = %d, should be 26.\n", assigned);
  set_field(index[26].letter, "MAX_ENTRIES");
  index[26].first = count;
  return index;
}

int StandardPhrases::load(const std::string& folder, TranslationOptions& options, ParseLog& log,
                          WarningGate& gate) {
  *this = StandardPhrases{};
  ParseLog silent;  // an empty table's index needs no "indices wrong" line here
  index_ = build_phrase_index({}, silent);

  path_ = find_file_nocase(folder, kPhrasesFile);
  std::FILE* file = path_.empty() ? nullptr : std::fopen(path_.c_str(), "rb");
  if (!file) {
    show(gate, log,
         cannot_open(path_.empty() ? (std::filesystem::path(folder) / kPhrasesFile).string()
                                   : path_));
    return 0;
  }

  // First pass: size the table from the file.
  std::size_t lines = 0;
  std::string piece;
  {
    LineReader counter(file, kPhraseCountPiece);
    while (counter.next(piece) == LineReader::Next::piece)
      if (!piece.starts_with("--")) ++lines;
  }
  capacity_ = lines + 2;
  bool reserved = capacity_ <= kMaxPhraseCapacity;
  if (reserved) {
    try {
      entries_.reserve(capacity_);
    } catch (const std::bad_alloc&) {
      reserved = false;
    }
  }
  if (!reserved) {
    capacity_ = 0;
    options.allow_user_phrase = false;
    show(gate, log,
         "Cannot load Latin Standard Phrases.\nThere are too many!\nReduce the number in "
         "userphrases.txt.");
    return 0;
  }

  // Second pass: parse.
  std::FILE* again = std::fopen(path_.c_str(), "rb");
  if (!again) {
    show(gate, log, cannot_open(path_));
    return 0;
  }
  LineReader reader(again, kPhraseReadPiece);
  LongLines long_lines;
  log.write("Loading Latin Standard Phrases...");
  while (true) {
    auto next = reader.next(piece);
    if (next == LineReader::Next::end) break;
    if (next == LineReader::Next::error) {
      show(gate, log, "FGETS error.\n");
      entries_.clear();
      return 0;
    }
    if (long_lines.skip(reader, piece, path_, kPhraseReadPiece, rejected_)) continue;
    if (piece.starts_with("--")) continue;
    if (piece.empty() || static_cast<unsigned char>(piece[0]) <= 31) continue;
    // Encoded "*" lines have no published table: they are skipped, as are
    // lines that do not begin with a letter.
    if (piece[0] == '*') continue;
    if ((static_cast<unsigned char>(piece[0]) & 0x40) == 0) continue;

    PhraseLineResult r = parse_phrase_line(std::string_view(piece).substr(0, kPhraseLineMax));
    if (!r.accepted) {
      log.write("Rejected user line '" + piece + "' owing to error.\n");
      rejected_.push_back({path_, reader.line_number(), piece, r.reason});
      continue;
    }
    entries_.push_back(r.entry);
    if (entries_.size() >= capacity_) {
      show(gate, log, "Exceeded max. no. of LSP entries.\nLast line was " + piece + "\n");
      break;
    }
  }

  sort_phrases(entries_);
  first_words_.reserve(entries_.size());
  for (const PhraseEntry& e : entries_) first_words_.push_back(plain_phrase_word(e.word(0)));
  index_ = build_phrase_index(entries_, log);
  log.printf("Done. Added %i LSPs.\n", count());
  return count();
}

}  // namespace kelvo::userdata
