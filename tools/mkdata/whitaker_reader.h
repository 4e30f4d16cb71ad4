// Readers of the Whitaker's Words data files into plain structs. Values are
// Whitaker's enumeration positions; code_mapping.h turns them into our codes.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace kelvo::mkdata {

inline constexpr std::size_t kDictRecordSize = 180;
inline constexpr std::size_t kInflectRecordSize = 40;

inline constexpr const char* kDictFileName = "DICTFILE.GEN";
inline constexpr const char* kInflectsFileName = "INFLECTS.SEC";
inline constexpr const char* kUniquesFileName = "UNIQUES.LAT";
inline constexpr const char* kAddonsFileName = "ADDONS.LAT";

// One dictionary entry, continuation records already joined.
struct WhitakerEntry {
  std::array<std::string, 4> stems;  // trimmed as stored; "" or "zzz" means none
  int speech = 0;
  int which = 0;
  int variant = 0;
  int attribute = 0;  // gender, pronoun kind, comparison, numeral sort, verb kind, PREP case
  int noun_kind = 0;
  int age = 0;
  int area = 0;
  int frequency = 0;
  std::string meaning;  // joined, CR removed, trimmed
  int record = 0;       // first DICTFILE record of the entry
};

struct WhitakerDictionary {
  std::vector<WhitakerEntry> entries;
  int records = 0;
  int continuations = 0;
};

// One non-empty INFLECTS.SEC record.
struct WhitakerInflection {
  int speech = 0;
  int which = 0;
  int variant = 0;
  // Nominal: case, number, gender, comparison or numeral sort.
  int gcase = 0, number = 0, gender = 0, degree = 0;
  // VERB: tense, voice, mood, person, number; VPAR adds case/number/gender above.
  int tense = 0, voice = 0, mood = 0, person = 0;
  int stem_key = 0;
  std::string ending;
  int age = 0;
  int frequency = 0;
  int record = 0;
};

// One irregular form of UNIQUES.LAT.
struct WhitakerUnique {
  std::string latin;
  int speech = 0, which = 0, variant = 0;
  int gcase = 0, number = 0, gender = 0, degree = 0;
  int tense = 0, voice = 0, mood = 0, person = 0;
  int kind = 0;  // noun kind, pronoun kind or verb kind
  int age = 0, area = 0, frequency = 0;
  std::string meaning;
  int line = 0;
};

// One TACKON entry of ADDONS.LAT (PACKONs included).
struct WhitakerTackon {
  std::string text;
  int host_speech = 0, host_which = 0, host_variant = 0;
  std::string meaning;  // as written, after the TACKON/PACKON word if any
  int line = 0;
};

// Reads the bytes of a file; an absent or unreadable file names itself.
Result<std::string> read_whole_file(const std::string& path);

Result<WhitakerDictionary> parse_dictfile(std::string_view bytes, std::string_view name);
Result<std::vector<WhitakerInflection>> parse_inflects(std::string_view bytes,
                                                       std::string_view name);
Result<std::vector<WhitakerUnique>> parse_uniques(std::string_view text, std::string_view name);
Result<std::vector<WhitakerTackon>> parse_addons(std::string_view text, std::string_view name);

// Splits text into lines without CR and trailing blanks.
std::vector<std::string> split_lines(std::string_view text);
// Splits a line at runs of blanks.
std::vector<std::string_view> split_words(std::string_view line);
std::string_view trim(std::string_view s);

}  // namespace kelvo::mkdata
