// English words from WordNet's index and exception files (Debian's
// wordnet-base): which words are verbs and nouns, and the singular of an
// irregular plural. The sense shaper asks it whether a sense's head is a word
// it can inflect.
#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "base/status.h"

namespace kelvo::mkdata {

inline constexpr const char* kDefaultWordNetDir = "/usr/share/wordnet";

class EnglishWords {
 public:
  // Reads index.verb, index.noun and noun.exc from `dir`.
  static Result<EnglishWords> load(const std::string& dir);

  bool empty() const { return verbs_.empty(); }
  bool is_verb(std::string_view w) const { return verbs_.count(std::string(w)) != 0; }
  bool is_noun(std::string_view w) const { return nouns_.count(std::string(w)) != 0; }
  // The singular of a plural noun ("surveyors" -> "surveyor", "children" ->
  // "child"), or "" when the word is not a plural that WordNet knows.
  std::string singular(std::string_view w) const;

  // For tests: words given directly.
  void add_verb(std::string w) { verbs_.insert(std::move(w)); }
  void add_noun(std::string w) { nouns_.insert(std::move(w)); }
  void add_plural(std::string plural, std::string singular) {
    plurals_.emplace(std::move(plural), std::move(singular));
  }

 private:
  std::unordered_set<std::string> verbs_, nouns_;
  std::unordered_map<std::string, std::string> plurals_;
};

}  // namespace kelvo::mkdata
