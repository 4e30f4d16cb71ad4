#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "english/irregular_forms.h"
#include "english/suffix_rules.h"
#include "grammar/records.h"

namespace {

using namespace kelvo;
using namespace kelvo::grammar;
using english::SuffixContext;

TEST(SuffixRules, SpellTheMarkers) {
  struct Case {
    const char* in;
    SuffixContext ctx;
    const char* out;
  };
  const Case cases[] = {
      {"carry+s", {pos::verb}, "carries"},
      {"carry+ed", {pos::verb}, "carried"},
      {"say+s", {pos::verb}, "says"},        // a y after a vowel stays
      {"play+ed", {pos::verb}, "played"},
      {"love+ed", {pos::verb}, "loved"},
      {"love+ing", {pos::verb}, "loving"},
      {"box+s", {pos::noun}, "boxes"},
      {"glass+s", {pos::noun}, "glasses"},
      {"church+s", {pos::noun}, "churches"},
      {"which+s", {pos::pron}, "whichs"},    // a pronoun's "ch" takes no e
      {"the son+s of god", {pos::noun}, "the sons of god"},
      {"the man+s", {pos::noun}, "the men"},
      {"the fisherman+s", {pos::noun}, "the fishermen"},
      {"the Roman+s", {pos::noun}, "the Romans"},
      {"the fish+s", {pos::noun}, "the fishes"},
      {"the magus+es", {pos::noun, noun_kind::group, number::plur}, "the magi"},
      {"twenty+th", {pos::num, 0, 0, true}, "twenty-"},
      {"twenty+th", {pos::num}, "twentyth"},  // the irregular table makes it "twentieth"
      {"no marker", {pos::noun}, "no marker"},
  };
  for (const Case& c : cases) {
    std::string s = c.in;
    english::resolve_suffix(s, c.ctx);
    EXPECT_EQ(s, c.out) << c.in;
  }
}

std::vector<PolishRecord> table(std::initializer_list<std::pair<const char*, const char*>> rows) {
  std::vector<PolishRecord> out;
  for (auto [k, r] : rows) {
    PolishRecord rec{};
    set_field(rec.key, k);
    set_field(rec.replacement, r);
    out.push_back(rec);
  }
  return out;
}

TEST(IrregularForms, WholeWordsWithTheirMarks) {
  const auto t = table({{"childs", "children"}, {"gos", "goes"}, {"ox", "oxen"},
                        {"taked", "taken"}});
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"the childs", "the children"},
      {"has ^taked.", "has ^taken."},       // markers and a final mark stay
      {"<taked>", "<taken>"},
      {"~childs-and-childs", "~children-and-children"},
      {"ox", "ox"},                         // two letters: never looked up
      {"childsx", "childsx"},               // only whole words
  };
  for (const Case& c : cases) {
    std::string s = c.in;
    english::apply_irregular_forms(t, s);
    EXPECT_EQ(s, c.out) << c.in;
  }
  std::string long_slot(70, 'a');
  long_slot += " childs";  // 77 characters: left alone
  std::string before = long_slot;
  english::apply_irregular_forms(t, long_slot);
  EXPECT_EQ(long_slot, before);
}

}  // namespace
