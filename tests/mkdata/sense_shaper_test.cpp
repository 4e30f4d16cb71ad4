#include "mkdata/sense_shaper.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvo::mkdata {
namespace {

using grammar::pos::noun;
using grammar::pos::verb;

EnglishWords small_words() {
  EnglishWords w;
  for (const char* v : {"look", "see", "rain", "pity", "make", "love", "be", "carry", "take"})
    w.add_verb(v);
  for (const char* n : {"surveyor", "son", "god", "war", "court", "justice", "child", "arm"})
    w.add_noun(n);
  w.add_plural("children", "child");
  return w;
}

// The text, its head word and its particle as one string: "look [look] +at".
std::string shaped(std::string_view raw, EntryFacts e, const EnglishWords& w) {
  grammar::SenseRecord r = shape_sense(raw, e, w);
  std::string t(r.text_view());
  std::string out = t + " [" + t.substr(r.head_begin, r.head_length) + "]";
  if (r.particle_length) out += " +" + t.substr(r.head_begin + r.head_length + 1u, r.particle_length - 1u);
  if (r.flags & grammar::kSenseNoHead) out += " nohead";
  if (r.flags & grammar::kSensePlural) out += " plural";
  return out;
}

TEST(SenseShaper, OneSenseWithItsHeadInBaseForm) {
  const EnglishWords w = small_words();
  struct Case {
    const char* raw;
    EntryFacts entry;
    const char* out;
  };
  const Case cases[] = {
      {"look at, see; consider;", {verb}, "look at [look] +at"},
      {"see, look at; (PASSIVE) seem;", {verb}, "see [see]"},             // "see" is the verb here
      {"(w/ABL) make use of; make war upon;", {verb}, "make use of [make]"},
      {"w/DAT be fond of; love;", {verb}, "love [love]"},                 // notes are passed over
      {"to carry away;", {verb}, "carry away [carry] +away"},
      {"look/see into being; make;", {verb}, "look [look]"},       // a choice of verbs: the first
      {"look/see at", {verb}, "look at [look] +at"},
      // Only the head inflects: "X or Y in advance" would read "had taken or receive".
      {"take or receive in advance; anticipate;", {verb}, "take in advance [take] +in"},
      {"see or look;", {verb}, "see [see]"},
      {"it rains;", {verb, true}, "rain [rain]"},                          // an impersonal's "it" goes
      {"one pities;", {verb, true}, "pity [pity]"},
      {"land surveyors;", {noun}, "land surveyor [surveyor]"},            // plural glosses singular
      {"sons of god;", {noun}, "son of god [son]"},
      {"children, offspring;", {noun}, "child [child]"},
      {"court of justice; tribunal", {noun}, "court of justice [court]"},
      {"riches;", {noun}, "riches [riches] nohead plural"},
      {"Gaul; the Gauls", {noun}, "Gaul [Gaul]"},
      {"Germans;", {noun}, "Germans [Germans] plural"},
      {"Belgae;", {noun}, "Belgae [Belgae] plural"},
      {"frobnicate;", {verb}, "frobnicate [frobnicate] nohead"},          // counted, still rendered
  };
  for (const Case& c : cases) EXPECT_EQ(shaped(c.raw, c.entry, w), c.out) << c.raw;
}

TEST(SenseShaper, WithoutWordNetEveryHeadStands) {
  const EnglishWords none;
  EXPECT_EQ(shaped("frobnicate;", {verb}, none), "frobnicate [frobnicate]");
  EXPECT_EQ(shaped("land surveyors;", {noun}, none), "land surveyors [surveyors] plural");
}

}  // namespace
}  // namespace kelvo::mkdata
