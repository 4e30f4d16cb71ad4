#include "grammar/lexicon.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <type_traits>

#include "base/text.h"
#include "grammar/table_checks.h"
#include "grammar/table_sums.h"

namespace kelvo::grammar {

namespace {

std::string path_in(const std::string& dir, const char* name) {
  return (std::filesystem::path(dir) / name).string();
}

bool file_exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

Error corrupt(const std::string& file, const std::string& fault) {
  return make_error(ErrorKind::corrupt, file + ": " + fault);
}

// Maps a whole file of fixed-size records (optionally followed by a trailer
// of `trailer_bytes`) and views it as a table. The mapping is kept in `files`.
template <typename T>
Status read_records(const std::string& path, const char* name, std::size_t limit,
                    std::vector<MappedFile>& files, std::span<const T>& out,
                    std::size_t trailer_bytes = 0,
                    std::span<const std::byte>* trailer = nullptr) {
  static_assert(alignof(T) == 1 && std::is_trivially_copyable_v<T>);
  auto mapped = MappedFile::open(path);
  if (!mapped) {
    if (mapped.error().kind == ErrorKind::missing)
      return make_error(ErrorKind::missing, std::string("Cannot open ") + name + " file.");
    return make_error(ErrorKind::io, std::string("Cannot read ") + name + ".");
  }
  const std::size_t size = mapped->size();
  if (size < trailer_bytes || (size - trailer_bytes) % sizeof(T) != 0) {
    return corrupt(path, "size " + std::to_string(size) + " bytes is not a whole number of " +
                             std::to_string(sizeof(T)) + "-byte records" +
                             (trailer_bytes ? " plus the " + std::to_string(trailer_bytes) +
                                                  "-byte index"
                                            : std::string()));
  }
  std::size_t n = (size - trailer_bytes) / sizeof(T);
  if (n > limit) {
    return corrupt(path, "holds " + std::to_string(n) + " records, more than the limit of " +
                             std::to_string(limit));
  }
  auto bytes = mapped->bytes();
  out = n ? std::span<const T>(reinterpret_cast<const T*>(bytes.data()), n) : std::span<const T>();
  if (trailer) *trailer = bytes.subspan(n * sizeof(T), trailer_bytes);
  files.push_back(std::move(*mapped));
  return Status::ok();
}

// An ending of up to eight bytes (never a zero byte) as one number.
bool ending_key(std::string_view ending, std::uint64_t& key) {
  if (ending.size() > 8) return false;
  key = 0;
  for (std::size_t i = 0; i < ending.size(); ++i)
    key |= static_cast<std::uint64_t>(static_cast<unsigned char>(ending[i])) << (8 * i);
  return true;
}

std::size_t ending_slot(std::uint64_t key, std::size_t mask) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 40) & mask;
}

// Whether the records are in the byte order of one of their text fields.
template <typename T, typename Field>
bool is_sorted_by(std::span<const T> v, Field field) {
  for (std::size_t i = 1; i < v.size(); ++i)
    if (compare_fields(field(v[i - 1]), field(v[i])) > 0) return false;
  return true;
}

}  // namespace

class LexiconLoader {
 public:
  LexiconLoader(const std::string& dir, ParseLog& log, CheckedTables* checked)
      : dir_(dir), log_(log), sums_(TableSums::read(dir)), checked_(checked) {
    lex_.data_dir_ = dir;
    // The note of checked tables goes by full paths; without one, it is not asked.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(dir, ec);
    if (ec) checked_ = nullptr;
    full_dir_ = ec ? dir : full.lexically_normal().string();
  }

  Result<Lexicon> load() {
    auto t0 = std::chrono::steady_clock::now();
    if (auto s = load_inflections(); !s) return s.error();
    if (auto s = load_dictionary(); !s) return s.error();
    log_.write("Loading medieval dictionary...File meddict.dat not available.\n");
    lex_.features_off_.push_back("medieval dictionary (meddict.dat absent)");
    if (auto s = polishing(kPolishFile, "Loading translation polishing...", kMaxPolish,
                           lex_.polish_, "Cannot open polish.dat file.\n");
        !s)
      return s.error();
    if (auto s = polishing(kPhraseRepairFile, "Loading phrase polishing...", kMaxPhraseRepairs,
                           lex_.phrase_repairs_, "Cannot open phrasedud.dat file.\n");
        !s)
      return s.error();
    if (auto s = essential(kMeaningsFile, "Loading translations...", kMaxMeanings,
                           lex_.meanings_, "Cannot open 'transl.dat' file.\n");
        !s)
      return s.error();
    if (auto s = check_meaning_indexes(); !s) return s.error();
    if (auto s = polishing(kFinalPolishFile, "Loading final polishing...", kMaxFinalPolish,
                           lex_.final_polish_, "Cannot open FinalPolish.dat file.\n");
        !s)
      return s.error();
    load_botany();
    load_phonetics();
    if (auto s = essential(kAddonsFile, "Loading addons...", kMaxAddons, lex_.addons_,
                           "Cannot open addons.dat file.\n");
        !s)
      return s.error();
    if (!vouched(kAddonsFile) && !is_sorted_by(lex_.addons_,
                      [](const AddonRecord& r) -> const auto& { return r.text; }))
      return refuse(kAddonsFile, "records are not sorted by their text");
    if (auto s = essential(kUniquesFile, "Loading uniques...", kMaxUniques, lex_.uniques_,
                           "Cannot open uniques.dat file.\n");
        !s)
      return s.error();
    if (!vouched(kUniquesFile) && !is_sorted_by(lex_.uniques_,
                      [](const UniqueRecord& r) -> const auto& { return r.latin; }))
      return refuse(kUniquesFile, "records are not sorted by their Latin form");
    for (const UniqueRecord& u : lex_.uniques_) {
      const std::size_t bit = Lexicon::unique_pair_bit(u.latin_text());
      lex_.unique_pairs_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    load_senses();
    load_unique_lines();
    load_english_index();
    lex_.load_ms_ =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    return std::move(lex_);
  }

 private:
  // Whether the file just read is byte for byte the one the data builder
  // wrote and checked; its checks are then not repeated. Asked once per file.
  bool vouch_for_last(const char* name) {
    if (sums_.vouches(name, path_in(full_dir_, name), lex_.files_.back(), checked_))
      lex_.vouched_tables_.emplace_back(name);
    return vouched(name);
  }
  bool vouched(const char* name) const {
    const auto& v = lex_.vouched_tables_;
    return std::find(v.begin(), v.end(), name) != v.end();
  }
  // Whether a table has as many records as when the builder checked the
  // indexes that point into it.
  bool count_as_built(const char* name, std::size_t bytes) const {
    return sums_.size_matches(name, bytes);
  }

  void note_table(const char* name, std::size_t records, std::size_t bytes, bool loaded) {
    lex_.tables_.push_back(TableInfo{name, records, bytes, loaded});
  }

  // A required file that could not be used: a missing one gives its own
  // message (a box only for essential files); a refused one names its fault.
  Error failed(const Status& s, const char* missing_text, bool box) {
    if (s.error().kind == ErrorKind::missing) {
      log_.write(missing_text);
      (void)box;  // the caller shows the returned error
      return make_error(ErrorKind::missing, missing_text);
    }
    log_.printf("%s\n", s.message().c_str());
    return s.error();
  }

  Error refuse(const char* name, const std::string& fault) {
    auto e = corrupt(path_in(dir_, name), fault);
    log_.printf("%s\n", e.message.c_str());
    return e;
  }

  // A table whose file must be there: a missing essential file shows a box, a
  // missing polishing file is only logged; both fail the load.
  template <typename T>
  Status required(const char* name, const char* progress, std::size_t limit,
                  std::span<const T>& v, const char* missing_text, bool box) {
    log_.write(progress);
    auto s = read_records(path_in(dir_, name), name, limit, lex_.files_, v);
    if (!s) return failed(s, missing_text, box);
    // An empty or damaged table would only make every word unknown.
    if (v.empty()) return refuse(name, "holds no records");
    // Only the tables whose records have codes to check are worth a checksum.
    constexpr bool has_checks = std::is_same_v<T, InflectionRecord> ||
                                std::is_same_v<T, UniqueRecord> || std::is_same_v<T, AddonRecord>;
    if (!(has_checks && vouch_for_last(name)))
      if (auto fault = record_fault(v); !fault.empty()) return refuse(name, fault);
    log_.write("Done.\n");
    note_table(name, v.size(), v.size() * sizeof(T), true);
    return Status::ok();
  }

  template <typename T>
  Status essential(const char* name, const char* progress, std::size_t limit, std::span<const T>& v,
                   const char* missing_text) {
    return required(name, progress, limit, v, missing_text, true);
  }

  template <typename T>
  Status polishing(const char* name, const char* progress, std::size_t limit, std::span<const T>& v,
                   const char* missing_text) {
    return required(name, progress, limit, v, missing_text, false);
  }

  Status load_inflections() {
    if (auto s = essential(kInflectsFile, "Loading inflection data...", kMaxInflections,
                           lex_.inflections_, "Cannot open inflects.dat file.\n");
        !s)
      return s;
    // The matching of an ending's records reads them by part of speech.
    const auto& infl = lex_.inflections_;
    for (std::size_t i = 1; !vouched(kInflectsFile) && i < infl.size(); ++i) {
      const int c = compare_fields(infl[i - 1].ending, infl[i].ending);
      if (c > 0 || (c == 0 && infl[i - 1].speech > infl[i].speech))
        return refuse(kInflectsFile, "records are not sorted by ending and part of speech");
    }
    index_endings();
    return Status::ok();
  }

  void index_endings() {
    const auto& infl = lex_.inflections_;
    std::vector<Lexicon::EndingRun> runs;
    for (std::size_t i = 0; i < infl.size(); ++i) {
      std::uint64_t key = 0;
      ending_key(infl[i].ending_text(), key);  // a field holds at most eight bytes
      if (!runs.empty() && runs.back().key == key) {
        ++runs.back().count;
      } else {
        runs.push_back(Lexicon::EndingRun{key, static_cast<std::uint32_t>(i), 1, 0});
        const std::string_view e = infl[i].ending_text();
        if (!e.empty())
          lex_.ending_sizes_[static_cast<unsigned char>(e.back())] |=
              static_cast<std::uint16_t>(1u << e.size());
      }
      const Code speech = infl[i].speech;
      runs.back().speeches |= speech < 32 ? std::uint32_t{1} << speech : ~std::uint32_t{0};
    }
    std::size_t size = 16;
    while (size < 2 * runs.size()) size *= 2;
    auto& slots = lex_.ending_slots_;
    slots.assign(size, Lexicon::EndingRun{});
    for (const auto& run : runs) {
      std::size_t k = ending_slot(run.key, size - 1);
      while (slots[k].count != 0) k = (k + 1) & (size - 1);
      slots[k] = run;
    }
  }

  Status load_dictionary() {
    log_.write("Loading dictionary...");
    std::span<const std::byte> trailer;
    constexpr std::size_t kIndexBytes = kLetterIndexCount * sizeof(LetterIndexRecord);
    auto s = read_records(path_in(dir_, kDictFile), kDictFile, kMaxDictEntries, lex_.files_,
                          lex_.entries_, kIndexBytes, &trailer);
    if (!s) return failed(s, "Cannot open dictUK.dat file.\n", true);
    dict_file_ = lex_.files_.size() - 1;
    lex_.letter_index_ = std::span<const LetterIndexRecord>(
        reinterpret_cast<const LetterIndexRecord*>(trailer.data()), kLetterIndexCount);
    if (lex_.entries_.empty()) return refuse(kDictFile, "holds no records");
    const bool built = vouch_for_last(kDictFile);
    if (!built)
      if (auto fault = record_fault(lex_.entries_); !fault.empty()) return refuse(kDictFile, fault);
    const auto n = static_cast<std::int64_t>(lex_.entries_.size());
    std::int64_t prev = 0;
    for (int k = 0; k < kLetterIndexCount; ++k) {
      std::int64_t v = lex_.letter_index_[static_cast<std::size_t>(k)].first.get();
      if (v < prev || v > n)
        return refuse(kDictFile, "letter index record " + std::to_string(k) + " (" +
                                     std::to_string(v) + ") is out of order or past the " +
                                     std::to_string(n) + " entries");
      prev = v;
    }
    if (prev != n)
      return refuse(kDictFile, "letter index does not end at the entry count " +
                                   std::to_string(n));
    if (!built &&
        !is_sorted_by(lex_.entries_, [](const DictEntry& e) -> const auto& { return e.stem; }))
      return refuse(kDictFile, "entries are not sorted by stem");
    for (int k = 0; k < 26; ++k) {
      auto [first, last] = lex_.letter_range(static_cast<char>('a' + k));
      for (int i : {first, last - 1}) {
        if (first < last && lex_.entries_[static_cast<std::size_t>(i)].stem[0] != 'a' + k)
          return refuse(kDictFile, std::string("letter index of '") + static_cast<char>('a' + k) +
                                       "' does not match the stems");
      }
    }
    log_.write("Done.\n");
    note_table(kDictFile, lex_.entries_.size(),
               lex_.entries_.size() * sizeof(DictEntry) + kIndexBytes, true);
    return Status::ok();
  }

  Status check_meaning_indexes() {
    if (vouched(kDictFile) && count_as_built(kMeaningsFile, lex_.meanings_.size_bytes()))
      return Status::ok();
    const auto meanings = static_cast<std::int64_t>(lex_.meanings_.size());
    for (std::size_t i = 0; i < lex_.entries_.size(); ++i) {
      const auto& e = lex_.entries_[i];
      std::int64_t m = e.meaning_index.get();
      if (e.area() == kBotanyAreaCode) continue;  // botany entries index the botany table
      if (m < 0 || m >= meanings)
        return refuse(kDictFile, "entry " + std::to_string(i) + " (" +
                                     std::string(e.stem_text()) + ") points at meaning " +
                                     std::to_string(m) + ", past the " +
                                     std::to_string(meanings) + " lines of transl.dat");
    }
    return Status::ok();
  }

  void load_botany() {
    std::string path = path_in(dir_, kBotanyFile);
    if (!file_exists(path)) {
      lex_.features_off_.push_back("Botany mode (Botanytransl.dat absent)");
      return;
    }
    // Whether Botany mode is used is the user's choice, asked after the load.
    log_.write("Loading botany database...");
    auto s = read_records(path, kBotanyFile, kMaxBotanyMeanings, lex_.files_,
                          lex_.botany_meanings_);
    if (s && lex_.botany_meanings_.empty()) s = corrupt(path, "holds no records");
    if (!s) {
      log_.printf("%s\n", s.message().c_str());
      lex_.load_warnings_.push_back(s.message() + "; Botany mode is off.");
      lex_.botany_meanings_ = {};
      lex_.features_off_.push_back("Botany mode (Botanytransl.dat refused)");
      return;
    }
    log_.write("Done.\n");
    note_table(kBotanyFile, lex_.botany_meanings_.size(),
               lex_.botany_meanings_.size() * sizeof(MeaningLine), true);
  }

  // Optional: without it sentences render the meanings as they stand. It
  // writes no progress line, so the parse log of a run reads as before.
  void load_senses() {
    std::string path = path_in(dir_, kSensesFile);
    if (!file_exists(path)) {
      lex_.features_off_.push_back("sentence senses (senses.dat absent)");
      return;
    }
    auto s = read_records(path, kSensesFile, kMaxSenses, lex_.files_, lex_.senses_);
    if (!s || lex_.senses_.size() != lex_.meanings_.size() + lex_.uniques_.size()) {
      lex_.features_off_.push_back("sentence senses (senses.dat does not match transl.dat and "
                                   "uniques.dat)");
      lex_.senses_ = {};
      return;
    }
    note_table(kSensesFile, lex_.senses_.size(), lex_.senses_.size() * sizeof(SenseRecord), true);
  }

  // Optional: without it, or when it does not fit, the entries are found again
  // at first use.
  void load_unique_lines() {
    const std::string path = path_in(dir_, kUniqueLinesFile);
    if (!file_exists(path)) return;
    auto& lines = lex_.unique_lines_;
    bool fits = read_records(path, kUniqueLinesFile, kMaxUniques, lex_.files_, lines) &&
                lines.size() == lex_.uniques_.size();
    for (std::size_t u = 0; fits && u < lines.size(); ++u)
      fits = lines[u].get() >= -1 && lines[u].get() < static_cast<std::int64_t>(lex_.meanings_.size());
    if (!fits) {
      log_.printf("%s does not fit uniques.dat and transl.dat: not used.\n", kUniqueLinesFile);
      lines = {};
      return;
    }
    note_table(kUniqueLinesFile, lines.size(), lines.size_bytes(), true);
  }

  void load_phonetics() {
    std::string path = path_in(dir_, kPhoneticFile);
    const std::size_t warnings_before = lex_.load_warnings_.size();
    if (file_exists(path)) {
      auto s = read_records(path, kPhoneticFile, kMaxPhonetics, lex_.files_, lex_.phonetics_);
      if (!s) {
        std::size_t whole = 0;
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0)
          whole = static_cast<std::size_t>(st.st_size) / sizeof(PhoneticRecord);
        char text[200];
        std::snprintf(text, sizeof text,
                      "Incomplete load of phonetics data (%zu entries).\nShould be %zu "
                      "entries.\nCheck file phoneticuk.dat.",
                      whole, whole + 1);
        lex_.load_warnings_.emplace_back(text);
        log_.printf("%s\n", text);
        lex_.phonetics_ = {};
      } else if (vouch_for_last(kPhoneticFile) &&
                 count_as_built(kDictFile, lex_.files_[dict_file_].size())) {
        // As the builder wrote and checked it, against this dictionary.
      } else if (!is_sorted_by(lex_.phonetics_,
                               [](const PhoneticRecord& r) -> const auto& { return r.key; })) {
        log_.write("phoneticuk.dat: keys are not sorted.\n");
        lex_.phonetics_ = {};
      } else {
        for (const auto& r : lex_.phonetics_) {
          auto e = r.entry.get();
          if (e < 0 || static_cast<std::size_t>(e) >= lex_.entries_.size()) {
            log_.write("phoneticuk.dat: a record points past the dictionary.\n");
            lex_.phonetics_ = {};
            break;
          }
        }
      }
      log_.write("Loading phonetics...Done.\n");
    }
    if (lex_.phonetics_.empty()) {
      // A file that is there but refused is said once, with its path.
      if (file_exists(path) && lex_.load_warnings_.size() == warnings_before)
        lex_.load_warnings_.push_back(path + ": refused (no records, keys out of order, or a "
                                             "record past the dictionary); the coded phonetic "
                                             "search is used instead.");
      log_.write("File phoneticuk.dat not available. Using coded phonetics search.\n");
      lex_.features_off_.push_back("phonetic table (coded phonetics used instead)");
    } else {
      note_table(kPhoneticFile, lex_.phonetics_.size(),
                 lex_.phonetics_.size() * sizeof(PhoneticRecord), true);
    }
  }

  // Optional: without it only the English-to-Latin lookup is missing. Its
  // records are checked at their first use (Lexicon::check_english_index).
  void load_english_index() {
    std::string path = path_in(dir_, kEnglishIndexFile);
    auto& index = lex_.english_index_;
    std::string fault;
    if (!file_exists(path)) {
      fault = "absent";
    } else if (auto s = read_records(path, kEnglishIndexFile, kMaxEnglishIndex, lex_.files_, index);
               !s) {
      log_.printf("%s\n", s.message().c_str());
      fault = "refused";
    }
    if (fault.empty()) {
      lex_.english_check_->sums = sums_;
      lex_.english_check_->counts_as_built =
          count_as_built(kDictFile, lex_.files_[dict_file_].size()) &&
          count_as_built(kMeaningsFile, lex_.meanings_.size_bytes());
      note_table(kEnglishIndexFile, index.size(), index.size_bytes(), true);
      return;
    }
    index = {};
    lex_.features_off_.push_back(std::string("English lookup (english.dat ") + fault + ")");
  }

  std::string dir_;
  std::string full_dir_;  // dir_ made absolute (dir_ when that failed)
  ParseLog& log_;
  TableSums sums_;
  CheckedTables* checked_;  // the note of checked tables, or none
  std::size_t dict_file_ = 0;         // the dictionary's place in lex_.files_
  Lexicon lex_;
};

void Lexicon::check_english_index() const {
  std::call_once(english_check_->once, [this] {
    auto& index = english_index_;
    if (index.empty()) return;
    std::string fault;
    if (english_check_->sums.vouches(kEnglishIndexFile, std::as_bytes(index)) &&
        english_check_->counts_as_built) {
      // As the builder wrote and checked it, against these tables.
      vouched_tables_.emplace_back(kEnglishIndexFile);
    } else if (!is_sorted_by(index,
                             [](const EnglishIndexRecord& r) -> const auto& { return r.word; })) {
      fault = "refused: words not sorted";
    } else {
      for (const auto& r : index)
        if (r.meaning.get() < 0 || static_cast<std::size_t>(r.meaning.get()) >= meanings_.size() ||
            r.entry.get() < 0 || static_cast<std::size_t>(r.entry.get()) >= entries_.size())
          fault = "refused: a record points past the dictionary";
    }
    if (fault.empty()) return;
    index = {};
    std::erase_if(tables_, [](const TableInfo& t) { return t.file == kEnglishIndexFile; });
    features_off_.push_back(std::string("English lookup (english.dat ") + fault + ")");
  });
}

std::pair<int, int> Lexicon::letter_range(char c) const {
  if (letter_index_.size() != kLetterIndexCount) return {0, 0};
  auto at = [&](int k) { return letter_index_[static_cast<std::size_t>(k)].first.get(); };
  auto u = static_cast<unsigned char>(c);
  if (u < 'a') return {0, at(0)};
  if (u > 'z') return {0, 0};
  int k = u - 'a';
  return {at(k), at(k + 1)};
}

Lexicon::EndingInflections Lexicon::inflections_of_ending(std::string_view ending) const {
  if (ending_slots_.empty() || ending.size() > 8) return {};
  // Most of a word's splits have no ending of their length with their last
  // letter: told before the ending is made a key.
  if (!ending.empty() &&
      !(ending_sizes_[static_cast<unsigned char>(ending.back())] >> ending.size() & 1u))
    return {};
  std::uint64_t key = 0;
  ending_key(ending, key);
  const std::size_t mask = ending_slots_.size() - 1;
  for (std::size_t k = ending_slot(key, mask);; k = (k + 1) & mask) {
    const EndingRun& r = ending_slots_[k];
    if (r.count == 0) return {};
    if (r.key == key) return {inflections_.subspan(r.first, r.count), r.speeches};
  }
}

Result<Lexicon> load_lexicon(const std::string& data_dir, ParseLog& log,
                             CheckedTables* checked) {
  return LexiconLoader(data_dir, log, checked).load();
}

void load_high_speed_hash(Lexicon& lex, bool allow, ParseLog& log) {
  lex.hash_records_.clear();
  lex.hash_words_.clear();
  if (!allow) {
    log.write("High-speed hash data turned off by user.");
    lex.features_off_.push_back("high-speed hash (turned off by user)");
    return;
  }
  log.write("Loading high-speed hash data...");
  auto fail = [&](const char* why) {
    log.write("Failure with high speed hash file. This feature disabled.\n");
    lex.hash_records_.clear();
    lex.hash_words_.clear();
    lex.features_off_.push_back(std::string("high-speed hash (") + why + ")");
  };
  std::string path = path_in(lex.data_dir_, kHashFile);
  if (!file_exists(path)) return fail("fixedhashfile.dat absent");
  std::span<const HashRecord> mapped;
  std::vector<MappedFile> files;
  auto s = read_records(path, kHashFile, kHashRecords, files, mapped);
  if (!s || mapped.size() != kHashRecords) return fail("fixedhashfile.dat refused");
  lex.hash_records_.assign(mapped.begin(), mapped.end());
  // Build the word index: one slot per run of equal words, in file order.
  std::vector<HashWord> words;
  std::string prev = "-1";
  int prev_first = 0;
  for (std::size_t i = 0; i < lex.hash_records_.size(); ++i) {
    auto& r = lex.hash_records_[i];
    r.text[75] = '\0';
    std::string w;
    for (std::size_t j = 52; j < 76 && r.text[j]; ++j)
      if (r.text[j] != '.') w.push_back(r.text[j]);
    if (w != prev) {
      if (prev.size() <= 24) words.push_back(HashWord{prev, prev_first});
      prev = w;
      prev_first = static_cast<int>(i);
    }
  }
  words.push_back(HashWord{prev, prev_first});
  double pct = std::round(static_cast<double>(words.size() - 1) / kHashWords * 100.0 * 100.0) / 100.0;
  if (pct != 100.0) return fail("fixedhashfile.dat does not hold 326 words");
  lex.hash_words_ = std::move(words);
  log.write("Done.\n");
  lex.tables_.push_back(TableInfo{kHashFile, lex.hash_records_.size(),
                                  lex.hash_records_.size() * sizeof(HashRecord), true});
}

}  // namespace kelvo::grammar
