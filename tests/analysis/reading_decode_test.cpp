// Readings decoded from real analyses: the named fields, the headword, the
// whole meaning and its senses.
#include "analysis/reading_decode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/unique_headwords.h"
#include "analysis/word_driver.h"
#include "real_data.h"

using namespace kelvo;
using namespace kelvo::analysis;

namespace {

struct Decoded {
  std::vector<Reading> readings;
  std::vector<Reading> split_off;  // an enclitic or tackon read as a token of its own
};

Decoded decode_word(const WordAnalyzer& wa, std::string_view word) {
  std::vector<Candidate> out;
  AnalysisContext ctx;
  WordResult r = analyse_word(wa, word, false, false, out, ctx);
  Decoded d{decode_readings(out, wa), {}};
  if (r.split_off) d.split_off = decode_readings(r.split_off->candidates, wa);
  return d;
}

const Reading* find(const std::vector<Reading>& v, PartOfSpeech p, std::string_view lemma) {
  for (const Reading& r : v)
    if (r.part_of_speech == p && r.lemma == lemma) return &r;
  return nullptr;
}

}  // namespace

TEST(ReadingDecode, NounKeepsItsWholeMeaningAndSenses) {
  REQUIRE_REAL_LEXICON(lex);
  WordAnalyzer wa(*lex, nullptr, TranslationOptions{});
  const Decoded amicorum = decode_word(wa, "amicorum");
  const Reading* r = find(amicorum.readings, PartOfSpeech::noun, "amicus");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->form, "amic.orum");
  EXPECT_EQ(r->citation.rfind("amicus amici", 0), 0u) << r->citation;
  EXPECT_EQ(r->declension, 2);
  EXPECT_EQ(r->variant, 1);
  EXPECT_EQ(r->grammatical_case, Case::genitive);
  EXPECT_EQ(r->number, Number::plural);
  EXPECT_EQ(r->gender, Gender::masculine);
  EXPECT_EQ(r->noun_kind, NounKind::person);
  EXPECT_EQ(r->tense, Tense::none);
  EXPECT_EQ(r->source, ReadingSource::dictionary);
  EXPECT_EQ(r->entry, EntrySource::dictionary);
  // The record keeps the first sense cut to 24 characters; the reading has it all.
  EXPECT_EQ(r->gloss, "friend");
  EXPECT_GT(r->meaning.size(), 24u);
  EXPECT_EQ(r->meaning.rfind("friend/ally/", 0), 0u) << r->meaning;
  ASSERT_GE(r->senses.size(), 5u);
  EXPECT_EQ(r->senses[0], "friend");
  EXPECT_EQ(r->senses[3], "loved one");
  EXPECT_GE(r->rarity, 1);
  EXPECT_EQ(r->area, '-');
}

TEST(ReadingDecode, VerbalFormsPrepositionEncliticAndName) {
  REQUIRE_REAL_LEXICON(lex);
  WordAnalyzer wa(*lex, nullptr, TranslationOptions{});

  // A deponent reads as active.
  const Decoded hortatur = decode_word(wa, "hortatur");
  const Reading* dep = find(hortatur.readings, PartOfSpeech::verb, "hortor");
  ASSERT_NE(dep, nullptr);
  EXPECT_EQ(dep->verb_kind, VerbKind::deponent);
  EXPECT_EQ(dep->voice, Voice::active);
  EXPECT_EQ(dep->tense, Tense::present);
  EXPECT_EQ(dep->mood, Mood::indicative);
  EXPECT_EQ(dep->person, 3);
  EXPECT_EQ(dep->number, Number::singular);
  EXPECT_EQ(dep->grammatical_case, Case::none);

  const Decoded amandus = decode_word(wa, "amandus");
  const Reading* gerundive = find(amandus.readings, PartOfSpeech::participle, "amo");
  ASSERT_NE(gerundive, nullptr);
  EXPECT_EQ(gerundive->mood, Mood::gerundive);
  EXPECT_EQ(gerundive->tense, Tense::future);
  EXPECT_EQ(gerundive->voice, Voice::passive);
  EXPECT_EQ(gerundive->grammatical_case, Case::nominative);
  EXPECT_EQ(gerundive->gender, Gender::masculine);
  const Decoded amatus = decode_word(wa, "amatus");
  const Reading* ppp = find(amatus.readings, PartOfSpeech::participle, "amo");
  ASSERT_NE(ppp, nullptr);
  EXPECT_EQ(ppp->mood, Mood::adjectival);
  EXPECT_EQ(ppp->tense, Tense::perfect);

  // The governed case; "about w/NUM" stays one sense.
  const Decoded ad = decode_word(wa, "ad");
  const Reading* prep = find(ad.readings, PartOfSpeech::preposition, "ad");
  ASSERT_NE(prep, nullptr);
  EXPECT_EQ(prep->grammatical_case, Case::accusative);
  ASSERT_FALSE(prep->senses.empty());
  EXPECT_EQ(prep->senses.front(), "to");
  EXPECT_EQ(prep->senses.back(), "about w/NUM");

  // The enclitic split off a word: made by rule, its whole addon meaning.
  Decoded uirumque = decode_word(wa, "uirumque");
  ASSERT_FALSE(uirumque.split_off.empty());
  const Reading& que = uirumque.split_off.front();
  EXPECT_EQ(que.lemma, "que");
  EXPECT_EQ(que.source, ReadingSource::addon);
  EXPECT_EQ(que.entry, EntrySource::built_in);
  EXPECT_EQ(que.gloss, "and");
  EXPECT_GT(que.meaning.size(), 24u);
  EXPECT_EQ(que.senses.front(), "and");
  EXPECT_NE(find(uirumque.readings, PartOfSpeech::noun, "uir"), nullptr);

  // A capitalised word found nowhere: a name of the second declension.
  const Decoded zqxorus = decode_word(wa, "Zqxorus");
  const Reading* name = find(zqxorus.readings, PartOfSpeech::noun, "Zqxorus");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->noun_kind, NounKind::proper);
  EXPECT_EQ(name->entry, EntrySource::built_in);
  EXPECT_EQ(name->source, ReadingSource::addon);
  EXPECT_TRUE(name->citation.empty());
  EXPECT_EQ(name->grammatical_case, Case::nominative);
  EXPECT_EQ(name->declension, 2);
  EXPECT_EQ(name->meaning, "Zqxorus");
}

TEST(ReadingDecode, SensesSplitAtTheDictionarySeparators) {
  struct Case {
    const char* meaning;
    std::vector<std::string> senses;
  };
  for (const auto& c : {
           Case{"fail/falter/run short", {"fail", "falter", "run short"}},
           Case{"German, Germanic/in the vernacular ", {"German, Germanic", "in the vernacular"}},
           Case{"see beforehand;", {"see beforehand"}},
           Case{"amaranth /", {"amaranth"}},
           Case{"sufferer with dysentery//patient with dysentery/",
                {"sufferer with dysentery", "patient with dysentery"}},
           Case{"eternal/w/out start/w/out end", {"eternal", "w/out start", "w/out end"}},
           Case{"boiled w/parsley/toothed w/ teeth", {"boiled w/parsley", "toothed w/ teeth"}},
           Case{"saw/draw/strengthening/W:fortification",
                {"saw", "draw", "strengthening", "W:fortification"}},
           Case{"", {}},
           Case{" / ; ", {}},
       }) {
    EXPECT_EQ(split_senses(c.meaning), c.senses) << c.meaning;
  }
}

// A name found nowhere is read by its ending in every case that ending has,
// and headed by its nominative: the first and second declensions' oblique
// endings fit the guessed stem as their nominatives do; an -e, as often a
// Greek nominative as an ablative, heads itself; an -i is a man's genitive
// (Zqxorici of Zqxoricus) or a people (Zqxorici themselves).
TEST(ReadingDecode, AGuessedNameIsHeadedByItsNominative) {
  REQUIRE_REAL_LEXICON(lex);
  WordAnalyzer wa(*lex, nullptr, TranslationOptions{});
  struct Row {
    const char* word;
    const char* lemma;
    kelvo::Case gcase;
  };
  for (auto c : {Row{"Zqxoram", "Zqxora", kelvo::Case::accusative},
                 Row{"Zqxorae", "Zqxora", kelvo::Case::genitive},
                 Row{"Zqxarsum", "Zqxarsus", kelvo::Case::accusative},
                 Row{"Zqxoro", "Zqxorus", kelvo::Case::ablative},
                 Row{"Zqxonem", "Zqxon", kelvo::Case::accusative},
                 Row{"Zqxorus", "Zqxorus", kelvo::Case::nominative},
                 Row{"Zqxoppe", "Zqxoppe", kelvo::Case::ablative},
                 Row{"Zqxorici", "Zqxoricus", kelvo::Case::genitive}}) {
    const Decoded d = decode_word(wa, c.word);
    const auto r = std::find_if(d.readings.begin(), d.readings.end(), [&](const Reading& k) {
      return k.noun_kind == NounKind::proper && k.grammatical_case == c.gcase;
    });
    ASSERT_NE(r, d.readings.end()) << c.word;
    EXPECT_EQ(r->lemma, c.lemma) << c.word;
  }
  const Decoded people = decode_word(wa, "Zqxorici");
  EXPECT_NE(std::find_if(people.readings.begin(), people.readings.end(),
                         [](const Reading& k) {
                           return k.number == Number::plural && k.lemma == "Zqxorici" &&
                                  k.grammatical_case == kelvo::Case::nominative;
                         }),
            people.readings.end());
}

// The data builder stores which entry each unique is a form of, as finding
// them reads the whole dictionary; the stored lines are the ones found.
TEST(ReadingDecode, StoredUniqueLinesAreTheOnesFound) {
  REQUIRE_REAL_LEXICON(lex);
  const auto stored = lex->unique_lines();
  ASSERT_EQ(stored.size(), lex->uniques().size());
  const auto found = unique_entry_lines(lex->uniques(), lex->entries(), lex->meanings());
  for (std::size_t u = 0; u < stored.size(); ++u)
    EXPECT_EQ(stored[u].get(), found[u]) << lex->uniques()[u].latin_text();
}

// The lemma is the headword a dictionary gives: a compound pronoun made by
// rule is cited by its nominative (quendam - quidam); the entries our table
// declines in the neuter only by "quis quid", "aliquis aliquid"; a form of the
// uniques table by the entry it is a form of (uult - uolo uelle uolui) or,
// for a compound of qui and quis, by the compound (quicquam - quisquam), while
// a form whose meaning no entry of its grammar shares keeps its own.
TEST(ReadingDecode, WordsTakeTheirDictionaryHeadword) {
  REQUIRE_REAL_LEXICON(lex);
  WordAnalyzer wa(*lex, nullptr, TranslationOptions{});
  using P = PartOfSpeech;
  struct Case {
    const char* word;
    PartOfSpeech part;
    const char* lemma;
    bool unique;  // the reading comes from the uniques table
  };
  for (auto c : {Case{"quendam", P::substantive_adjective, "quidam", false},
                 Case{"quemquam", P::substantive_adjective, "quisquam", false},
                 Case{"utraque", P::substantive_adjective, "uterque", false},
                 Case{"qualicumque", P::substantive_adjective, "qualiscumque", false},
                 Case{"quoddamne", P::substantive_adjective, "quidam", false},
                 Case{"quid", P::pronoun, "quis", false}, Case{"aliquid", P::pronoun, "aliquis", false},
                 Case{"quod", P::pronoun, "qui", false}, Case{"uult", P::verb, "uolo", true},
                 Case{"mauult", P::verb, "malo", true}, Case{"eodem", P::pronoun, "idem", true},
                 Case{"dis", P::noun, "Deus", true}, Case{"quicquam", P::pronoun, "quisquam", true},
                 Case{"quidquid", P::pronoun, "quisquis", true},
                 Case{"iusiurandum", P::noun, "iusiurandum", true},
                 // Peoples and bodies of persons are cited in the plural.
                 Case{"Germanos", P::noun, "Germani", false}, Case{"Belgis", P::noun, "Belgae", false},
                 Case{"maioribus", P::noun, "maiores", false},
                 // The second parts of speech the grammars give.
                 Case{"nemini", P::pronoun, "nemo", false}, Case{"nihil", P::pronoun, "nihil", false},
                 Case{"amen", P::interjection, "amen", false}}) {
    const Decoded d = decode_word(wa, c.word);
    const auto r = std::find_if(d.readings.begin(), d.readings.end(), [&](const Reading& k) {
      return k.part_of_speech == c.part && k.lemma == c.lemma &&
             (k.entry == EntrySource::unique) == c.unique;
    });
    ASSERT_NE(r, d.readings.end()) << c.word;
    if (!c.unique) {
      EXPECT_EQ(r->citation.substr(0, r->citation.find(' ')), c.lemma) << c.word;
    }
  }
}
