#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "base/text.h"
#include "english/final_polish.h"
#include "english/phrase_repairs.h"

namespace kelvo::english {
namespace {

using grammar::FinalPolishRecord;
using grammar::PhraseRepairRecord;

PhraseRepairRecord repair(std::string_view p, std::string_view r) {
  PhraseRepairRecord rec{};
  set_field(rec.pattern, p);
  set_field(rec.replacement, r);
  rec.length.set(static_cast<std::int16_t>(p.size()));
  return rec;
}

// Nineteen verb records (the last ones padding) and a sorted word section.
std::vector<PhraseRepairRecord> repairs() {
  std::vector<PhraseRepairRecord> t{repair("I is", "I am"), repair("he have", "he has"),
                                    repair("^seed", "^seen")};
  while (t.size() < grammar::kVerbPhraseRepairs) t.push_back(repair("zz zz", "zz"));
  for (auto [p, r] : {std::pair{"more good", "better"}, {"the", "the"}, {"the the", "the"},
                      {"the the the", "the"}})
    t.push_back(repair(p, r));
  return t;
}

struct RepairCase {
  const char *in, *out;
};

// Each case's text after one of the repairs over the table above.
template <typename Repair>
void expect_repairs(Repair repair, std::span<const RepairCase> cases) {
  const auto t = repairs();
  for (const RepairCase& c : cases) {
    std::string s = c.in;
    repair(t, s);
    EXPECT_EQ(s, c.out) << c.in;
  }
}

TEST(PhraseRepairs, VerbPhrases) {
  const RepairCase cases[] = {
      {"I is ^happy", "I am ^happy"},
      {"s/he/it has ^seed", "s/he/it has ^seen"},  // only in a verb slot: nouns keep seed
      {"he haven", "he haven"},                    // the match must end a word
      {"big he have", "big he have"},              // a slot opening at or below g is left
      {"<he have ^gone>", "<he has ^gone>"},       // a standard phrase is looked at
  };
  expect_repairs([](const auto& t, std::string& s) { repair_verb_phrase(t, s); }, cases);
}

TEST(PhraseRepairs, WordPhrases) {
  const RepairCase cases[] = {
      {"the the man", "the man"},
      {"the the the", "the"},             // the longest whole run
      {"the theatre", "the theatre"},     // "the the" does not end a word there
      {"of the the city", "of the city"},  // the search starts at "the"
      {"more good/more-kind", "better/more-kind"},
      {"with the the-same", "with the-same"},  // the hyphened tail waits aside
      {"a the", "a the"},  // not a slot the replacements open with
  };
  expect_repairs([](const auto& t, std::string& s) { replace_word_phrase(t, s); }, cases);
}

FinalPolishRecord final_record(std::string_view m, std::string_view r) {
  FinalPolishRecord rec{};
  set_field(rec.match, m);
  set_field(rec.replacement, r);
  rec.match_length = static_cast<std::uint8_t>(m.size());
  rec.replacement_length = static_cast<std::uint8_t>(r.size());
  return rec;
}

TEST(FinalPolish, Sentences) {
  // Ordered by first letter, as the builder writes them.
  const std::vector<FinalPolishRecord> t{final_record("abc", "abd"), final_record("abd", "ok!"),
                                         final_record("more good", "better"),
                                         final_record("The", "x"), final_record("the the", "the"),
                                         final_record("the of", "of")};
  struct Case {
    const char *in, *out;
  } cases[] = {
      {"The the man came. \n\n", "The man came. \n\n"},  // the capital stays
      {"it is more good, then. \n\n", "it is better, then. \n\n"},
      {"the other \n\n", "the other \n\n"},  // "the of" must end at a word's end
      {"abc. \n\n", "ok!. \n\n"},  // same length: the next record tries the same place
      {"a lathe the dog \n\n", "a lathe the dog \n\n"},  // words begin after a blank
  };
  for (const Case& c : cases) {
    std::string s = c.in;
    final_polish(t, s);
    EXPECT_EQ(s, c.out) << c.in;
  }
  // Out of order, a letter's records after a later letter's are not reached
  // (a table is read up to the first record past the word's letter); one
  // table serves many sentences.
  const std::vector<FinalPolishRecord> out_of_order{
      final_record("the the", "the"), final_record("more good", "better"),
      final_record("to to", "to")};
  const FinalPolish unordered(out_of_order);
  for (const Case& c : {Case{"the the more good \n", "the more good \n"},
                        Case{"to to be the the \n", "to be the \n"}}) {
    std::string s = c.in;
    unordered.apply(s);
    EXPECT_EQ(s, c.out) << c.in;
  }
}

}  // namespace
}  // namespace kelvo::english
