// The core of word analysis: split a word into stem and ending, find the
// dictionary entries of the stem and the inflections of the ending that fit
// them, and build one candidate analysis for each fitting pair.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/fixed_list.h"
#include "base/host.h"
#include "base/options.h"
#include "base/parse_log.h"
#include "grammar/lexicon.h"
#include "grammar/records.h"
#include "userdata/user_dictionary.h"

namespace kelvo::analysis {


// What rule produced an analysis; a non-zero source puts "~" before the meaning.
enum class Source : std::uint8_t {
  core = 0,
  variant = 1,   // spelling-variant retries
  addon = 2,     // tackons, enclitics, proper names
  prefix = 3,
  numeral = 4,
  pronoun = 5,   // indefinite pronoun compounds
  derived = 6,   // derived words by suffix
};

// Where an analysis's meaning and citation come from.
struct Origin {
  enum class Table : std::uint8_t { none, dictionary, user, botany, unique, builtin };
  Table table = Table::none;
  int index = -1;        // meaning line, or unique record
  Source source = Source::core;
  bool capitalised_entry = false;  // the entry's stem has a capital (Deus, Nonae)
  std::string builtin_meaning;  // for Table::builtin
};

struct Candidate {
  grammar::WordAnalysis analysis{};
  Origin origin;
};

// A reading a rule adds after a word's own (the classical spelling of a known
// word, a second part of speech) counts three steps rarer than its entry:
// the sentence passes, which weigh readings near the commonest, then keep the
// word's own readings unless the added one fits the sentence clearly better.
inline void count_as_added_reading(grammar::WordAnalysis& a) {
  if (a.rarity < 10) a.rarity = static_cast<grammar::Code>(a.rarity + 3 > 9 ? 9 : a.rarity + 3);
}

// Capacities of the per-word work areas, with their messages. Some stems have
// far more than 50 entries in our dictionary ("de" has over 60, deus among
// them), so the entry area holds 200 rather than cut real words off.
inline constexpr int kMaxCandidateEntries = 200;
inline constexpr int kMaxCandidateInflections = 50;
inline constexpr int kMaxSplitWordLength = 31;
inline constexpr int kMaxEndingLength = 7;
inline constexpr const char* kTooManyStems = "Too many tempstems fields.\n";
inline constexpr const char* kTooManyInflections = "Too many tempinflects fields.\n";

// One division of a word: views into the word (or the stem "." for the
// whole word as ending), valid while the word is.
struct Split {
  std::string_view stem;
  std::string_view ending;
};

// Stems of n down to n-7 characters, then the whole word as ending.
inline constexpr std::size_t kMaxSplits = kMaxEndingLength + 2;
using SplitList = FixedList<Split, kMaxSplits>;

// Per-call context: where messages go and which word position is analysed.
struct AnalysisContext {
  ParseLog* log = nullptr;
  WarningGate* warnings = nullptr;
  int position = 0;
  int word_number = 0;
  // Off: only the dictionary, uniques, numerals and names (for measuring
  // what the word-formation and spelling rules cost).
  bool formation_rules = true;
  // The word is written in lower case (or begins its sentence): a name's
  // entry that reads it is used as a common noun (deorum, of the gods, by
  // Deus) and declines in both numbers.
  bool written_lower_case = false;
};

// An analysis made by a rule rather than from a dictionary entry: at the
// context's word position, no links, rarity 1, its meaning in both text
// fields (the "~" flag is the caller's to add).
Candidate builtin_candidate(grammar::Code speech, std::string_view latin, std::string meaning,
                            Source source, const AnalysisContext& ctx);

class WordAnalyzer {
 public:
  WordAnalyzer(const grammar::Lexicon& lexicon, const userdata::UserDictionary* user,
               const TranslationOptions& options);

  const TranslationOptions& options() const { return options_; }
  // A re-run of a sentence may change the area (automatic area selection).
  void set_options(const TranslationOptions& options) { options_ = options; }
  const grammar::Lexicon& lexicon() const { return lexicon_; }
  int age_limit() const { return options_.age_value(); }

  // Every division of the word (cut to 31 characters): stems of n down to
  // n-7 characters (down to 1 for short words), then the whole word as ending
  // with the stem ".".
  static SplitList split_word(std::string_view word);

  // Dictionary entries with exactly this stem whose age fits, appended to `out`
  // (at most kMaxCandidateEntries in all).
  int find_stems(std::string_view stem, std::vector<grammar::DictEntry>& out,
                 AnalysisContext& ctx) const;

  // Inflections of `ending` that fit the entry, with which, variant and stem
  // key resolved; -1 when the ending is not in the table at all.
  int match_inflections(std::string_view ending, const grammar::DictEntry& entry,
                        std::vector<grammar::InflectionRecord>& out, AnalysisContext& ctx) const;

  // Appends one analysis of the entry with the inflection.
  void build_analysis(const grammar::DictEntry& entry, const grammar::InflectionRecord& infl,
                      const Split& split, Source source, const Origin& origin,
                      std::vector<Candidate>& out, AnalysisContext& ctx) const;

  // The core: every split, stems, inflections, filters. Returns analyses added.
  // `accept` (may be null) restricts the entries, e.g. to a tackon's host.
  using EntryFilter = bool (*)(const grammar::DictEntry&, const void* data);
  int analyse_core(std::string_view word, Source source, std::vector<Candidate>& out,
                   AnalysisContext& ctx, EntryFilter accept = nullptr,
                   const void* accept_data = nullptr) const;

  // Whether the respelling `word`, with "ae" or "oe" at `at` for a written
  // "e", may have readings from the core (false only when no stem or ending
  // of the tables can hold the diphthong and the user has no stems).
  bool may_read_diphthong(std::string_view word, std::size_t at) const;

  // Irregular forms analysed whole.
  int analyse_uniques(std::string_view word, std::vector<Candidate>& out,
                      AnalysisContext& ctx) const;

  // The meaning line of an analysis (nullptr for uniques and built-ins).
  const grammar::MeaningLine* meaning_line(const Origin& o) const;
  // The full English meaning text of an analysis's source.
  std::string_view full_meaning(const Origin& o) const;
  // The start of the meaning that a reading shows: the text before its first
  // "/", of which at least the first 32 bytes.
  std::string_view first_sense(const Origin& o) const;
  // The citation form (principal parts) of an analysis's source, or "". A
  // unique is cited by the entry it is a form of (uult: uolo uelle uolui), or
  // by itself when none is found.
  std::string_view citation(const Origin& o) const;

 private:
  Origin origin_of(const grammar::DictEntry& e, Source source) const;

  // The dictionary entries whose stem is exactly `stem` (one run, as the
  // table is sorted by stem).
  std::span<const grammar::DictEntry> stem_run(std::string_view stem) const;
  // Capitalised stems (Deus, Nonae) that a lower-case stem also finds.
  std::span<const grammar::DictEntry> capitalised_stem_run(std::string_view stem) const;
  // The work of find_stems and match_inflections, into a vector or into the
  // in-place lists of analyse_core.
  template <typename List>
  int add_stems(std::string_view stem, List& out, AnalysisContext& ctx) const;
  template <typename List>
  int add_entries(std::span<const grammar::DictEntry> lower,
                  std::span<const grammar::DictEntry> capital, List& out,
                  AnalysisContext& ctx) const;
  template <typename List>
  int add_user_stems(std::string_view stem, List& out) const;
  template <typename List>
  int add_inflections(const grammar::Lexicon::EndingInflections& run, std::string_view ending,
                      const grammar::DictEntry& entry, List& out, AnalysisContext& ctx) const;

  const grammar::Lexicon& lexicon_;
  const userdata::UserDictionary* user_;
  TranslationOptions options_;
};

}  // namespace kelvo::analysis
