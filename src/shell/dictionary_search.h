// The dictionary looked up by the start of a stem (Search Dictionary, `kelvo
// lookup`), and by an English word of the meanings (`kelvo lookup
// --english`). Both return plain values; the callers format or show them.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "grammar/lexicon.h"
#include "kelvo/kelvo.h"

namespace kelvo::shell {

inline constexpr std::size_t kMaxStemHits = 50;
// Age limits of the stem search: every age when the medieval dictionary is
// loaded, else the widest ordinary setting, whatever the user's AGE.
inline constexpr int kMedievalAgeLimit = 99;
inline constexpr int kStemSearchAgeLimit = 15;
inline constexpr const char* kNoStemsFound = "No matching stems found.";

// One stem record of the dictionary.
struct StemHit {
  std::string stem;
  grammar::Code speech = 0;
  int which = 0;
  int variant = 0;
  std::string grammar_word;  // gender, COMP/SUPER, PERF, or ""
  int rarity = 0;            // 1 (commonest) ...
  int age = 0;
  std::string citation;      // the principal parts
  std::string meaning;
  std::size_t entry = 0;     // index in the dictionary
  int meaning_line = 0;      // index of its meaning line
};

struct StemSearch {
  std::vector<StemHit> hits;  // at most kMaxStemHits
  bool too_many = false;      // more records matched than were kept
};

struct StemSearchOptions {
  bool medieval_dictionary = false;  // the loaded medieval dictionary carries its marker
  bool botany = false;               // Botany mode: its records are shown
};

// Every record whose stem begins with `stem` (j and v read as i and u): first with
// its first letter in lower case, then in upper case, so that common words
// and proper names are both found. An entry's records with the same stem and
// grammar give one hit.
StemSearch search_stems(const grammar::Lexicon& lexicon, std::string_view stem,
                        const StemSearchOptions& options);

// "%-20s %-5s %d %d %-9s %c:%d %s": stem, part of speech, declension or
// conjugation and variant, grammar word, rarity letter, age, meaning.
std::string stem_hit_line(const StemHit& hit);

// The results box of Search Dictionary: one line a hit, then the note that
// there were more; "No matching stems found." when there is none.
std::string stem_search_text(const StemSearch& search);

// One entry found through an English word of its meaning.
struct EnglishHit {
  std::string citation;
  grammar::Code speech = 0;
  std::string meaning;
  int rarity = 0;
  std::size_t entry = 0;
  int meaning_line = 0;  // index in transl.dat: one hit each
  // 0: the first sense is the word; 1: a later sense is; 2: the first sense
  // has it among other words; 3: a later one has.
  int rank = 0;
};

// The entries whose meaning holds `word` (any case), best first: by rank,
// then rarity, then citation. A plural also finds its singular ("kings",
// "cities"). Empty when the index is not loaded.
std::vector<EnglishHit> search_english(const grammar::Lexicon& lexicon, std::string_view word);

// The same searches of an engine's dictionary, for callers that hold only
// the engine (the window, the command line). `medieval_found` adds a medieval
// dictionary put in place after the engine was loaded.
StemSearch search_stems(const Engine& engine, std::string_view stem, bool botany,
                        bool medieval_found = false);
std::vector<EnglishHit> search_english(const Engine& engine, std::string_view word);
bool has_english_index(const Engine& engine);
bool has_medieval_dictionary(const Engine& engine);

}  // namespace kelvo::shell
