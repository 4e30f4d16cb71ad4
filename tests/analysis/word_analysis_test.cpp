#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "analysis/word_driver.h"
#include "real_data.h"
#include "report_text.h"

using namespace kelvo;
using namespace kelvo::analysis;
namespace g = kelvo::grammar;

namespace {

std::vector<Candidate> analyse(const WordAnalyzer& wa, std::string_view word) {
  std::vector<Candidate> out;
  AnalysisContext ctx;
  analyse_word(wa, word, false, false, out, ctx);
  return out;
}

std::string lemma(const WordAnalyzer& wa, const Candidate& c) {
  std::string cit(wa.citation(c.origin));
  return cit.substr(0, cit.find(' '));
}

// True when some analysis has this lemma, part of speech and report text.
bool has(const WordAnalyzer& wa, const std::vector<Candidate>& v, std::string_view lem,
         g::Code speech, std::string_view report_part) {
  for (const auto& c : v) {
    if (c.analysis.speech != speech) continue;
    if (!lem.empty() && lemma(wa, c) != lem) continue;
    if (kelvo::testing::report_of(c.analysis).find(report_part) != std::string::npos) return true;
  }
  return false;
}

}  // namespace

TEST(WordAnalysis, RealWordsOfEveryPartOfSpeech) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  struct Case { const char* word; const char* lemma; g::Code speech; const char* report; };
  for (auto c : {
           Case{"amicus", "amicus", g::pos::noun, "NOM    SING    MASC"},
           Case{"amicorum", "amicus", g::pos::noun, "GEN    PLUR    MASC"},
           Case{"rex", "rex", g::pos::noun, "NOM    SING"},
           Case{"regibus", "rex", g::pos::noun, "DAT    PLUR"},
           Case{"bonae", "bonus", g::pos::adj, "GEN    SING    FEM    POS"},
           Case{"melior", "bonus", g::pos::adj, "COMP"},
           Case{"amat", "amo", g::pos::verb, "PRES    ACTIVE    IND    3   SING"},
           Case{"amabantur", "amo", g::pos::verb, "IMPF    PASSIVE    IND    3   PLUR"},
           Case{"amatus", "amo", g::pos::vpar, "NOM    SING    MASC    PERF    PASSIVE"},
           Case{"amandi", "amo", g::pos::vpar, "FUT    PASSIVE    GER"},
           Case{"amandi", "amo", g::pos::noun, "GERUND    GEN    SING    NEUTER"},
           Case{"esse", "sum", g::pos::verb, "PRES    ACTIVE    INF"},
           Case{"fuit", "sum", g::pos::verb, "PERF    ACTIVE    IND    3   SING"},
           Case{"ire", "eo", g::pos::verb, "PRES    ACTIVE    INF"},
           Case{"hic", "hic", g::pos::pron, "NOM    SING    MASC"},
           Case{"quae", "qui", g::pos::pron, "REL    NOM    SING    FEM"},
           Case{"in", "in", g::pos::prep, "ABL"},
           Case{"in", "in", g::pos::prep, "ACC"},
           Case{"et", "et", g::pos::conj, ""},
           Case{"amatum", "amo", g::pos::supine, "ACC    SING    NEUTER"},
       }) {
    auto v = analyse(wa, c.word);
    EXPECT_TRUE(has(wa, v, c.lemma, c.speech, c.report))
        << c.word << " as " << c.lemma << " " << int(c.speech) << " " << c.report;
  }
}

TEST(WordAnalysis, NumeralsNamesAndCapitals) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  auto roman = analyse(wa, "MCMLXXX");
  ASSERT_EQ(roman.size(), 1u);
  EXPECT_EQ(roman[0].analysis.speech, g::pos::num);
  EXPECT_EQ(roman[0].analysis.meaning_text(), "1980");

  auto caesar = analyse(wa, "Caesar");
  EXPECT_TRUE(has(wa, caesar, "Caesar", g::pos::noun, "NOM    SING"));

  // Found nowhere: a capitalised word becomes a proper name, the same word in
  // lower case gets nothing.
  auto name = analyse(wa, "Xyzzorigis");
  ASSERT_FALSE(name.empty());
  EXPECT_EQ(name[0].analysis.noun_kind(), g::noun_kind::proper);
  EXPECT_TRUE(analyse(wa, "xyzzorigis").empty());

  // A capital at the start of a sentence is tried in lower case too, through
  // the spelling rules, and keeps the readings of capitalised entries.
  EXPECT_TRUE(has(wa, analyse(wa, "Hi"), "hic", g::pos::pron, "NOM    PLUR"));
  auto non = analyse(wa, "Non");
  EXPECT_TRUE(has(wa, non, "non", g::pos::adv, ""));
  EXPECT_TRUE(std::any_of(non.begin(), non.end(),
                          [](const Candidate& c) { return c.origin.capitalised_entry; }));
  EXPECT_TRUE(has(wa, analyse(wa, "Gratie"), "gratia", g::pos::noun, ""));

  // A lower-case word finds entries whose stem has a capital, but only when
  // no lower-case entry fits it.
  for (const char* w : {"dei", "deo", "orgetorigis"}) {
    auto v = analyse(wa, w);
    EXPECT_FALSE(v.empty()) << w;
  }
  EXPECT_TRUE(has(wa, analyse(wa, "dei"), "Deus", g::pos::noun, ""));
  // Written in lower case a name's entry is a common noun with a plural (the
  // gods); a capital inside the sentence keeps the name singular.
  EXPECT_TRUE(has(wa, analyse(wa, "deorum"), "Deus", g::pos::noun, "GEN    PLUR"));
  auto is_plural = [](const Candidate& c) { return c.analysis.number() == g::number::plur; };
  auto capital_romae = analyse(wa, "Romae");
  EXPECT_TRUE(has(wa, capital_romae, "Roma", g::pos::noun, "GEN    SING"));
  EXPECT_FALSE(std::any_of(capital_romae.begin(), capital_romae.end(), is_plural));
  std::vector<Candidate> first;
  AnalysisContext ctx;
  analyse_word(wa, "Deorum", true, false, first, ctx);
  EXPECT_TRUE(has(wa, first, "Deus", g::pos::noun, "GEN    PLUR"));
  for (const char* w : {"non", "hercule"}) {
    for (const auto& c : analyse(wa, w)) EXPECT_FALSE(c.origin.capitalised_entry) << w;
  }

  auto ordinal = analyse(wa, "tertiusdecimus");
  ASSERT_FALSE(ordinal.empty());
  EXPECT_EQ(ordinal[0].analysis.speech, g::pos::num);
  EXPECT_EQ(ordinal[0].analysis.meaning_text(), "~13th");

  // The joined expressions the tokeniser makes: "opus est" is the adverb the
  // sentence passes look for as "opus_est.", "una cum" a preposition.
  auto opus = analyse(wa, "opus_est");
  ASSERT_EQ(opus.size(), 1u);
  EXPECT_EQ(opus[0].analysis.speech, g::pos::adv);
  EXPECT_EQ(opus[0].analysis.latin_text(), "opus_est.");
  auto una = analyse(wa, "una_cum");
  ASSERT_EQ(una.size(), 1u);
  EXPECT_EQ(una[0].analysis.speech, g::pos::prep);
  EXPECT_EQ(una[0].analysis.grammatical_case(), g::gcase::abl);
}

TEST(WordAnalysis, SplitsAndAgeLimit) {
  // A word of 3 letters: stems of 3, 2 and 1 letters, then the bare ending.
  auto s3 = WordAnalyzer::split_word("rex");
  ASSERT_EQ(s3.size(), 4u);
  EXPECT_EQ(s3[2].stem, "r");
  EXPECT_EQ(s3[3].stem, ".");
  EXPECT_EQ(s3[3].ending, "rex");
  // 12 letters: endings of 0 to 7 letters, plus the bare-ending split.
  auto s12 = WordAnalyzer::split_word("abcdefghijkl");
  ASSERT_EQ(s12.size(), 9u);
  EXPECT_EQ(s12[7].ending, "fghijkl");
  // Cut to 31 characters.
  EXPECT_EQ(WordAnalyzer::split_word(std::string(40, 'a'))[0].stem.size(), 31u);

  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions classical;
  classical.age = Age::classical;
  WordAnalyzer wa(*lex, nullptr, classical);
  AnalysisContext ctx;
  for (const auto& e : lex->entries()) {
    if (e.age != 6 || e.speech != g::pos::noun) continue;
    std::vector<g::DictEntry> found;
    wa.find_stems(e.stem_text(), found, ctx);
    for (const auto& f : found) EXPECT_LE(f.age, 5) << e.stem_text();
    break;
  }
}

TEST(WordAnalysis, ImpersonalVerbsHaveNoFirstOrSecondPerson) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  EXPECT_TRUE(has(wa, analyse(wa, "oportet"), "oportet", g::pos::verb, "3   SING"));
  for (const auto& c : analyse(wa, "oportes"))
    if (lemma(wa, c) == "oportet") ADD_FAILURE() << kelvo::testing::report_of(c.analysis);
}

// The stems of idem stand only with their -dem: "eius" is a form of is, ea,
// id and never "the same"; "eiusdem" still is.
// The builder supplies comparative and superlative stems to adjectives given
// in the positive only, but never to the pronominal adjectives, which have no
// degrees: alterius is a genitive, never a made-up comparative.
TEST(WordAnalysis, PronominalAdjectivesHaveNoDegrees) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  auto has_degree = [&](std::string_view w) {
    for (const auto& c : analyse(wa, w))
      if (c.analysis.speech == g::pos::adj && c.analysis.comparison() != g::comparison::pos)
        return true;
    return false;
  };
  for (const char* w : {"alterius", "nullius", "solius", "totius", "ullius", "unius", "neutrius",
                        "utrius", "aliorum"})
    EXPECT_FALSE(has_degree(w)) << w;
  for (const char* w : {"fortius", "longior", "utilissimus"}) EXPECT_TRUE(has_degree(w)) << w;
}

// The comparative and superlative stems the data builder supplies count two
// steps rarer than their adjective's positive (niger gives nigrior only by
// our rule), so the dictionary's own readings of a form come first.
TEST(WordAnalysis, SuppliedDegreesCountRarerThanTheirPositive) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  auto rarity_of = [&](std::string_view w, g::Code degree) {
    int best = 99;
    for (const auto& c : analyse(wa, w))
      if (c.analysis.speech == g::pos::adj && c.analysis.comparison() == degree)
        best = std::min<int>(best, c.analysis.rarity);
    return best;
  };
  for (auto [positive, comparative, superlative] :
       {std::array<const char*, 3>{"nigra", "nigrior", "nigerrimus"},
        std::array<const char*, 3>{"utilis", "utilior", "utilissimus"}}) {
    const int pos = rarity_of(positive, g::comparison::pos);
    ASSERT_LT(pos, 8) << positive;
    EXPECT_EQ(rarity_of(comparative, g::comparison::comp), pos + 2) << comparative;
    EXPECT_EQ(rarity_of(superlative, g::comparison::super), pos + 2) << superlative;
  }
}

TEST(WordAnalysis, IdemOnlyWithItsDem) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  auto eius = analyse(wa, "eius");
  ASSERT_FALSE(eius.empty());
  for (const auto& c : eius) EXPECT_NE(c.analysis.declension.get(), 0x42) << c.analysis.latin_text();
  std::vector<Candidate> out;
  AnalysisContext ctx;
  analyse_word(wa, "eiusdem", false, false, out, ctx);
  bool same = false;
  for (const auto& c : out) same = same || c.analysis.declension.get() == 0x42;
  EXPECT_TRUE(same);

  // The pronoun with its -dem is one word cited as idem, never "i" + "dem".
  for (const char* w : {"idem", "easdem", "eiusdem"}) {
    std::vector<Candidate> v;
    AnalysisContext c2;
    WordResult r = analyse_word(wa, w, false, false, v, c2);
    EXPECT_FALSE(r.split_off.has_value()) << w;
    ASSERT_FALSE(v.empty()) << w;
    for (const auto& c : v) {
      EXPECT_EQ(lemma(wa, c), "idem") << w;
      EXPECT_TRUE(c.analysis.latin_text().ends_with("dem")) << w;
    }
  }
}

// Every principal part of every dictionary entry analyses back to its entry.
TEST(WordAnalysis, CitationRoundTripOverTheWholeDictionary) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  opts.age = Age::all;
  WordAnalyzer wa(*lex, nullptr, opts);
  std::size_t words = 0, back = 0;
  std::vector<std::string> missed;
  std::vector<Candidate> out;
  AnalysisContext ctx;
  for (std::size_t m = 0; m < lex->meanings().size(); ++m) {
    std::string cit(lex->meanings()[m].latin_text());
    std::size_t start = 0;
    while (start < cit.size()) {
      std::size_t end = cit.find(' ', start);
      if (end == std::string::npos) end = cit.size();
      std::string w = cit.substr(start, end - start);
      start = end + 1;
      if (w.empty()) continue;
      ++words;
      out.clear();
      wa.analyse_core(w, Source::core, out, ctx);
      bool found = false;
      for (const auto& c : out)
        if (c.origin.index == static_cast<int>(m)) found = true;
      if (found) {
        ++back;
      } else if (missed.size() < 2000) {
        missed.push_back(w + " (" + cit + ")");
      }
    }
  }
  double rate = 100.0 * static_cast<double>(back) / static_cast<double>(words);
  std::string list;
  for (std::size_t i = 0; i < missed.size() && i < 40; ++i) list += "  " + missed[i] + "\n";
  RecordProperty("round_trip_percent", std::to_string(rate));
  EXPECT_GE(rate, 99.0) << back << " of " << words << " citation words; some missed:\n" << list;
  std::printf("round trip: %zu of %zu citation words (%.2f%%); %zu missed, first ones:\n%s", back,
              words, rate, words - back, list.c_str());
}

TEST(WordAnalysis, SyncopatedPerfectsReadAsTheirFullForms) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  struct Case { const char* word; const char* lemma; const char* report; };
  for (auto c : {Case{"appellarunt", "appello", "PERF    ACTIVE    IND    3   PLUR"},
                 Case{"audisset", "audio", "PLUP    ACTIVE    SUB    3   SING"},
                 Case{"conlocarat", "conloco", "PLUP    ACTIVE    IND    3   SING"},
                 Case{"amasti", "amo", "PERF    ACTIVE    IND    2   SING"},
                 Case{"nosse", "nosco", "PERF    ACTIVE    INF"}}) {
    auto v = analyse(wa, c.word);
    EXPECT_TRUE(has(wa, v, c.lemma, g::pos::verb, c.report)) << c.word;
    for (const auto& cand : v) EXPECT_EQ(cand.origin.source, Source::variant) << c.word;
  }
  // Only perfect-system readings explain a syncope: a present form is not made.
  EXPECT_TRUE(analyse(wa, "essex").empty());
}
