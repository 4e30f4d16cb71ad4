// The exports written from a hand-built sentence: every column and key.
#include "formats/analysis_export.h"

#include <gtest/gtest.h>

using namespace kelvo;

namespace {

Reading reading(PartOfSpeech p, std::string form, std::string lemma, std::string meaning) {
  Reading r;
  r.part_of_speech = p;
  r.form = std::move(form);
  r.lemma = std::move(lemma);
  r.meaning = std::move(meaning);
  r.rarity = 1;
  r.entry = EntrySource::dictionary;
  return r;
}

// "Amice, uenit Zqx." with the 8-bit "ae" letter in the text: a noun and an
// adverb for amice, punctuation, a verb from the user's dictionary found by a
// prefix rule, and a word with no reading.
Sentence sample() {
  Reading voc = reading(PartOfSpeech::noun, "amic.e", "amicus", "friend/ally");
  voc.declension = 2;
  voc.variant = 1;
  voc.noun_kind = NounKind::person;
  voc.grammatical_case = Case::vocative;
  voc.number = Number::singular;
  voc.gender = Gender::masculine;
  Reading adv = reading(PartOfSpeech::adverb, "amice.", "amice", "in a \"friendly\" manner/kindly");
  adv.comparison = Comparison::positive;
  Reading comma = reading(PartOfSpeech::punctuation, ",", "", ",");
  comma.punctuation = ',';
  comma.entry = EntrySource::none;
  Reading verb = reading(PartOfSpeech::verb, "uen.it", "uenio", "come/arrive");
  verb.declension = 3;
  verb.variant = 4;
  verb.tense = Tense::present;
  verb.voice = Voice::active;
  verb.mood = Mood::indicative;
  verb.person = 3;
  verb.number = Number::singular;
  verb.verb_kind = VerbKind::intransitive;
  verb.age = 2;
  verb.source = ReadingSource::prefix;
  verb.entry = EntrySource::user_dictionary;

  auto make_token = [](std::string text, bool punct, std::vector<Reading> readings) {
    Token t;
    t.text = std::move(text);
    t.punctuation = punct;
    t.readings = std::move(readings);
    return t;
  };
  Sentence s;
  s.text = "Amice, uenit Zqx \xE6.";
  s.tokens.push_back(make_token("amice", false, {voc, adv}));
  s.tokens.push_back(make_token(",", true, {comma}));
  s.tokens.push_back(make_token("uenit", false, {verb}));
  s.tokens.push_back(make_token("Zqx", false, {}));
  return s;
}

}  // namespace

TEST(AnalysisExport, JsonLineOfASentence) {
  EXPECT_EQ(formats::sentence_to_json(sample()),
            "{\"text\":\"Amice, uenit Zqx \xC3\xA6.\",\"tokens\":["
            "{\"form\":\"amice\",\"analyses\":["
            "{\"lemma\":\"amicus\",\"pos\":\"NOUN\",\"noun_kind\":\"PERSON\",\"case\":\"VOC\","
            "\"number\":\"SING\",\"gender\":\"MASC\",\"analysis\":\"amic.e\","
            "\"meaning\":\"friend/ally\",\"source\":\"dictionary\",\"rarity\":\"A\",\"age\":0},"
            "{\"lemma\":\"amice\",\"pos\":\"ADV\",\"comparison\":\"POS\",\"analysis\":\"amice.\","
            "\"meaning\":\"in a \\\"friendly\\\" manner/kindly\",\"source\":\"dictionary\","
            "\"rarity\":\"A\",\"age\":0}]},"
            "{\"form\":\",\",\"punctuation\":true,\"analyses\":[]},"
            "{\"form\":\"uenit\",\"analyses\":["
            "{\"lemma\":\"uenio\",\"pos\":\"VERB\",\"tense\":\"PRES\",\"voice\":\"ACTIVE\","
            "\"mood\":\"IND\",\"person\":\"3\",\"number\":\"SING\",\"verb_kind\":\"+INTRANS\","
            "\"analysis\":\"uen.it\",\"meaning\":\"come/arrive\",\"source\":\"prefix\","
            "\"user_dictionary\":true,\"rarity\":\"A\",\"age\":2}]},"
            "{\"form\":\"Zqx\",\"analyses\":[]}]}");
}

// One line per token with its likeliest reading: the adverb wins over the
// equally common vocative.
TEST(AnalysisExport, ConlluBlockOfASentence) {
  EXPECT_EQ(formats::sentence_to_conllu(sample(), 7),
            "# sent_id = 7\n# text = Amice, uenit Zqx \xC3\xA6.\n"
            "1\tamice\tamice\tADV\tADV\tDegree=Pos\t_\t_\t_\t"
            "Gloss=in_a_\"friendly\"_manner|Analyses=2\n"
            "2\t,\t,\tPUNCT\tPUNCT\t_\t_\t_\t_\t_\n"
            "3\tuenit\tuenio\tVERB\tVERB,3,4\t"
            "Aspect=Imp|Mood=Ind|Number=Sing|Person=3|Tense=Pres|VerbForm=Fin|Voice=Act\t_\t_\t_\t"
            "Gloss=come|Analyses=1|Source=prefix\n"
            "4\tZqx\t_\tX\t_\t_\t_\t_\t_\tAnalyses=0\n"
            "\n");
}

// Two readings that differ only where no export looks (principal parts, the
// variant) are one reading in every export, chosen when either was; the text
// given is the text shown.
TEST(AnalysisExport, EachReadingOnceAndTheTextAsWritten) {
  Reading rel = reading(PartOfSpeech::pronoun, "qu.i", "qui", "who/that/which");
  rel.pronoun_kind = PronounKind::relative;
  rel.grammatical_case = Case::nominative;
  rel.citation = "qui quae quod";
  rel.variant = 1;
  Reading same = rel;
  same.citation = "qui";
  same.variant = 0;
  Reading plural = rel;
  plural.number = Number::plural;
  Sentence s;
  s.text = "Qui uenit .";
  // The sentence analysis chose the last reading: the first, just like it, is shown chosen.
  s.tokens.push_back(Token{"Qui", 0, 3, false, -1, {rel, same, plural, rel}, 3, {}});
  const std::string json = formats::sentence_to_json(s, "Qui v\xC4\x93nit");
  EXPECT_EQ(json.find("\"text\":\"Qui v\xC4\x93nit\""), 1u) << json;
  const auto chosen = json.find("\"chosen\":true");
  EXPECT_LT(chosen, json.find("\"number\":\"PLUR\"")) << json;
  EXPECT_EQ(json.find("\"chosen\":true", chosen + 1), std::string::npos) << json;
  std::size_t readings = 0;
  for (auto at = json.find("\"lemma\""); at != std::string::npos; at = json.find("\"lemma\"", at + 1))
    ++readings;
  EXPECT_EQ(readings, 2u) << json;
  const std::string conllu = formats::sentence_to_conllu(s, 1, "Qui v\xC4\x93nit");
  EXPECT_NE(conllu.find("# text = Qui v\xC4\x93nit\n"), std::string::npos) << conllu;
  EXPECT_NE(conllu.find("Analyses=2"), std::string::npos) << conllu;
}

// Readings are alike when what the exports write of them is: a byte that
// Windows-1252 leaves undefined is written '?', so it and a '?' are alike;
// any attribute, the rarity grade or the age set them apart.
TEST(AnalysisExport, ReadingsAlikeAsWrittenNotAsStored) {
  Reading base = reading(PartOfSpeech::noun, "ros.ae", "rosa", "rose?");
  base.grammatical_case = Case::genitive;
  base.number = Number::singular;
  Reading undefined_byte = base;
  undefined_byte.meaning = "rose\x81";
  Reading other_case = base;
  other_case.grammatical_case = Case::dative;
  Reading older = base;
  older.age = 3;
  Reading rarer = base;
  rarer.rarity = 2;
  Reading same_grade = base;
  same_grade.rarity = 0;  // graded as 1, 'A'
  // Two codes past the table both write "Unknown case": alike.
  Reading unknown_case = base;
  unknown_case.grammatical_case = static_cast<Case>(200);
  Reading other_unknown_case = base;
  other_unknown_case.grammatical_case = static_cast<Case>(201);
  // An attribute left out is a difference.
  Reading no_number = base;
  no_number.number = Number::none;
  Sentence s;
  s.text = "rosae";
  s.tokens.push_back(Token{"rosae", 0, 5, false, -1,
                           {base, undefined_byte, other_case, older, rarer, same_grade,
                            unknown_case, other_unknown_case, no_number},
                           -1, {}});
  const std::string conllu = formats::sentence_to_conllu(s, 1, "rosae");
  EXPECT_NE(conllu.find("Analyses=6"), std::string::npos) << conllu;

  // Two parts of speech written alike, with the same attributes, are alike.
  Reading adverb = reading(PartOfSpeech::adverb, "bene.", "bene", "well");
  adverb.comparison = Comparison::positive;
  Reading conjunctive = adverb;
  conjunctive.part_of_speech = PartOfSpeech::conjunctive_adverb;
  Sentence t;
  t.text = "bene";
  t.tokens.push_back(Token{"bene", 0, 4, false, -1, {adverb, conjunctive}, -1, {}});
  EXPECT_NE(formats::sentence_to_conllu(t, 1, "bene").find("Analyses=1"), std::string::npos);
}

TEST(AnalysisExport, UniversalPartsOfSpeechAndFeatures) {
  struct Row {
    Reading r;
    const char* upos;
    const char* feats;
  };
  Reading gerundive = reading(PartOfSpeech::participle, "am.andus", "amo", "love");
  gerundive.grammatical_case = Case::nominative;
  gerundive.number = Number::singular;
  gerundive.gender = Gender::masculine;
  gerundive.tense = Tense::future;
  gerundive.voice = Voice::passive;
  gerundive.mood = Mood::gerundive;
  Reading gerund = reading(PartOfSpeech::noun, "amand.i", "amo", "love");
  gerund.noun_kind = NounKind::gerund;
  gerund.grammatical_case = Case::genitive;
  Reading place = reading(PartOfSpeech::noun, "Rom.a", "Roma", "Rome");
  place.noun_kind = NounKind::place;
  place.gender = Gender::common;
  Reading infinitive = reading(PartOfSpeech::verb, "am.are", "amo", "love");
  infinitive.mood = Mood::infinitive;
  infinitive.tense = Tense::perfect;
  Reading pronoun = reading(PartOfSpeech::pronoun, "qu.is", "quis", "who");
  pronoun.pronoun_kind = PronounKind::interrogative;
  pronoun.grammatical_case = Case::indeclinable;  // no UD case of its own
  Reading supine = reading(PartOfSpeech::supine, "amat.um", "amo", "love");
  supine.grammatical_case = Case::accusative;
  supine.number = Number::singular;
  for (const auto& c : {
           Row{gerundive, "VERB", "Case=Nom|Gender=Masc|Number=Sing|Tense=Fut|VerbForm=Gdv|Voice=Pass"},
           Row{gerund, "NOUN", "Case=Gen|VerbForm=Ger"},
           Row{place, "PROPN", "Gender=Fem,Masc"},
           Row{infinitive, "VERB", "Aspect=Perf|Tense=Past|VerbForm=Inf"},
           Row{pronoun, "PRON", "PronType=Int"},
           Row{supine, "VERB", "Case=Acc|VerbForm=Sup"},
           Row{reading(PartOfSpeech::interjection, "o.", "o", "oh"), "INTJ", "_"},
           Row{reading(PartOfSpeech::struck_out, "x.", "x", ""), "X", "_"},
       }) {
    EXPECT_EQ(formats::ud_upos(c.r), c.upos) << c.r.form;
    EXPECT_EQ(formats::ud_feats(c.r), c.feats) << c.r.form;
  }
}

// The analysis holds "que" before its word (the order English reads them);
// the exports write the word first, as the text does: CoNLL-U as a multiword
// token with its range line, JSON with the enclitic naming its word, and the
// links of both counted in that order. A tackon after its word (egomet) is a
// multiword token too.
TEST(AnalysisExport, EncliticsInTheOrderOfTheText) {
  Reading que = reading(PartOfSpeech::tackon, "que.", "que", "and");
  Reading esset = reading(PartOfSpeech::verb, ".esset", "sum", "be");
  Reading dixit = reading(PartOfSpeech::verb, "dix.it", "dico", "say");
  Reading ego = reading(PartOfSpeech::pronoun, "ego.", "ego", "I");
  Reading met = reading(PartOfSpeech::tackon, "met.", "met", "self");
  Sentence s;
  s.text = "que esset dixit ego met";
  s.tokens.push_back(Token{"que", 0, 0, false, 1, {que}, 0, {1}});
  s.tokens.push_back(Token{"esset", 0, 0, false, -1, {esset}, 0, {2}});
  s.tokens.push_back(Token{"dixit", 0, 0, false, -1, {dixit}, 0, {0}});
  s.tokens.push_back(Token{"ego", 0, 0, false, -1, {ego}, 0, {}});
  s.tokens.push_back(Token{"met", 0, 0, false, 3, {met}, 0, {}});

  std::vector<std::string> ids;
  const std::string conllu = formats::sentence_to_conllu(s, 1, "essetque dixit egomet");
  for (std::size_t at = conllu.find("\n"); at + 1 < conllu.size(); at = conllu.find('\n', at + 1)) {
    const std::string line = conllu.substr(at + 1, conllu.find('\n', at + 1) - at - 1);
    if (line.empty() || line[0] == '#') continue;
    ids.push_back(line.substr(0, line.find('\t', line.find('\t') + 1)));
  }
  EXPECT_EQ(ids, (std::vector<std::string>{"1-2\tessetque", "1\tesset", "2\tque", "3\tdixit",
                                           "4-5\tegomet", "4\tego", "5\tmet"}))
      << conllu;
  EXPECT_NE(conllu.find("1\tesset\tsum\tVERB\tVERB\tVerbForm=Fin\t_\t_\t_\tGloss=be|Analyses=1|Links=3\n"),
            std::string::npos) << conllu;
  EXPECT_NE(conllu.find("\tGloss=say|Analyses=1|Links=2\n"), std::string::npos) << conllu;  // to que

  const std::string json = formats::sentence_to_json(s);
  const auto e = json.find("{\"form\":\"esset\",\"links\":[2]");
  const auto q = json.find("{\"form\":\"que\",\"enclitic_of\":0,\"links\":[0]");
  const auto d = json.find("{\"form\":\"dixit\",\"links\":[1]");
  const auto m = json.find("{\"form\":\"met\",\"enclitic_of\":3,");
  EXPECT_TRUE(e != std::string::npos && q != std::string::npos && d != std::string::npos &&
              m != std::string::npos)
      << json;
  EXPECT_LT(e, q);
  EXPECT_LT(q, d);
}
