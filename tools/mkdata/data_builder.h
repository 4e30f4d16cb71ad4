// The whole build: read every input, build every table in memory, then write
// all files together, so that a fault in any input leaves the output untouched.
#pragma once
#include <string>
#include <vector>

#include "base/status.h"
#include "mkdata/english_words.h"

namespace kelvo::mkdata {

inline constexpr const char* kDefaultWhitakerDir = "/usr/share/whitakers-words";

struct BuildOptions {
  std::string whitaker_dir = kDefaultWhitakerDir;
  std::string sources_dir;  // the project's data/ folder
  std::string out_dir;
  std::string wordnet_dir = kDefaultWordNetDir;  // English words for the sentence senses
};

struct WrittenFile {
  std::string name;
  std::size_t records = 0;
  std::size_t bytes = 0;
};

struct BuildReport {
  std::vector<WrittenFile> files;
  int dictionary_records = 0;      // DICTFILE.GEN records read
  int continuations = 0;           // of them, continuation records joined
  int citations_missing = 0;
  std::vector<std::string> notes;  // skipped source lines and other warnings
  // Sentence senses of verbs and nouns whose head is no word the generator
  // knows how to inflect ("entry meaning -> chosen sense"), and how many were shaped.
  int verb_senses = 0, noun_senses = 0;
  std::vector<std::string> verbs_without_head, nouns_without_head;
  // Irregular English forms made from WordNet, and the keys left out because
  // a real word is spelled the same.
  std::size_t irregular_forms = 0;
  std::vector<std::string> irregular_left_out;
};

Result<BuildReport> build_data(const BuildOptions& options);

}  // namespace kelvo::mkdata
