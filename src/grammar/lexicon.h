// The lexical tables, loaded once at start-up and immutable afterwards.
// Several translators may read one Lexicon from several threads.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/host.h"
#include "base/mapped_file.h"
#include "base/options.h"
#include "base/parse_log.h"
#include "base/status.h"
#include "grammar/diphthong_stems.h"
#include "grammar/records.h"
#include "grammar/stem_keys.h"
#include "grammar/table_sums.h"

namespace kelvo::grammar {

// Upper limits per table; a file holding more records is refused.
inline constexpr std::size_t kMaxInflections = 4'000;
inline constexpr std::size_t kMaxDictEntries = 400'000;
inline constexpr std::size_t kMaxMeanings = 200'000;
inline constexpr std::size_t kMaxBotanyMeanings = 50'000;
// WordNet 3.0's verb and noun exception lists hold about 4,400 forms (one key
// each at most) and polish.txt some dozens more.
inline constexpr std::size_t kMaxPolish = 6'000;
inline constexpr std::size_t kMaxPhraseRepairs = 2'000;
inline constexpr std::size_t kMaxFinalPolish = 2'000;
inline constexpr std::size_t kMaxPhonetics = 400'000;
inline constexpr std::size_t kMaxAddons = 1'000;
inline constexpr std::size_t kMaxUniques = 4'000;
inline constexpr std::size_t kMaxSenses = kMaxMeanings + kMaxUniques;
inline constexpr std::size_t kHashRecords = 1'172;
inline constexpr std::size_t kMaxEnglishIndex = 1'000'000;
inline constexpr std::size_t kHashWords = 326;

// Data file names (lower case, as written by the builder).
inline constexpr const char* kInflectsFile = "inflects.dat";
inline constexpr const char* kDictFile = "dictUK.dat";
inline constexpr const char* kPolishFile = "polish.dat";
inline constexpr const char* kPhraseRepairFile = "phrasedud.dat";
inline constexpr const char* kMeaningsFile = "transl.dat";
inline constexpr const char* kFinalPolishFile = "finalpolish.dat";
inline constexpr const char* kBotanyFile = "Botanytransl.dat";
inline constexpr const char* kPhoneticFile = "phoneticuk.dat";
inline constexpr const char* kAddonsFile = "addons.dat";
inline constexpr const char* kUniquesFile = "uniques.dat";
inline constexpr const char* kHashFile = "fixedhashfile.dat";
inline constexpr const char* kMedievalDictFile = "meddict.dat";
inline constexpr const char* kSensesFile = "senses.dat";
inline constexpr const char* kEnglishIndexFile = "english.dat";
inline constexpr const char* kUniqueLinesFile = "uniquelines.dat";

struct TableInfo {
  std::string file;
  std::size_t records = 0;
  std::size_t bytes = 0;
  bool loaded = false;
};

// One slot of the hash word index: a word and the first record of its group.
struct HashWord {
  std::string word;
  int first_record = 0;
};

class Lexicon {
 public:
  std::span<const DictEntry> entries() const { return entries_; }
  std::span<const LetterIndexRecord> letter_index() const { return letter_index_; }
  std::span<const InflectionRecord> inflections() const { return inflections_; }
  std::span<const MeaningLine> meanings() const { return meanings_; }
  std::span<const MeaningLine> botany_meanings() const { return botany_meanings_; }
  std::span<const PolishRecord> polish() const { return polish_; }
  std::span<const PhraseRepairRecord> phrase_repairs() const { return phrase_repairs_; }
  std::span<const FinalPolishRecord> final_polish() const { return final_polish_; }
  std::span<const PhoneticRecord> phonetics() const { return phonetics_; }
  std::span<const AddonRecord> addons() const { return addons_; }
  std::span<const UniqueRecord> uniques() const { return uniques_; }
  std::span<const HashRecord> hash_records() const { return hash_records_; }
  // The sentence English of meaning line i and of unique u (null when the
  // senses file was absent or does not match the tables).
  const SenseRecord* meaning_sense(std::size_t i) const {
    return i < meanings_.size() && !senses_.empty() ? &senses_[i] : nullptr;
  }
  const SenseRecord* unique_sense(std::size_t u) const {
    return u < uniques_.size() && !senses_.empty() ? &senses_[meanings_.size() + u] : nullptr;
  }
  // For every unique, the meaning line of the dictionary entry it is a form
  // of (-1 for none), as the data builder found them; empty when the file is
  // absent or does not fit these tables, and then they are found at first use.
  std::span<const LeI32> unique_lines() const { return unique_lines_; }
  // The English-to-Latin index; empty when english.dat is absent or refused.
  // Its records are checked at its first use (here, or by the three lists
  // above that report on the tables): only a search from English reads it,
  // and reading its five megabytes at every start was a third of a start-up.
  std::span<const EnglishIndexRecord> english_index() const {
    check_english_index();
    return english_index_;
  }
  // Slot 0 is the sentinel "-1"; slots 1..326 the words in ascending order.
  const std::vector<HashWord>& hash_words() const { return hash_words_; }

  // Range [first, last) of dictionary entries whose stem begins with `c`;
  // a first character below 'a' searches from 0 to the start of 'a', one
  // above 'z' finds nothing.
  std::pair<int, int> letter_range(char c) const;

  // The stems beginning with `first` and their keys for the stem searches
  // (a capital's stems are only those beginning with it; see StemKeys).
  LetterStems letter_stems(char first) const { return stem_keys_->letter(*this, first); }

  // The inflection records of one ending (the table is sorted by ending, then
  // by part of speech, so they are one run); empty when no record has it.
  // Found through a table of the distinct endings made at load, so no
  // record's field is scanned. With the run, the parts of speech its records
  // have: bit s set for part of speech s (every bit when one is past 31), so
  // that an entry of another part of speech is told at once that nothing fits.
  struct EndingInflections {
    std::span<const InflectionRecord> records;
    std::uint32_t speeches = 0;
  };
  EndingInflections inflections_of_ending(std::string_view ending) const;

  // Whether some unique may be this word: false when none begins with the
  // word's first two bytes (their set is made at load, hashed into a few
  // words), so most words are no unique without a search of the uniques.
  bool may_be_unique(std::string_view word) const {
    const std::size_t bit = unique_pair_bit(word);
    return unique_pairs_[bit / 64] >> (bit % 64) & 1u;
  }

  bool has_botany() const { return !botany_meanings_.empty(); }
  bool has_phonetics() const { return !phonetics_.empty(); }
  bool has_hash() const { return !hash_words_.empty(); }

  const std::string& data_dir() const { return data_dir_; }
  const std::vector<TableInfo>& tables() const {
    check_english_index();
    return tables_;
  }
  // Features switched off because an optional file was absent or refused.
  const std::vector<std::string>& features_off() const {
    check_english_index();
    return features_off_;
  }
  double load_ms() const { return load_ms_; }
  // The tables the data builder's sums vouched for, whose checks the load skipped.
  const std::vector<std::string>& vouched_tables() const {
    check_english_index();
    return vouched_tables_;
  }
  // Warnings of the load that the user should see (a table partly refused).
  const std::vector<std::string>& load_warnings() const { return load_warnings_; }

  // The uniques' headwords, which the analysis derives from these tables by
  // `make` on first use: made once and shared by every analyser and thread
  // reading this lexicon (making them costs several times the load).
  using CitationMaker = std::vector<std::string> (*)(const Lexicon&);
  const std::vector<std::string>& unique_citations(CitationMaker make) const {
    std::call_once(citations_->once, [&] { citations_->strings = make(*this); });
    return citations_->strings;
  }

  // Whether the respelling `word`, with "ae" or "oe" at `at` for a written
  // "e", may have dictionary readings (false only when no stem or ending can).
  bool may_read_diphthong(std::string_view word, std::size_t at) const {
    return diphthongs_->may_read(*this, word, at);
  }

 private:
  friend class LexiconLoader;
  friend void load_high_speed_hash(Lexicon&, bool, ParseLog&);
  struct Citations {
    std::once_flag once;
    std::vector<std::string> strings;
  };
  std::shared_ptr<Citations> citations_ = std::make_shared<Citations>();
  // What the check of english.dat at its first use needs of the load.
  struct EnglishCheck {
    std::once_flag once;
    TableSums sums;                // the data builder's word on the files
    bool counts_as_built = false;  // the dictionary and meanings it points into
  };
  std::shared_ptr<EnglishCheck> english_check_ = std::make_shared<EnglishCheck>();
  void check_english_index() const;
  std::shared_ptr<DiphthongStems> diphthongs_ = std::make_shared<DiphthongStems>();
  std::shared_ptr<StemKeys> stem_keys_ = std::make_shared<StemKeys>();
  // The tables are views into the mapped data files.
  std::vector<MappedFile> files_;
  std::span<const DictEntry> entries_;
  std::span<const LetterIndexRecord> letter_index_;
  std::span<const InflectionRecord> inflections_;
  // One run per distinct ending, by the ending packed into a number, in an
  // open-addressed table of a power-of-two size (an empty slot counts 0).
  struct EndingRun {
    std::uint64_t key = 0;
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    std::uint32_t speeches = 0;
  };
  std::vector<EndingRun> ending_slots_;
  // Per last letter, bit n set when some ending of n letters ends with it.
  std::uint16_t ending_sizes_[256] = {};
  std::span<const MeaningLine> meanings_;
  std::span<const MeaningLine> botany_meanings_;
  std::span<const PolishRecord> polish_;
  std::span<const PhraseRepairRecord> phrase_repairs_;
  std::span<const FinalPolishRecord> final_polish_;
  std::span<const PhoneticRecord> phonetics_;
  std::span<const AddonRecord> addons_;
  std::span<const UniqueRecord> uniques_;
  static std::size_t unique_pair_bit(std::string_view text) {
    const auto first = text.empty() ? 0u : static_cast<unsigned char>(text[0]);
    const auto second = text.size() < 2 ? 0u : static_cast<unsigned char>(text[1]);
    return (first * 31u + second) % (64u * kUniquePairWords);
  }
  static constexpr std::size_t kUniquePairWords = 16;
  std::uint64_t unique_pairs_[kUniquePairWords] = {};
  std::span<const SenseRecord> senses_;
  // The check of english.dat at its first use may refuse it, and reports
  // on it in the lists below: they change only inside its call_once.
  mutable std::span<const EnglishIndexRecord> english_index_;
  std::span<const LeI32> unique_lines_;
  std::vector<HashRecord> hash_records_;
  std::vector<HashWord> hash_words_;
  std::string data_dir_;
  mutable std::vector<TableInfo> tables_;
  mutable std::vector<std::string> features_off_;
  std::vector<std::string> load_warnings_;
  mutable std::vector<std::string> vouched_tables_;
  double load_ms_ = 0;
};

// Loads the tables in their order, writing progress lines to the log. Essential
// files missing or corrupt give an error naming the file and the fault. The
// load reads files and nothing else: it changes no option and asks nothing
// (whether Botany mode is used is asked afterwards, when its table is there).
// `checked`: the note of tables found right on earlier starts (see
// CheckedTables), asked first and told of the tables found right now;
// without one, every start reads them through.
Result<Lexicon> load_lexicon(const std::string& data_dir, ParseLog& log,
                             CheckedTables* checked = nullptr);

// The last load step: the optional high-speed hash, unless `allow` is off; a
// bad file only switches the feature off (has_hash() tells).
void load_high_speed_hash(Lexicon& lexicon, bool allow, ParseLog& log);

}  // namespace kelvo::grammar
