// The working storage of the sentence passes: the clause table, the role
// slots, the per-clause lists and the chosen analysis of every word position.
// One per translator, reused for every sentence; nothing in it allocates.
#pragma once
#include <array>
#include <cstdint>

#include "text/sentence_words.h"

namespace kelvo::syntax {

inline constexpr int kMaxClauses = 50;
inline constexpr int kMaxClauseList = 400;  // analyses of one class in a clause
inline constexpr int kMaxSegments = 19;
inline constexpr int kMaxCollected = 19;  // the short collection lists
inline constexpr int kMaxPendingSubjects = 9;

inline constexpr const char* kTooManyClausesFormat =
    "Too many clauses in sentence (Max. %d).\n Truncating translation at %d clauses.\n";
inline constexpr const char* kTooManyInClauseFormat =
    "More than limit of %d of one type of Noun/Verb/Vpar/Adj in clause.\nTruncating clause.\n"
    "Translation will be corrupt.\n";
inline constexpr const char* kKeepNegativeMessage =
    "OrigWordDelete sent -1 to delete.\nTell programmer!";

// The role slots of a clause.
enum Slot : int {
  kObject = 0,    // the main verb's direct object
  kSecond = 1,    // a second complement: dative, or a genitive held by the object
  kSubject = 2,
  kMainVerb = 3,
};
inline constexpr int kSlotCount = 4;
// Auxiliary slots of the role assignment.
enum Aux : int {
  kAgreeingVerb = 0,  // the main verb, when its subject agrees in person and number
  kInfinitive = 1,    // an infinitive completing the main verb
  kFirstPlural = 2,   // the first plural finite verb of the segment
};

struct Clause {
  std::int16_t first = -1;  // index of its first analysis
  std::int16_t last = -1;   // index of the PUNCT analysis that closes it
};

struct Segment {
  std::int16_t first = -1;
  std::int16_t last = -1;
};

// A fixed list of analysis indexes.
template <int Capacity>
struct IndexList {
  std::array<std::int16_t, Capacity> items{};
  int count = 0;
  bool full() const { return count >= Capacity; }
  bool push(int i) {
    if (full()) return false;
    items[static_cast<std::size_t>(count++)] = static_cast<std::int16_t>(i);
    return true;
  }
  int operator[](int k) const { return items[static_cast<std::size_t>(k)]; }
  void clear() { count = 0; }
};

// Which passes run: the ordering alone, then clause analysis, then the choice.
enum class Passes : std::uint8_t { order = 1, clauses = 2, choice = 3 };

struct SyntaxScratch {
  // Word ranges: the analyses of position p are [word_first[p], word_end[p]).
  std::array<std::int16_t, text::kMaxTokens> word_first{};
  std::array<std::int16_t, text::kMaxTokens> word_end{};
  // Live readings per word and the first of them, kept in step with every strike.
  std::array<std::int16_t, text::kMaxTokens> live_count{};
  std::array<std::int16_t, text::kMaxTokens> first_live{};
  // Cases among each word's readings (bit c for case c, bit 0 for none): a
  // quick refusal before agreement is tested reading by reading.
  std::array<std::uint16_t, text::kMaxTokens> case_mask{};
  // Word-class flags: 1 noun-like, 2 adjective-like, 4 PREP, 8 finite verb, 16 ADV.
  std::array<std::uint8_t, text::kMaxTokens> word_flags{};
  int positions = 0;  // N: the word positions of the sentence
  int tokens = 0;     // tokens as word analysis stored them (before any move)
  int count = 0;      // analyses in the table

  // Where each analysis came from: token and candidate number as word
  // analysis stored them, kept in step when records move.
  std::array<std::int16_t, text::kMaxAnalyses> origin_token{};
  std::array<std::int16_t, text::kMaxAnalyses> origin_candidate{};
  // Room to reorder one word's records.
  std::array<grammar::WordAnalysis, text::kMaxAnalyses> sort_buffer{};
  // Part of speech of each record before the passes (for the Details listing).
  std::array<grammar::Code, text::kMaxAnalyses> speech_before{};

  // Clause table.
  std::array<Clause, kMaxClauses> clauses{};
  int clause_count = 0;
  int last_close = -1;
  char last_close_char = 0;
  bool quotation_odd = false;
  bool relocated = false;
  bool truncated = false;

  // Persons: first singular, second singular, first plural, second plural.
  std::array<std::uint16_t, 4> person_counts{};
  int person_mask = 0;
  int document_persons = 0;

  // The clause being analysed.
  std::array<std::int16_t, kSlotCount> slots{};
  std::array<std::int16_t, 3> aux{};
  int verb_number = -1;
  int verb_count = 0;
  int dative_verb_pos = -1;
  int ablative_verb_pos = -1;
  int explicit_subject = 0;
  int subject_candidate = -1;
  int verb_candidate = -1;
  int question_ne = -1;  // the question particle "ne" of the first clauses
  // Best pair of a failed neighbour search.
  int best_cost = 0x7FFF;
  int best_a = -1, best_b = -1;
  // Per-clause lists of the sweep.
  IndexList<kMaxClauseList> nominals, adjectives, verbs, participles, others;

  // Vocative set off by commas: the word to bring next to its partner.
  int vocative_position = -1;
  int vocative_a = -1, vocative_b = -1;

  // Choice.
  std::array<std::int16_t, text::kMaxTokens> chosen{};
  std::array<std::uint8_t, text::kMaxAnalyses> targeted{};  // links of the readings chosen so far
  std::array<Segment, kMaxSegments> segments{};
  int segment_count = 0;
  std::array<std::int16_t, kMaxClauses> clause_subject{};
  std::array<std::int16_t, kMaxClauses> nominal_subjects{};
  std::array<std::int16_t, kMaxClauses> third_person_verbs{};
  IndexList<kMaxPendingSubjects> pending_subjects;
  int opus_est_position = -1;
  int sense_context = 0;
  bool addressed = false;  // a form of tu or vos, or a second-person verb only
  bool speaker = false;    // a form of ego or nos, or a first-person verb only
  int dominant_verb_code = 0;
  int person_code = 0;  // the clause's person from its verbs

  void reset_slots() {
    slots.fill(-1);
    aux.fill(-1);
  }
  // The state of "the clause being analysed", as a clause starts, and as a
  // sentence starts: the rules that run before the first clause (the clause
  // table's coordination) must not read the last sentence's verbs.
  void reset_clause() {
    reset_slots();
    verb_number = -1;
    verb_count = 0;
    dative_verb_pos = ablative_verb_pos = -1;
    explicit_subject = 0;
    subject_candidate = verb_candidate = -1;
    best_cost = 0x7FFF;
    best_a = best_b = -1;
    nominals.clear();
    adjectives.clear();
    verbs.clear();
    participles.clear();
    others.clear();
  }
  bool in_slot(int i) const {
    for (auto s : slots)
      if (s == i && i >= 0) return true;
    return false;
  }
};

}  // namespace kelvo::syntax
