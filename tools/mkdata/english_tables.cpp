#include "mkdata/english_tables.h"

#include <algorithm>
#include <unordered_map>

#include "base/text.h"

namespace kelvo::mkdata {

namespace {

struct Pair {
  std::string key;
  std::string replacement;
  int line = 0;
};

// Lines keep their blanks (patterns may begin or end with one); only CR goes.
std::vector<std::string_view> raw_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t nl = text.find('\n', start);
    std::size_t end = nl == std::string_view::npos ? text.size() : nl;
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
  return lines;
}

bool blank(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::string where(std::string_view name, int line) {
  return std::string(name) + " line " + std::to_string(line);
}

Status check_text(std::string_view text, std::string_view name) {
  if (text.find('\0') != std::string_view::npos)
    return make_error(ErrorKind::corrupt, std::string(name) + ": binary bytes in a text file");
  return Status::ok();
}

// Reads one "key<TAB>replacement" line, checking the field widths.
bool read_pair(std::string_view line, int number, std::string_view name, std::size_t key_max,
               std::size_t repl_max, std::vector<std::string>& notes, Pair& out) {
  std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) {
    notes.push_back(where(name, number) + ": no tab between the two fields; skipped");
    return false;
  }
  std::string_view key = line.substr(0, tab), repl = line.substr(tab + 1);
  if (key.empty()) {
    notes.push_back(where(name, number) + ": empty first field; skipped");
    return false;
  }
  if (key.size() > key_max || repl.size() > repl_max) {
    notes.push_back(where(name, number) + ": a field is too long (at most " +
                    std::to_string(key_max) + " and " + std::to_string(repl_max) +
                    " characters); skipped");
    return false;
  }
  out = Pair{std::string(key), std::string(repl), number};
  return true;
}

void drop_duplicates(std::vector<Pair>& pairs, std::string_view name,
                     std::vector<std::string>& notes) {
  std::vector<Pair> kept;
  for (Pair& p : pairs) {
    auto same = std::find_if(kept.begin(), kept.end(), [&](const Pair& k) { return k.key == p.key; });
    if (same != kept.end()) {
      notes.push_back(where(name, p.line) + ": \"" + p.key + "\" repeats line " +
                      std::to_string(same->line) + "; skipped");
      continue;
    }
    kept.push_back(std::move(p));
  }
  pairs = std::move(kept);
}

// The text's lines go after the generated pairs and take their place.
void merge_generated(std::vector<Pair>& pairs,
                     std::span<const std::pair<std::string, std::string>> generated) {
  if (generated.empty()) return;
  std::vector<Pair> merged;
  merged.reserve(generated.size() + pairs.size());
  std::unordered_map<std::string, std::size_t> at;
  for (const auto& [key, repl] : generated) {
    if (at.count(key)) continue;
    at.emplace(key, merged.size());
    merged.push_back(Pair{key, repl, 0});
  }
  for (Pair& p : pairs) {
    if (auto it = at.find(p.key); it != at.end()) {
      merged[it->second] = std::move(p);
      continue;
    }
    at.emplace(p.key, merged.size());
    merged.push_back(std::move(p));
  }
  pairs = std::move(merged);
}

void sort_by_key(std::vector<Pair>& pairs) {
  std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
    return compare_bytes(a.key, b.key) < 0;
  });
}

}  // namespace

Result<std::vector<grammar::PolishRecord>> parse_polish(
    std::string_view text, std::string_view name, std::vector<std::string>& notes,
    std::span<const std::pair<std::string, std::string>> generated) {
  if (Status s = check_text(text, name); !s) return s.error();
  std::vector<Pair> pairs;
  int number = 0;
  for (std::string_view line : raw_lines(text)) {
    ++number;
    if (blank(line) || line[0] == '#') continue;
    Pair p;
    if (read_pair(line, number, name, sizeof(grammar::PolishRecord::key) - 1,
                  sizeof(grammar::PolishRecord::replacement) - 1, notes, p))
      pairs.push_back(std::move(p));
  }
  drop_duplicates(pairs, name, notes);
  merge_generated(pairs, generated);
  sort_by_key(pairs);
  std::vector<grammar::PolishRecord> out;
  for (const Pair& p : pairs) {
    if (p.key == p.replacement) continue;  // the regular form stays
    if (p.key.size() >= sizeof(grammar::PolishRecord::key) ||
        p.replacement.size() >= sizeof(grammar::PolishRecord::replacement))
      continue;  // (only generated pairs can be this long; text lines were checked)
    grammar::PolishRecord r{};
    set_field(r.key, p.key);
    set_field(r.replacement, p.replacement);
    out.push_back(r);
  }
  return out;
}

Result<std::vector<grammar::PhraseRepairRecord>> parse_phrase_repairs(
    std::string_view text, std::string_view name, std::vector<std::string>& notes) {
  if (Status s = check_text(text, name); !s) return s.error();
  std::vector<Pair> verb, word;
  std::vector<Pair>* section = nullptr;
  int number = 0;
  for (std::string_view line : raw_lines(text)) {
    ++number;
    if (blank(line) || line[0] == '#') continue;
    if (line == kVerbSectionHeader) {
      section = &verb;
      continue;
    }
    if (line == kWordSectionHeader) {
      section = &word;
      continue;
    }
    if (!section)
      return make_error(ErrorKind::corrupt, where(name, number) + ": entry before the \"" +
                                                std::string(kVerbSectionHeader) + "\" line");
    Pair p;
    if (read_pair(line, number, name, sizeof(grammar::PhraseRepairRecord::pattern) - 1,
                  sizeof(grammar::PhraseRepairRecord::replacement) - 1, notes, p))
      section->push_back(std::move(p));
  }
  // The verb section is searched in file order by its fixed record numbers.
  if (verb.size() != kVerbPhraseRepairs)
    return make_error(ErrorKind::corrupt,
                      std::string(name) + ": the verb-phrase section holds " +
                          std::to_string(verb.size()) + " entries; it must hold exactly " +
                          std::to_string(kVerbPhraseRepairs));
  drop_duplicates(word, name, notes);
  sort_by_key(word);
  std::vector<grammar::PhraseRepairRecord> out;
  for (const auto* part : {&verb, &word})
    for (const Pair& p : *part) {
      grammar::PhraseRepairRecord r{};
      set_field(r.pattern, p.key);
      set_field(r.replacement, p.replacement);
      r.length.set(static_cast<std::int16_t>(p.key.size()));
      out.push_back(r);
    }
  return out;
}

Result<std::vector<grammar::FinalPolishRecord>> parse_final_polish(
    std::string_view text, std::string_view name, std::vector<std::string>& notes,
    std::span<const std::pair<std::string, std::string>> generated) {
  if (Status s = check_text(text, name); !s) return s.error();
  std::vector<Pair> pairs;
  int number = 0;
  for (std::string_view line : raw_lines(text)) {
    ++number;
    if (blank(line) || line[0] == '#') continue;
    Pair p;
    if (!read_pair(line, number, name, sizeof(grammar::FinalPolishRecord::match) - 1,
                   sizeof(grammar::FinalPolishRecord::replacement) - 1, notes, p))
      continue;
    // Sentences are matched with their word's first letter lower-cased, so a
    // capital here could never match.
    if (is_ascii_upper(p.key[0])) {
      notes.push_back(where(name, number) + ": the match text begins with a capital; skipped");
      continue;
    }
    pairs.push_back(std::move(p));
  }
  merge_generated(pairs, generated);
  std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
    return static_cast<unsigned char>(ascii_lower(a.key[0])) <
           static_cast<unsigned char>(ascii_lower(b.key[0]));
  });
  std::vector<grammar::FinalPolishRecord> out;
  for (const Pair& p : pairs) {
    grammar::FinalPolishRecord r{};
    set_field(r.match, p.key);
    set_field(r.replacement, p.replacement);
    r.match_length = static_cast<std::uint8_t>(p.key.size());
    r.replacement_length = static_cast<std::uint8_t>(p.replacement.size());
    out.push_back(r);
  }
  return out;
}

}  // namespace kelvo::mkdata
