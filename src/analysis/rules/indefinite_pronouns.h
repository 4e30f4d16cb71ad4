// Compound pronouns and pronominal adjectives built on qui/quis, uter, qualis,
// quantus and plerus with a fixed particle (quidam, quisque, uterque,
// qualiscumque, plerique ...), which the dictionary does not hold.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/split_off_token.h"
#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

// One reading of an inflected stem form.
struct PronounStemForm {
  std::string_view form;  // at most 9 characters
  grammar::Code gcase, number, gender;
};
inline constexpr int kPronounStemForms = 131;
std::span<const PronounStemForm> pronoun_stem_table();

struct PronounParticle {
  std::string_view ending;
  int kind;
  std::string_view enclitic;  // "", "que" or "ne"
  int min_length;             // the word must be longer than this
};
std::span<const PronounParticle> pronoun_particle_table();

// The meaning of a resulting kind (particle kind plus stem class), or "".
std::string_view pronoun_meaning(int kind);
// The stem class added to the kind: "qual" 16, "quant" 32, "ut" 48, "pler" 64.
int pronoun_stem_class(std::string_view stem);

// When the rule is tried: "qu"/"cu" or "utr"/"ute" words longer than 5, "pler"
// words longer than 4 (first letter taken in lower case).
bool may_be_indefinite_pronoun(std::string_view word);

// True when the rule gives the word readings (particle, meaning and stem form
// all found).
bool indefinite_pronoun_reads_whole(std::string_view word);

// Too many readings for one word.
inline constexpr int kMaxPronounAnalyses = 131;
inline constexpr const char* kTooManyQuidam = "Too many quidam entries.\n";

struct PronounResult {
  std::vector<Candidate> readings;       // SADJ analyses of the word
  std::optional<SplitOffToken> enclitic;  // "que"/"ne", read before the word
  std::string word;                       // the word with the enclitic cut off
};

// The compound's headword, as dictionaries cite it: the nominative
// singular masculine of its stem with the particle (quendam and quaedam ->
// quidam, cuiquam -> quisquam, utraque -> uterque, qualicumque ->
// qualiscumque); "" when the word is no compound pronoun.
std::string pronoun_headword(std::string_view word);

// Readings of the word as a compound pronoun; empty when it is none.
PronounResult analyse_indefinite_pronoun(const WordAnalyzer& wa, std::string_view word,
                                         AnalysisContext& ctx);

}  // namespace kelvo::analysis
