#include "mkdata/whitaker_reader.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>

#include "mkdata/code_mapping.h"

namespace kelvo::mkdata {

namespace {

Error corrupt(std::string_view name, std::string_view what) {
  return make_error(ErrorKind::corrupt, std::string(name) + ": " + std::string(what));
}

std::string record_label(std::string_view kind, int n) {
  return std::string(kind) + " " + std::to_string(n);
}

std::int32_t read_i32(std::string_view r, std::size_t at) {
  auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(r[at + i])); };
  return static_cast<std::int32_t>(b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24));
}

int read_u8(std::string_view r, std::size_t at) { return static_cast<unsigned char>(r[at]); }

bool printable_ascii(std::string_view s) {
  for (char c : s) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u > 0x7E) return false;
  }
  return true;
}

bool has_control_bytes(std::string_view s) {
  for (char c : s) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 && c != '\r' && c != '\n' && c != '\t') return true;
  }
  return false;
}

std::optional<int> parse_int(std::string_view s) {
  int v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
  return v;
}

// Whitaker writes which/variant as small numbers; anything else is a fault.
bool small_number(std::int32_t v) { return v >= 0 && v <= 99; }

std::string clean_meaning(std::string_view raw) {
  std::string m;
  for (char c : raw) m.push_back(c == '\r' || c == '\n' || c == '\t' ? ' ' : c);
  return std::string(trim(m));
}

}  // namespace

std::string_view trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r' || s[b] == '\n')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r' || s[e - 1] == '\n'))
    --e;
  return s.substr(b, e - b);
}

std::vector<std::string> split_lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t nl = text.find('\n', start);
    std::size_t end = nl == std::string_view::npos ? text.size() : nl;
    std::string_view line = text.substr(start, end - start);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
      line.remove_suffix(1);
    lines.emplace_back(line);
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
  return lines;
}

std::vector<std::string_view> split_words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t b = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > b) words.push_back(line.substr(b, i - b));
  }
  return words;
}

Result<std::string> read_whole_file(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f)
    return make_error(ErrorKind::missing, path + ": cannot open: " + std::strerror(errno));
  std::string bytes;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return make_error(ErrorKind::io, path + ": read error");
  return bytes;
}

Result<WhitakerDictionary> parse_dictfile(std::string_view bytes, std::string_view name) {
  if (bytes.empty()) return corrupt(name, "the file is empty");
  if (bytes.size() % kDictRecordSize != 0)
    return corrupt(name, "size " + std::to_string(bytes.size()) + " is not a whole number of " +
                             std::to_string(kDictRecordSize) + "-byte records");
  WhitakerDictionary dict;
  dict.records = static_cast<int>(bytes.size() / kDictRecordSize);
  for (int i = 0; i < dict.records; ++i) {
    std::string_view r = bytes.substr(static_cast<std::size_t>(i) * kDictRecordSize,
                                      kDictRecordSize);
    const std::string where = record_label("record", i);
    WhitakerEntry e;
    e.record = i;
    for (std::size_t k = 0; k < 4; ++k) {
      std::string_view stem = r.substr(k * 18, 18);
      if (!printable_ascii(stem)) return corrupt(name, where + ": stem holds binary bytes");
      e.stems[k] = std::string(trim(stem));
    }
    e.speech = read_u8(r, 72);
    if (e.speech > kWhitakerMaxSpeech)
      return corrupt(name, where + ": part of speech " + std::to_string(e.speech));
    switch (e.speech) {
      case 1: case 2: case 3: case 4: case 5: case 7: {
        std::int32_t w = read_i32(r, 76), v = read_i32(r, 80);
        if (!small_number(w) || !small_number(v))
          return corrupt(name, where + ": declension " + std::to_string(w) + " " +
                                   std::to_string(v));
        e.which = w;
        e.variant = v;
        e.attribute = read_u8(r, 84);
        if (e.speech == 1) e.noun_kind = read_u8(r, 85);
        break;
      }
      case 6: case 10: e.attribute = read_u8(r, 76); break;
      default: break;
    }
    if (e.attribute > 15 || e.noun_kind > 9)
      return corrupt(name, where + ": grammar code out of range");
    e.age = read_u8(r, 92);
    e.area = read_u8(r, 93);
    e.frequency = read_u8(r, 95);
    if (e.age > kWhitakerMaxAge || e.area > kWhitakerMaxArea ||
        e.frequency > kWhitakerMaxFrequency)
      return corrupt(name, where + ": age, area or frequency out of range");
    std::string_view meaning = r.substr(97, 80);
    if (has_control_bytes(meaning)) return corrupt(name, where + ": meaning holds binary bytes");
    e.meaning = clean_meaning(meaning);
    // A meaning that begins with '|' continues the entry before it.
    if (!e.meaning.empty() && e.meaning[0] == '|' && !dict.entries.empty()) {
      std::size_t b = e.meaning.find_first_not_of('|');
      std::string_view more = b == std::string::npos ? std::string_view()
                                                     : trim(std::string_view(e.meaning).substr(b));
      std::string& joined = dict.entries.back().meaning;
      if (!more.empty()) {
        if (!joined.empty()) joined += ' ';
        joined += more;
      }
      ++dict.continuations;
      continue;
    }
    dict.entries.push_back(std::move(e));
  }
  return dict;
}

Result<std::vector<WhitakerInflection>> parse_inflects(std::string_view bytes,
                                                       std::string_view name) {
  if (bytes.empty()) return corrupt(name, "the file is empty");
  if (bytes.size() % kInflectRecordSize != 0)
    return corrupt(name, "size " + std::to_string(bytes.size()) + " is not a whole number of " +
                             std::to_string(kInflectRecordSize) + "-byte records");
  std::vector<WhitakerInflection> out;
  const std::size_t count = bytes.size() / kInflectRecordSize;
  for (std::size_t i = 0; i < count; ++i) {
    std::string_view r = bytes.substr(i * kInflectRecordSize, kInflectRecordSize);
    const std::string where = record_label("record", static_cast<int>(i));
    std::int32_t speech = read_i32(r, 0);
    if (speech == 0) continue;  // unused slot
    if (speech < 0 || speech > kWhitakerMaxSpeech)
      return corrupt(name, where + ": part of speech " + std::to_string(speech));
    WhitakerInflection f;
    f.speech = speech;
    f.record = static_cast<int>(i);
    auto declension = [&]() -> bool {
      std::int32_t w = read_i32(r, 4), v = read_i32(r, 8);
      if (!small_number(w) || !small_number(v)) return false;
      f.which = w;
      f.variant = v;
      return true;
    };
    switch (speech) {
      case 1: case 2: case 3: case 9: case 4: case 5:
        if (!declension()) return corrupt(name, where + ": bad declension");
        f.gcase = read_u8(r, 12);
        f.number = read_u8(r, 13);
        f.gender = read_u8(r, 14);
        if (speech == 4 || speech == 5) f.degree = read_u8(r, 15);
        break;
      case 7:
        if (!declension()) return corrupt(name, where + ": bad conjugation");
        f.tense = read_u8(r, 12);
        f.voice = read_u8(r, 13);
        f.mood = read_u8(r, 14);
        f.person = read_u8(r, 15);
        f.number = read_u8(r, 16);
        break;
      case 8:
        if (!declension()) return corrupt(name, where + ": bad conjugation");
        f.gcase = read_u8(r, 12);
        f.number = read_u8(r, 13);
        f.gender = read_u8(r, 14);
        f.tense = read_u8(r, 15);
        f.voice = read_u8(r, 16);
        f.mood = read_u8(r, 17);
        break;
      case 6: f.degree = read_u8(r, 4); break;
      case 10: f.gcase = read_u8(r, 4); break;
      default: break;
    }
    if (f.gcase > 7 || f.number > 2 || f.gender > 4 || f.degree > 4 || f.tense > 6 ||
        f.voice > 2 || f.mood > 5 || f.person > 3)
      return corrupt(name, where + ": grammar code out of range");
    std::int32_t key = read_i32(r, 20), len = read_i32(r, 24);
    if (key < 0 || key > 4) return corrupt(name, where + ": stem key " + std::to_string(key));
    if (len < 0 || len > 7) return corrupt(name, where + ": ending length " + std::to_string(len));
    std::string_view ending = r.substr(28, static_cast<std::size_t>(len));
    if (!printable_ascii(ending)) return corrupt(name, where + ": ending holds binary bytes");
    f.stem_key = key;
    f.ending = std::string(trim(ending));
    f.age = read_u8(r, 36);
    f.frequency = read_u8(r, 37);
    if (f.age > kWhitakerMaxAge || f.frequency > kWhitakerMaxFrequency)
      return corrupt(name, where + ": age or frequency out of range");
    out.push_back(std::move(f));
  }
  if (out.empty()) return corrupt(name, "no inflection records");
  return out;
}

namespace {

// Reads "keyword" fields one after another, remembering the first fault.
struct WordCursor {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  std::string fault;

  std::string_view next() { return at < words.size() ? words[at++] : std::string_view(); }
  int take(std::optional<int> (*reader)(std::string_view), std::string_view what) {
    std::string_view w = next();
    std::optional<int> v = reader(w);
    if (!v) {
      if (fault.empty()) fault = "unknown " + std::string(what) + " \"" + std::string(w) + "\"";
      return 0;
    }
    return *v;
  }
  int take_number(std::string_view what) {
    std::string_view w = next();
    std::optional<int> v = parse_int(w);
    if (!v || *v < 0 || *v > 99) {
      if (fault.empty()) fault = "bad " + std::string(what) + " \"" + std::string(w) + "\"";
      return 0;
    }
    return *v;
  }
};

}  // namespace

Result<std::vector<WhitakerUnique>> parse_uniques(std::string_view text, std::string_view name) {
  if (text.find('\0') != std::string_view::npos) return corrupt(name, "binary bytes in a text file");
  std::vector<std::string> lines = split_lines(text);
  while (!lines.empty() && trim(lines.back()).empty()) lines.pop_back();
  std::vector<WhitakerUnique> out;
  std::size_t i = 0;
  while (i < lines.size()) {
    if (trim(lines[i]).empty()) {
      ++i;
      continue;
    }
    const std::string where = "line " + std::to_string(i + 1);
    if (i + 2 >= lines.size()) return corrupt(name, where + ": entry is cut short");
    WhitakerUnique u;
    u.line = static_cast<int>(i + 1);
    u.latin = std::string(trim(lines[i]));
    if (u.latin.find(' ') != std::string::npos || !printable_ascii(u.latin))
      return corrupt(name, where + ": \"" + u.latin + "\" is not one Latin word");
    WordCursor c;
    c.words = split_words(lines[i + 1]);
    if (c.words.size() < 6)
      return corrupt(name, "line " + std::to_string(i + 2) + ": grammar line too short");
    // The last five words are age, area, geography, frequency and source.
    std::vector<std::string_view> tail(c.words.end() - 5, c.words.end());
    c.words.resize(c.words.size() - 5);
    u.speech = c.take(whitaker_speech, "part of speech");
    switch (u.speech) {
      case 1: case 2: case 3: case 4: case 5: case 9:
        u.which = c.take_number("declension");
        u.variant = c.take_number("variant");
        u.gcase = c.take(whitaker_case, "case");
        u.number = c.take(whitaker_number, "number");
        u.gender = c.take(whitaker_gender, "gender");
        if (u.speech == 1) u.kind = c.take(whitaker_noun_kind, "noun kind");
        if (u.speech == 2 || u.speech == 3) u.kind = c.take(whitaker_pronoun_kind, "pronoun kind");
        if (u.speech == 4) u.degree = c.take(whitaker_comparison, "comparison");
        if (u.speech == 5) u.degree = c.take(whitaker_numeral_sort, "numeral sort");
        break;
      case 7:
        u.which = c.take_number("conjugation");
        u.variant = c.take_number("variant");
        u.tense = c.take(whitaker_tense, "tense");
        u.voice = c.take(whitaker_voice, "voice");
        u.mood = c.take(whitaker_mood, "mood");
        u.person = c.take_number("person");
        u.number = c.take(whitaker_number, "number");
        u.kind = c.take(whitaker_verb_kind, "verb kind");
        break;
      case 8:
        u.which = c.take_number("conjugation");
        u.variant = c.take_number("variant");
        u.gcase = c.take(whitaker_case, "case");
        u.number = c.take(whitaker_number, "number");
        u.gender = c.take(whitaker_gender, "gender");
        u.tense = c.take(whitaker_tense, "tense");
        u.voice = c.take(whitaker_voice, "voice");
        u.mood = c.take(whitaker_mood, "mood");
        break;
      case 6: u.degree = c.take(whitaker_comparison, "comparison"); break;
      case 10: u.gcase = c.take(whitaker_case, "case"); break;
      default: break;
    }
    if (c.fault.empty() && c.at != c.words.size()) c.fault = "extra words";
    std::optional<int> age = whitaker_age(tail[0]);
    std::optional<int> area = whitaker_area(tail[1]);
    std::optional<int> freq = whitaker_frequency(tail[3]);
    if (c.fault.empty() && !(age && area && freq)) c.fault = "bad age, area or frequency";
    if (!c.fault.empty())
      return corrupt(name, "line " + std::to_string(i + 2) + ": " + c.fault);
    u.age = *age;
    u.area = *area;
    u.frequency = *freq;
    u.meaning = clean_meaning(lines[i + 2]);
    out.push_back(std::move(u));
    i += 3;
  }
  if (out.empty()) return corrupt(name, "no entries");
  return out;
}

Result<std::vector<WhitakerTackon>> parse_addons(std::string_view text, std::string_view name) {
  if (text.find('\0') != std::string_view::npos) return corrupt(name, "binary bytes in a text file");
  std::vector<std::string> lines = split_lines(text);
  // Entries are three lines that are not comments; the third (meaning) line may
  // itself begin with "TACKON", so lines are taken by position, not by keyword.
  std::vector<std::size_t> content;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view t = trim(lines[i]);
    if (t.empty() || t.substr(0, 2) == "--") continue;
    content.push_back(i);
  }
  std::vector<WhitakerTackon> out;
  for (std::size_t k = 0; k < content.size();) {
    std::string_view head = trim(lines[content[k]]);
    std::vector<std::string_view> hw = split_words(head);
    const std::string where = "line " + std::to_string(content[k] + 1);
    if (hw.empty() || (hw[0] != "TACKON" && hw[0] != "PREFIX" && hw[0] != "SUFFIX"))
      return corrupt(name, where + ": expected TACKON, PREFIX or SUFFIX");
    if (k + 2 >= content.size()) return corrupt(name, where + ": entry is cut short");
    if (hw.size() < 2) return corrupt(name, where + ": addon without its text");
    if (hw[0] == "TACKON") {
      WhitakerTackon t;
      t.line = static_cast<int>(content[k] + 1);
      t.text = std::string(hw[1]);
      std::vector<std::string_view> host = split_words(lines[content[k + 1]]);
      if (host.empty()) return corrupt(name, where + ": tackon without its host line");
      std::optional<int> sp = whitaker_speech(host[0]);
      if (!sp)
        return corrupt(name, "line " + std::to_string(content[k + 1] + 1) +
                                 ": unknown part of speech \"" + std::string(host[0]) + "\"");
      t.host_speech = *sp;
      if (host.size() >= 3) {
        std::optional<int> w = parse_int(host[1]), v = parse_int(host[2]);
        if (w && v && *w >= 0 && *w < 100 && *v >= 0 && *v < 100) {
          t.host_which = *w;
          t.host_variant = *v;
        }
      }
      std::string_view m = trim(lines[content[k + 2]]);
      for (std::string_view word : {std::string_view("TACKON "), std::string_view("PACKON ")})
        if (m.substr(0, word.size()) == word) m = trim(m.substr(word.size()));
      t.meaning = clean_meaning(m);
      out.push_back(std::move(t));
    }
    k += 3;
  }
  return out;
}

}  // namespace kelvo::mkdata
