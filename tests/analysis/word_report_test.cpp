#include "analysis/word_report.h"

#include <gtest/gtest.h>

#include "report_text.h"

using namespace kelvo;
using namespace kelvo::grammar;
using kelvo::testing::report_of;

namespace {

WordAnalysis record(Code speech, int decl, std::initializer_list<Code> bytes1to8) {
  WordAnalysis a{};
  a.speech = speech;
  a.declension.set(static_cast<std::int16_t>(decl));
  Code* b = &a.b1;
  for (Code c : bytes1to8) *b++ = c;
  a.rarity = 1;
  return a;
}

}  // namespace

// Records decoded into readings and described: each part of speech shows the
// attributes it keeps, in its own order.
TEST(WordReport, DescribesEachPartOfSpeech) {
  struct Case { WordAnalysis a; const char* text; };
  WordAnalysis punct = record(pos::punct, 0, {1});
  WordAnalysis bad_punct = record(pos::punct, 0, {40});
  WordAnalysis verb = record(pos::verb, 0x34, {0, 6, 1, 1, 1, 3, 1, 0});
  WordAnalysis odd = record(200, 0, {});
  odd.rarity = 2;
  odd.age = 3;
  WordAnalysis adv = record(pos::adv2, 0, {0, 0, 0, 0, 0, 0, 1, 0});
  adv.stem_key = 2;
  for (const auto& c : {
           Case{record(pos::noun, 0x11, {2, 0, gcase::nom, number::sing, gender::fem}),
                "NOUN 1 1  NOM    SING    FEM    A:0 "},
           Case{punct, "PUNCT  ,    "},
           Case{bad_punct, "PUNCT  Unknown punctuation.    "},
           Case{verb, "VERB 4 1  PRES    ACTIVE    IND    3   SING    +TRANS    A:0 "},
           Case{record(pos::vpar, 0x11, {complement::dat, verb_kind::dep, gcase::acc,
                                         number::plur, gender::neuter, tense::perf,
                                         voice::passive, mood::adj_like}),
                "VPAR 1 1  ACC    PLUR    NEUTER    PERF    PASSIVE    ADJ-LIKE    DEP    +DAT    "
                "A:0 "},
           Case{record(pos::pron, 0x41, {0, pronoun_kind::interr, gcase::nom, number::sing,
                                         gender::common, 0, 0, 8}),
                "PRON 4 1  INTERR    NOM    SING    COMMON    quis-clause A:0 "},
           Case{record(pos::tackon, 0, {0, 0, gcase::abl}), "TACKON  ABL    "},
           Case{odd, "No speechtype found.B:3 "},
           Case{adv, "ADV  COMP    conj-like A:0 "},
           Case{record(pos::prep, 0, {gcase::acc}), "PREP  ACC    A:0 "},
       }) {
    EXPECT_EQ(report_of(c.a), c.text);
  }
}

TEST(WordReport, EasyLatinShowsUncommonForStruckRareWords) {
  WordAnalysis a{};
  a.rarity = 90;
  EXPECT_EQ(report_of(a, true).rfind(" UNCOMMON  ", 0), 0u);
  EXPECT_EQ(report_of(a, false).rfind(" DELETED (GRAM)  ", 0), 0u);
}

// The listing skips punctuation, and a reading made by rule shows its meaning
// where an entry shows its principal parts.
TEST(WordReport, ListingOfReadings) {
  Reading entry;
  entry.form = "amic.us";
  entry.citation = "amicus amici";
  entry.meaning = "friend/ally";
  entry.part_of_speech = PartOfSpeech::noun;
  entry.declension = 2;
  entry.variant = 1;
  entry.grammatical_case = Case::nominative;
  entry.rarity = 1;
  entry.entry = EntrySource::dictionary;
  Reading name = entry;
  name.form = "Orgetori.x";
  name.citation.clear();
  name.meaning = "Orgetorix";
  name.entry = EntrySource::built_in;
  Reading stop;
  stop.part_of_speech = PartOfSpeech::punctuation;
  stop.punctuation = '.';
  // A reading that lists as one before it (the same entry met twice) once;
  // one with other principal parts is another reading.
  Reading again = entry;
  again.gloss = "friend";
  Reading other_parts = entry;
  other_parts.citation = "amicus";
  const Reading readings[] = {entry, stop, name, again, other_parts};
  EXPECT_EQ(analysis::list_readings(readings, false),
            "amic.us - amicus amici\nfriend/ally\nNOUN 2 1  NOM    A:0 \n\n"
            "Orgetori.x - Orgetorix\nOrgetorix\nNOUN 2 1  NOM    A:0 \n\n"
            "amic.us - amicus\nfriend/ally\nNOUN 2 1  NOM    A:0 \n\n");
}
