// The word rules around the core on the real data: prefixes, tackons and
// enclitics, compound pronouns, derived words, medieval spellings, and the
// unknown-word rate of the corpus with all of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/rules/phonetic_search.h"
#include "real_data.h"
#include "report_text.h"
#include "word_rules_chain.h"
#include "analysis/rules/derived_words.h"
#include "analysis/rules/indefinite_pronouns.h"
#include "analysis/rules/medieval_spelling.h"
#include "analysis/rules/prefixes.h"
#include "analysis/rules/tackons.h"

using namespace kelvo;
using namespace kelvo::analysis;
namespace g = kelvo::grammar;

namespace {

std::string dump(const std::vector<Candidate>& v) {
  std::string s;
  for (const auto& c : v) {
    s += std::string(c.analysis.latin_text()) + " | " + std::string(c.analysis.meaning_text()) +
         " | " + kelvo::testing::report_of(c.analysis) + "\n";
  }
  return s;
}

int count_with_meaning(const std::vector<Candidate>& v, std::string_view meaning) {
  int n = 0;
  for (const auto& c : v) n += c.analysis.meaning_text() == meaning;
  return n;
}

}  // namespace

TEST(Prefixes, ReuenitIsReAndUenit) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  std::vector<Candidate> out;
  AnalysisContext ctx;
  std::string line;
  ASSERT_GT(try_prefixes(wa, "reuenit", out, ctx, &line), 0);
  EXPECT_EQ(line, "+PREFIX re = re-.\n\n");
  bool seen = false;
  for (const auto& c : out) {
    EXPECT_EQ(c.origin.source, Source::prefix);
    EXPECT_TRUE(c.analysis.meaning_text().starts_with("re-")) << dump(out);
    seen |= c.analysis.latin_text() == "reuen.it" && c.analysis.speech == g::pos::verb;
  }
  EXPECT_TRUE(seen) << dump(out);
}

TEST(Prefixes, BotanyRowsOnlyInBotanyMode) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  opts.botany = false;
  WordAnalyzer plain(*lex, nullptr, opts);
  std::vector<Candidate> out;
  AnalysisContext ctx;
  std::string line;
  try_prefixes(plain, "multicolor", out, ctx, &line);
  EXPECT_EQ(line.find("multi"), std::string::npos);
  opts.botany = true;
  WordAnalyzer botany(*lex, nullptr, opts);
  out.clear();
  ASSERT_GT(try_prefixes(botany, "multicolor", out, ctx, &line), 0) << dump(out);
  EXPECT_EQ(line, "+PREFIX multi = many-.\n\n");
}

TEST(Tackons, QueIsReadFirstAsAnd) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  AnalysisContext ctx;
  auto r = try_tackons(wa, "uirumque", ctx);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->tackon.text, "que");
  EXPECT_TRUE(r->tackon.before_host);
  ASSERT_FALSE(r->tackon.candidates.empty());
  EXPECT_EQ(r->tackon.candidates[0].analysis.meaning_text(), "and");
  EXPECT_EQ(r->tackon.candidates[0].analysis.latin_text(), "que.");
  bool uir = false;
  for (const auto& c : r->host) uir |= c.analysis.latin_text() == "uir.um";
  EXPECT_TRUE(uir) << dump(r->host);
}

TEST(Tackons, CumWithPronounAndNeInQuestion) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  AnalysisContext ctx;
  auto mecum = try_tackons(wa, "mecum", ctx);
  ASSERT_TRUE(mecum);
  EXPECT_EQ(mecum->tackon.text, "cum");
  EXPECT_TRUE(mecum->tackon.before_host);
  EXPECT_EQ(mecum->tackon.candidates[0].analysis.b3, g::gcase::abl);
  auto uidesne = try_tackons(wa, "uidesne", ctx);
  ASSERT_TRUE(uidesne);
  EXPECT_EQ(uidesne->tackon.text, "ne");
  // Words the compound-pronoun rule reads whole are left to it.
  EXPECT_FALSE(try_tackons(wa, "quisque", ctx));
  EXPECT_FALSE(try_tackons(wa, "xyzque", ctx));
}

TEST(Tackons, CapitalisedNameWithNeInAQuestion) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  // A name the dictionary does not hold: the enclitic rule of capitalised words.
  auto r = kelvo::testing::analyse_with_rules(wa, "Barzanusne", false, true);
  ASSERT_EQ(r.split_off.size(), 1u) << dump(r.word);
  EXPECT_EQ(r.split_off[0].text, "ne");
  EXPECT_TRUE(r.split_off[0].before_host);
  EXPECT_EQ(r.split_off[0].candidates[0].analysis.speech, g::pos::conj);
  EXPECT_EQ(r.split_off[0].candidates[0].analysis.meaning_text(), "is it not that");
  ASSERT_FALSE(r.word.empty());
  EXPECT_EQ(r.word[0].analysis.speech, g::pos::noun) << dump(r.word);
  EXPECT_EQ(r.word[0].analysis.b2, g::noun_kind::proper);
  EXPECT_EQ(r.word[0].analysis.latin_text().substr(0, 7), "Barzan.");
  // Not a question: the word stays whole.
  EXPECT_TRUE(kelvo::testing::analyse_with_rules(wa, "Barzanusne", false, false).split_off.empty());
  // "o" before "ne" (Cicerone) keeps the word whole.
  AnalysisContext ctx;
  EXPECT_FALSE(split_name_enclitic("Galbone", true, ctx));
  // A name in the dictionary goes through the tackon rule.
  auto brutus = kelvo::testing::analyse_with_rules(wa, "Brutusne", false, true);
  ASSERT_EQ(brutus.split_off.size(), 1u);
  EXPECT_EQ(brutus.split_off[0].text, "ne");
}

TEST(IndefinitePronouns, ReadingsOfTheCompounds) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  struct Case { const char* word; int readings; const char* meaning; const char* enclitic; };
  for (auto c : {Case{"quidam", 2, "certain", ""}, Case{"quendam", 1, "certain", ""},
                 Case{"quisque", 4, "each", ""}, Case{"quaeque", 5, "each", ""},
                 Case{"Quisque", 4, "each", ""}, Case{"utrumque", 3, "each", ""},
                 Case{"qualiscumque", 2, "of-whatever-kind", ""}, Case{"plerique", 3, "most", ""},
                 Case{"quinam", 2, "which", ""}, Case{"quidamque", 2, "certain", "que"},
                 Case{"quilibet", 0, "", ""}, Case{"qualisque", 0, "", ""},
                 Case{"quorundam", 2, "certain", ""}, Case{"quoddamne", 2, "certain", "ne"}}) {
    AnalysisContext ctx;
    PronounResult r = analyse_indefinite_pronoun(wa, c.word, ctx);
    EXPECT_EQ(static_cast<int>(r.readings.size()), c.readings) << c.word << "\n"
                                                               << dump(r.readings);
    EXPECT_EQ(count_with_meaning(r.readings, c.meaning), c.readings) << c.word;
    for (const auto& a : r.readings) {
      EXPECT_EQ(a.analysis.speech, g::pos::sadj);
      EXPECT_EQ(a.analysis.b6, g::comparison::pos);
      EXPECT_EQ(a.analysis.rarity, 1);
    }
    EXPECT_EQ(r.enclitic ? r.enclitic->text : std::string(), c.enclitic) << c.word;
    if (r.enclitic) {
      EXPECT_TRUE(r.enclitic->before_host);
      EXPECT_EQ(r.enclitic->candidates[0].analysis.speech, g::pos::conj);
      EXPECT_EQ(r.word.size() + r.enclitic->text.size(), std::string_view(c.word).size());
    }
  }
  AnalysisContext ctx;
  auto quidam = analyse_indefinite_pronoun(wa, "quidam", ctx);
  ASSERT_EQ(quidam.readings.size(), 2u);
  EXPECT_EQ(quidam.readings[0].analysis.latin_text(), "quidam");
  EXPECT_EQ(kelvo::testing::report_of(quidam.readings[1].analysis).find("NOM    SING    MASC") !=
                std::string::npos,
            true);
}

TEST(DerivedWords, AdverbInIterAndAdjectiveInAbilis) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  ParseLog log;
  log.open_memory();
  AnalysisContext ctx{&log, nullptr, 0, 0};
  struct Case { const char* word; g::Code speech; const char* suffix; };
  for (auto c : {Case{"amabilis", g::pos::adj, "-able"}, Case{"uanitatem", g::pos::noun, "-ity"}}) {
    std::vector<Candidate> out;
    ASSERT_GT(try_derived_words(wa, c.word, out, ctx), 0) << c.word;
    for (const auto& a : out) {
      EXPECT_EQ(a.analysis.speech, c.speech) << c.word << "\n" << dump(out);
      EXPECT_EQ(a.origin.source, Source::derived);
      std::string_view m = a.analysis.meaning_text();
      EXPECT_TRUE(m.starts_with("~")) << m;
      EXPECT_TRUE(m.ends_with(c.suffix)) << m;
      EXPECT_LE(m.size(), 24u);
    }
  }
  EXPECT_NE(log.text().find(kModifiedStem), std::string::npos);
  std::vector<Candidate> none;
  EXPECT_EQ(try_derived_words(wa, "xqzrabilis", none, ctx), 0);
}

TEST(MedievalSpellings, TextbookRespellingsFindTheirWords) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  opts.medieval_tricks = true;
  WordAnalyzer wa(*lex, nullptr, opts);
  struct Case { const char* word; const char* spelling; };
  for (auto c : {Case{"gratie", "gratiae"}, Case{"letitia", "laetitia"},
                 Case{"sylua", "silua"}, Case{"abere", "habere"}, Case{"litera", "littera"},
                 Case{"menia", "moenia"},
                 // an initial y for i, which the tokeniser writes as the Greek hy
                 Case{"hymago", "imago"}}) {
    std::vector<Candidate> out;
    AnalysisContext ctx;
    std::string used;
    ASSERT_GT(try_medieval_spellings(wa, c.word, out, ctx, &used), 0) << c.word;
    EXPECT_EQ(used, c.spelling) << c.word;
    for (const auto& a : out) EXPECT_EQ(a.origin.source, Source::variant);
  }
  opts.medieval_tricks = false;
  WordAnalyzer off(*lex, nullptr, opts);
  std::vector<Candidate> out;
  AnalysisContext ctx;
  EXPECT_EQ(try_medieval_spellings(off, "gratie", out, ctx), 0);
  opts.medieval_tricks = true;
  WordAnalyzer on(*lex, nullptr, opts);
  EXPECT_EQ(try_medieval_spellings(on, "qxzvbt", out, ctx), 0);
  EXPECT_TRUE(out.empty());
}

// "hec" is found only through the e-for-ae spelling: with the medieval rules
// off it is unknown.
TEST(MedievalSpellings, AMedievalSpellingThroughTheWholeChain) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  auto r = kelvo::testing::analyse_with_rules(wa, "hec", false, false);
  ASSERT_FALSE(r.word.empty());
  EXPECT_EQ(r.word[0].analysis.latin_text(), "h.aec");
  EXPECT_EQ(r.word[0].origin.source, Source::variant);
  opts.medieval_tricks = false;
  WordAnalyzer plain(*lex, nullptr, opts);
  EXPECT_TRUE(kelvo::testing::analyse_with_rules(plain, "hec", false, false).word.empty());
}

// A word with readings of its own that is also the medieval spelling of a
// commoner word gets that word's readings after its own, each counted three
// steps rarer than its entry (quae, the commonest, as D). A word whose own
// commonest reading is a commoner word, or an indeclinable the respelling
// would make another part of speech, keeps only its own (unde is not undae,
// esse not essae; quanquam is quamquam).
TEST(MedievalSpellings, AKnownWordAlsoReadInItsClassicalSpelling) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  struct Case { const char* word; const char* classical; };
  for (auto c : {Case{"que", "qu.ae"}, Case{"celum", "cael.um"}, Case{"tanquam", "tamquam."},
                 Case{"quanquam", "quamquam."},
                 Case{"patrie", "patri.ae"}}) {
    auto r = kelvo::testing::analyse_with_rules(wa, c.word, false, false);
    const auto first = std::find_if(r.word.begin(), r.word.end(), [](const Candidate& k) {
      return k.origin.source == Source::variant;
    });
    ASSERT_NE(first, r.word.end()) << c.word << "\n" << dump(r.word);
    EXPECT_EQ(first->analysis.latin_text(), c.classical) << dump(r.word);
    EXPECT_NE(first, r.word.begin()) << c.word;  // its own readings first
    for (auto k = r.word.begin(); k != r.word.end(); ++k) {
      EXPECT_EQ(k->origin.source == Source::variant, k >= first) << c.word << dump(r.word);
      if (k >= first) {
        EXPECT_GE(k->analysis.rarity, 4) << c.word << dump(r.word);
      }
    }
  }
  // A medieval "ch" for "h" in a word found nowhere else.
  for (auto c : {Case{"michi", "m.ihi"}, Case{"nichilominus", "nihilominus."}}) {
    auto r = kelvo::testing::analyse_with_rules(wa, c.word, false, false);
    ASSERT_FALSE(r.word.empty()) << c.word;
    EXPECT_EQ(r.word[0].analysis.latin_text(), c.classical) << dump(r.word);
  }
  for (const char* word : {"unde", "esse", "ante", "die", "longe"}) {
    auto r = kelvo::testing::analyse_with_rules(wa, word, false, false);
    ASSERT_FALSE(r.word.empty()) << word;
    for (const auto& k : r.word) EXPECT_NE(k.origin.source, Source::variant) << word << dump(r.word);
  }
  opts.medieval_tricks = false;
  WordAnalyzer off(*lex, nullptr, opts);
  for (const auto& k : kelvo::testing::analyse_with_rules(off, "celum", false, false).word)
    EXPECT_NE(k.origin.source, Source::variant);
}

// The diphthong check only skips respellings the full analysis finds nothing
// for: tried on every "e" of forms made from the dictionary's own stems (each
// stem with an "ae" or "oe" written plain, plus common endings), and on the
// places a diphthong hides outside a stem's middle.
TEST(MedievalSpellings, TheDiphthongCheckRulesOutOnlyWhatFindsNothing) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  auto reads = [&](std::string_view w) {
    std::vector<Candidate> out;
    AnalysisContext ctx;
    return wa.analyse_core(w, Source::variant, out, ctx) > 0;
  };
  int checked = 0, ruled_out = 0;
  const auto entries = lex->entries();
  for (std::size_t i = 0; i < entries.size(); i += 7) {
    std::string stem(entries[i].stem_text());
    for (std::size_t p; (p = stem.find("ae")) != std::string::npos ||
                        (p = stem.find("oe")) != std::string::npos;)
      stem.erase(p, 1);
    for (const char* ending : {"", "a", "um", "is", "ere", "es"}) {
      const std::string word = stem + ending;
      for (std::size_t at = 0; at + 1 < word.size(); ++at) {
        if (word[at] != 'e') continue;
        for (const char* d : {"ae", "oe"}) {
          const std::string r = word.substr(0, at) + d + word.substr(at + 1);
          ++checked;
          if (wa.may_read_diphthong(r, at)) continue;
          ++ruled_out;
          ASSERT_FALSE(reads(r)) << r << " ruled out at " << at;
        }
      }
    }
  }
  EXPECT_GT(checked, 10000);
  EXPECT_GT(ruled_out, checked / 2);  // the check is worth its place
  // The diphthong in the ending (haec, quae), in a capitalised stem (Iudaeus
  // read for iudeus), across a stem and its ending (a stem in -a before an
  // ending in -e), and in a user's stem.
  for (auto [word, at] : {std::pair{"haec", 1}, {"quae", 2}, {"iudaeus", 3}, {"caelum", 1}})
    EXPECT_TRUE(wa.may_read_diphthong(word, static_cast<std::size_t>(at))) << word;
  EXPECT_FALSE(wa.may_read_diphthong("taempus", 1));
}

// nemo and nihil are also the negative pronouns, amen also a cry: offered
// after the dictionary's own readings, rarer, and only for these entries.
TEST(SecondPartsOfSpeech, OfferedAfterTheDictionarysOwn) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions opts;
  WordAnalyzer wa(*lex, nullptr, opts);
  struct Case { const char* word; g::Code own, second; };
  for (auto c : {Case{"neminem", g::pos::noun, g::pos::pron}, Case{"nihil", g::pos::noun, g::pos::pron},
                 Case{"amen", g::pos::adv, g::pos::interj}}) {
    auto r = kelvo::testing::analyse_with_rules(wa, c.word, false, false);
    ASSERT_FALSE(r.word.empty()) << c.word;
    EXPECT_EQ(r.word[0].analysis.speech, c.own) << dump(r.word);
    const auto second = std::find_if(r.word.begin(), r.word.end(), [&](const Candidate& k) {
      return k.analysis.speech == c.second;
    });
    ASSERT_NE(second, r.word.end()) << c.word << dump(r.word);
    EXPECT_GT(second->analysis.rarity, r.word[0].analysis.rarity) << dump(r.word);
    for (auto k = second; k != r.word.end(); ++k) EXPECT_EQ(k->analysis.speech, c.second);
    if (c.second == g::pos::pron) {
      EXPECT_EQ(second->analysis.pronoun_kind(), g::pronoun_kind::indef);
    }
  }
  // Another noun of the same letters gains nothing.
  for (const char* word : {"nemus", "nidus"}) {
    for (const auto& k : kelvo::testing::analyse_with_rules(wa, word, false, false).word)
      EXPECT_NE(k.analysis.speech, g::pos::pron) << word;
  }
}

TEST(PhoneticSearch, TwoChangesAwayFoundWithTheTableAndWithout) {
  REQUIRE_REAL_LEXICON(lex);
  ASSERT_TRUE(lex->has_phonetics());
  TranslationOptions opts;
  opts.medieval_phonetics = true;
  WordAnalyzer wa(*lex, nullptr, opts);
  // ph for f twice and e for ae: beyond any single change.
  std::vector<Candidate> out;
  AnalysisContext ctx;
  std::string used;
  ASSERT_GT(try_medieval_spellings(wa, "filosofie", out, ctx, &used), 0);
  EXPECT_EQ(used, "philosophiae");
  EXPECT_LE(phonetic_candidates(wa, "filosofie").size(),
            static_cast<std::size_t>(kMaxPhoneticCandidates));
  // Without the option the search is not made.
  opts.medieval_phonetics = false;
  WordAnalyzer off(*lex, nullptr, opts);
  out.clear();
  EXPECT_EQ(try_medieval_spellings(off, "filosofie", out, ctx), 0);
  // The coded respellings (used when the table is absent) reach two changes.
  auto coded = coded_phonetic_candidates("gratie");
  EXPECT_LE(coded.size(), static_cast<std::size_t>(kMaxCodedCandidates));
  EXPECT_NE(std::find(coded.begin(), coded.end(), "graciae"), coded.end());
}

