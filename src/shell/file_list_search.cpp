#include "shell/file_list_search.h"

#include <algorithm>

#include "base/text.h"
#include "shell/whole_file.h"
#include "text/input_preparation.h"
#include "text/translation_run.h"

namespace kelvo::shell {

namespace {

constexpr NamedCode kSpeechFilters[] = {
    {"Any", 0},     {"Noun", 1},    {"Pronoun", 2},     {"Verb", 7},         {"Adjective", 4},
    {"VPAR", 8},    {"Tack-on", 13}, {"Supine", 9},     {"Adverb", 6},       {"Conjunction", 11},
    {"Preposition", 10}, {"Numeral", 5}, {"UNKnown", kUnknownSpeech}};

constexpr NamedCode kCaseFilters[] = {
    {"Any", 0},       {"NOM / PRES", 1}, {"VOC / IMPERF", 2}, {"ACC / -", 7},
    {"GEN / FUT", 3}, {"DAT / PLUP", 5}, {"ABL / FUTP", 6},   {"- / PERF", 4},
    {"UNKnown", kUnknownCase}};

// The names fails.txt gives the filters, by code.
constexpr const char* kSpeechHeaderNames[] = {
    "ANY",  "Noun",   "Pronoun",     "UNKnown",     "Adjective", "Numeral", "Adverb",
    "Verb", "VPAR",   "Supine",      "Preposition", "Conjunction", "SADJ",  "Tack-on"};
constexpr const char* kCaseHeaderNames[] = {"ANY",  "Nom/Pres",    "Voc/Imperf",  "Gen/Fut",
                                            "Perf", "Dat/Pluperf", "Abl/FutPerf", "Acc"};

const char* speech_header_name(int code) {
  if (code == 36) return kSpeechHeaderNames[12];
  if (code == kUnknownSpeech) return kSpeechHeaderNames[3];
  return code >= 0 && code <= 13 ? kSpeechHeaderNames[code] : "ANY";
}

const char* case_header_name(int speech, int code) {
  if (speech == kUnknownSpeech) return "ANY";
  return code >= 0 && code <= 7 ? kCaseHeaderNames[code] : "ANY";
}

std::string trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return std::string(s);
}

// An exclude or and item with no lower-case letter of its own says nothing.
bool says_something(std::string_view item) {
  return std::any_of(item.begin(), item.end(),
                     [](char c) { return is_ascii_lower(c) && c != 'j' && c != 'v'; });
}

// The code the case filter compares: a verb's tense, any other word's case.
int case_or_tense(const Reading& r) {
  return r.part_of_speech == PartOfSpeech::verb ? static_cast<int>(r.tense)
                                                : static_cast<int>(r.grammatical_case);
}

std::string joined_tokens(const Sentence& s) {
  std::string out;
  for (const Token& t : s.tokens) {
    if (!out.empty()) out += ' ';
    out += t.text;
  }
  return out;
}

std::string without_dot(std::string_view form) {
  std::string out;
  for (char c : form)
    if (c != '.') out += c;
  return out;
}

}  // namespace

std::string prepared_sentences(std::string_view text) {
  text::InputPreparation preparation(TranslationOptions{}, nullptr);
  std::string out;
  if (!preparation.prepare_memory(text, out)) return {};
  return out;
}

std::span<const NamedCode> speech_filters() { return kSpeechFilters; }
std::span<const NamedCode> case_filters() { return kCaseFilters; }

std::string validate_search(const SearchSettings& s) {
  if (trimmed(s.item).size() < 2 && s.speech != kUnknownSpeech)
    return "Must enter something to search for!";
  if (s.kind != SearchKind::word) return {};
  if (!s.exclude.empty() && s.exclude.compare(0, s.item.size(), s.item) != 0)
    return "For a word-search:\nExclusion item must have same stem as search item, with extra "
           "character(s)!";
  if (s.speech == kVerbSpeech && s.case_tense == kAccusativeCase)
    return "Illegal combination of verb and case";
  if (s.speech != kVerbSpeech && s.case_tense == kPerfectTense)
    return "Illegal combination of non-verb and tense";
  return {};
}

SearchSettings normalise_search(SearchSettings s) {
  s.item = latin_spelling(trimmed(s.item));
  for (std::string* extra : {&s.exclude, &s.and_item}) {
    const std::string t = trimmed(*extra);
    *extra = says_something(t) ? latin_spelling(t) : std::string();
  }
  return s;
}

std::string search_header(const SearchSettings& s) {
  if (s.kind == SearchKind::word) {
    return "--Search items = " + s.item + " Exclude = " + s.exclude + " (Speechtype = " +
           speech_header_name(s.speech) + ". Case/tense type = " +
           case_header_name(s.speech, s.case_tense) + ".)\n--Word Search.\n";
  }
  return "--Search items = " + s.item + " Exclude = " + s.exclude + " And = " + s.and_item +
         ".\n--Text Search.\n";
}

void FileListSearch::search_text(std::string_view path, std::string_view prepared,
                                 std::string& out) {
  while (!prepared.empty()) {
    const std::size_t nl = prepared.find('\n');
    const std::string_view line = prepared.substr(0, nl == std::string_view::npos ? nl : nl + 1);
    prepared.remove_prefix(line.size());
    const std::string copy = latin_spelling(trimmed(line));
    if (copy.find(s_.item) == std::string::npos) continue;
    if (!s_.and_item.empty() && copy.find(s_.and_item) == std::string::npos) continue;
    if (!s_.exclude.empty() && copy.find(s_.exclude) != std::string::npos) continue;
    out += "\n--Searching file...";
    out += path;
    out += '\n';
    out += std::to_string(++hits_);
    out += "***";
    out += line;
  }
}

void FileListSearch::search_sentence(const Sentence& sentence, std::string& out) {
  for (const Token& t : sentence.tokens) {
    if (t.punctuation) continue;
    if (t.readings.empty()) {
      if (s_.speech == kUnknownSpeech) {
        ++hits_;
        out += "[" + t.text + "]\n";
      }
      continue;
    }
    for (const Reading& r : t.readings) {
      if (s_.speech != 0 && s_.speech != static_cast<int>(r.part_of_speech)) continue;
      if (s_.case_tense != 0 && s_.case_tense != case_or_tense(r)) continue;
      const std::string form = without_dot(r.form);
      if (!s_.exclude.empty() && starts_with_nocase(form, s_.exclude)) continue;
      if (s_.item.empty() || !starts_with_nocase(form, s_.item)) continue;
      out += std::to_string(++hits_) + "*** " + form + ": " + joined_tokens(sentence) + "\n";
      break;  // each word once
    }
  }
}

FileListOutcome search_file_list(const SearchSettings& settings, const DirectoryList& list,
                                 const FileSearchHooks& hooks) {
  const SearchSettings s = normalise_search(settings);
  FileListOutcome outcome;
  outcome.fails = search_header(s);
  FileListSearch search(s);
  if (list.files.empty() || list.declared == 0) outcome.fails += std::string(kNoTextFiles) + "\n";
  for (std::size_t n = 0; n < list.files.size(); ++n) {
    if (hooks.keep_going && !hooks.keep_going(n + 1)) {
      outcome.cancelled = true;
      outcome.fails += text::kEscapeMessage;
      break;
    }
    const std::string& path = list.files[n];
    bool longer = false;
    auto raw = read_whole_file(path, kSearchedFileLimit, &longer);
    if (!raw) {
      outcome.fails += "Cannot open file " + path + ".\n";
      continue;
    }
    if (longer)
      outcome.fails += "File " + path + " is longer than " + std::to_string(kSearchedFileLimit) +
                       " bytes: only its start was searched.\n";
    if (s.kind == SearchKind::text) {
      search.search_text(path, hooks.prepare ? hooks.prepare(*raw) : prepared_sentences(*raw),
                         outcome.fails);
    } else {
      const TextAnalysis analysis = hooks.analyse(*raw);
      for (const Sentence& sentence : analysis.sentences) search.search_sentence(sentence, outcome.fails);
      if (analysis.status == RunStatus::cancelled) {
        outcome.cancelled = true;
        outcome.fails += text::kEscapeMessage;
        break;
      }
    }
    ++outcome.searched;
  }
  outcome.fails += "--Search complete.\n";
  outcome.hits = search.hits();
  return outcome;
}

std::string search_report(const FileListOutcome& outcome, const DirectoryList& list,
                          std::int64_t elapsed_ms) {
  if (outcome.cancelled)
    return "Escape pressed. Only " + std::to_string(outcome.searched) +
           " files fully searched and exit.";
  const std::size_t listed = list.declared >= 0 ? static_cast<std::size_t>(list.declared)
                                                : list.files.size();
  if (outcome.searched != listed)
    return "Discrepancy between files saved " + std::to_string(listed) + " and files searched " +
           std::to_string(outcome.searched) + ".\nProbably need to re-make sub-directories.";
  if (listed == 0) return {};
  return "Search complete.\nNo. of files searched was " + std::to_string(outcome.searched) +
         ".\nNo. of search-hits found was " + std::to_string(outcome.hits) +
         ".\nTime taken for search was " + text::elapsed_time_text(elapsed_ms) +
         "\nResults saved to file 'fails.txt' in application directory.";
}

}  // namespace kelvo::shell
