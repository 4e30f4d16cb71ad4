#include "mkdata/meaning_shaper.h"

#include <gtest/gtest.h>

namespace kelvo::mkdata {
namespace {

struct Case {
  const char* raw;  // a real Whitaker meaning
  const char* shaped;
};

// Whitaker meanings of every part of speech and the English the translator renders.
const Case kCases[] = {
    // verbs stay bare, alternatives in Whitaker's order
    {"love, like; fall in love with; be fond of; have a tendency to;",
     "love/like/fall in love with/be fond of/have a tendency to"},
    {"be; exist; (also used to form verb perfect passive tenses) with NOM PERF PPL",
     "be/exist/with NOM PERF PPL"},
    {"throw in;", "throw in"},
    {"be very hungry/starving;", "be very hungry/be very starving"},
    {"plow around, surround with a furrow;", "plow around/surround with a furrow"},
    {"attempt, try, endeavor, make an effort; exert oneself; try to go/rise;",
     "attempt/try/endeavor/make an effort/exert oneself/try to go/try to rise"},
    {"delay, impede, hold up; hesitate, tarry, linger; be slow to act; dawdle; doubt;",
     "delay/impede/hold up/hesitate/tarry/linger/be slow to act/dawdle/doubt"},
    // nouns: notes in brackets go, slash groups spread over their phrase
    {"friend, ally, disciple; loved one; patron; counselor/courtier (to a prince);",
     "friend/ally/disciple/loved one/patron/counselor/courtier"},
    {"bucket; water bucket; (esp. fireman's bucket);", "bucket/water bucket"},
    {"Aulus (Roman praenomen); (abb. A./Au.); [Absolvo, Antiquo => free, reject];", "Aulus"},
    {"year; abb. ann./a.; [regnavit a(nnis). XLIIII => he reigned for 44 years];", "year"},
    {"good/moral/honest/brave man; man of honor, gentleman; better/rich people (pl.);",
     "good man/moral man/honest man/brave man/man of honor/gentleman/better people"},
    {"Gaul; the Gauls (pl.);", "Gaul/the Gauls"},
    {"wisdom; trickery; G:sophism; fallacy;", "wisdom/trickery/fallacy/G:sophism"},
    {"crupper?, strap from back of saddle under horse's tail to prevent slipping;",
     "crupper/strap from back of saddle under horse's tail to prevent slipping"},
    {"sounding-line/lead;", "sounding-line/lead"},
    // adjectives
    {"friendly, dear, fond of; supporting (political), loyal, devoted; loving;",
     "friendly/dear/fond of/supporting/loyal/devoted/loving"},
    {"hare-; of a hare;", "of a hare/hare-"},
    {"of/using intestines; [caviares hostiae => sacrifice victims];",
     "of intestines/using intestines"},
    {"Gallic, of Gaul/the Gauls; class of gladiator w/Gallic armor; (also Galatian?);",
     "Gallic/of Gaul/of the Gauls/class of gladiator w/Gallic armor"},
    {"left, on the left; awkward;", "left/on the left/awkward"},
    // adverbs, prepositions, conjunctions, interjections
    {"yes; in truth; certainly; truly, to be sure; however;   (rare form, usu. vero);",
     "yes/in truth/certainly/truly/to be sure/however"},
    {"on/from both sides/parts; at both ends; on one side and on the other;",
     "on both sides/on both parts/from both sides/from both parts/at both ends"},
    {"by (agent), from (departure, cause, remote origin/time); after (reference);",
     "by/from/after"},
    {"and, and also, and besides;", "and/and also/and besides"},
    {"Ah!; (distress/regret/pity, appeal/entreaty, surprise/joy, objection/contempt);", "Ah!"},
    // tackon and pronoun-pack meanings
    {"-que = and (enclitic, translated before attached word); completes plerus/uter;",
     "and/completes plerus/completes uter"},
    {"w/qui => whoever; whatever; everyone who, all that, anything that;",
     "whoever/whatever/everyone who/all that/anything that"},
    {"-ever/-soever; (for generalized/indefinite force); (what/how -> what/however);",
     "ever/soever"},
    // a bare "see" is the verb, which the shaped meaning must not lose
    {"see, look at; protect, watch; uphold;", "see/look at/protect/watch/uphold"},
    {"see, discern; distinguish, separate;", "see/discern/distinguish/separate"},
    {"see beforehand;", "see beforehand"},
    // a preposition after a slash opens a phrase of its own, never glued to the
    // option before it; a choice of prepositions shares its noun
    {"fall/break down, fall to ground/from height, collapse; be ruined, come to grief;",
     "fall down/break down/fall to ground/fall from height/collapse/be ruined"},
    {"fall down/in ruin; fall in swoon/exhaustion/death;",
     "fall down/fall in ruin/fall in swoon/fall in exhaustion/fall in death"},
    {"on/from both sides/parts; at both ends;",
     "on both sides/on both parts/from both sides/from both parts/at both ends"},
    // cries in a row are alternatives
    {"behold! see! look! there! here!", "behold!/see!/look!/there!/here!"},
    // a continuation marker left inside a joined meaning
    {"town, village; |(medieval); hamlet;", "town/village/hamlet"},
};

TEST(MeaningShaper, RealWhitakerMeanings) {
  for (const Case& c : kCases) EXPECT_EQ(shape_meaning(c.raw), c.shaped) << c.raw;
}

TEST(MeaningShaper, KeepsWholeAlternativesWithin79Characters) {
  std::string raw =
      "strong, powerful, mighty, vigorous, firm, steadfast, courageous, brave, bold; "
      "manly; energetic;";
  std::string out = shape_meaning(raw);
  EXPECT_LE(out.size(), kMaxMeaningChars);
  EXPECT_EQ(out, "strong/powerful/mighty/vigorous/firm/steadfast/courageous/brave/bold/manly");
  // One rendering longer than the field is cut at a blank, never mid-word.
  std::string lone(90, 'x');
  lone.replace(40, 1, " ");
  EXPECT_EQ(shape_meaning(lone), lone.substr(0, 40));
}

TEST(MeaningShaper, NeverEmptyWhenWhitakerHasText) {
  EXPECT_EQ(shape_meaning("(esp. fireman's bucket);"), "esp. fireman's bucket");
  EXPECT_EQ(shape_meaning("[Bona Dea => Roman goddess];"), "Roman goddess");
  EXPECT_EQ(shape_meaning("abb. A./Au.;"), "abb. A./Au.;");
  // A meaning that is only a cross-reference keeps it, never a bare "see".
  EXPECT_EQ(shape_meaning("see CONSIDO"), "see CONSIDO");
  EXPECT_EQ(shape_meaning("see also consido"), "see also consido");
  EXPECT_EQ(shape_meaning("|||"), "");
  EXPECT_EQ(shape_meaning(""), "");
}

}  // namespace
}  // namespace kelvo::mkdata
