#include "mkdata/irregular_english.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvo::mkdata {
namespace {

WordNetForms forms() {
  WordNetForms wn;
  wn.verb_exc = {{"went", "go"},   {"gone", "go"},     {"sang", "sing"},  {"sung", "sing"},
                 {"brought", "bring"}, {"bore", "bear"}, {"born", "bear"}, {"borne", "bear"},
                 {"ran", "run"},   {"running", "run"}, {"has", "have"},   {"had", "have"},
                 {"was", "be"},    {"lying", "lie"},   {"lain", "lie"},   {"lay", "lie"}};
  wn.noun_exc = {{"children", "child"}, {"indices", "index"}, {"indexes", "index"}};
  wn.adj_exc = {{"better", "good"}, {"best", "good"}, {"worse", "bad"}};
  for (const char* v : {"go", "sing", "bring", "bear", "run", "have", "lie", "be"})
    wn.verb_tags[v] = 10;
  return wn;
}

std::string lookup(const IrregularTable& t, const std::string& key) {
  auto it = std::find_if(t.forms.begin(), t.forms.end(),
                         [&](const WordPair& p) { return p.first == key; });
  return it == t.forms.end() ? "" : it->second;
}

TEST(IrregularEnglish, PastAndParticipleKeptApart) {
  const std::vector<IrregularVerb> verbs = irregular_verbs(forms());
  auto find = [&](const char* base) {
    auto it = std::find_if(verbs.begin(), verbs.end(),
                           [&](const IrregularVerb& v) { return v.base == base; });
    return it == verbs.end() ? IrregularVerb{} : *it;
  };
  struct Case {
    const char *base, *past, *participle;
  } cases[] = {{"go", "went", "gone"},      {"sing", "sang", "sung"},
               {"bring", "brought", "brought"}, {"bear", "bore", "borne"},
               {"lie", "lay", "lain"}};
  for (const Case& c : cases) {
    IrregularVerb v = find(c.base);
    EXPECT_EQ(v.past, c.past) << c.base;
    EXPECT_EQ(v.participle, c.participle) << c.base;
  }
  EXPECT_TRUE(find("be").base.empty());  // "be" is the verb phrase builder's own
}

TEST(IrregularEnglish, KeysAreWhatTheSuffixRulesSpell) {
  const IrregularTable t = build_irregular_table(forms());
  // "+ed" always follows have/had/be: the participle.
  EXPECT_EQ(lookup(t, "goed"), "gone");
  EXPECT_EQ(lookup(t, "singed"), "sung");
  EXPECT_EQ(lookup(t, "beared"), "borne");
  EXPECT_EQ(lookup(t, "runing"), "running");
  EXPECT_EQ(lookup(t, "liing"), "lying");  // lie+ing drops the e
  EXPECT_EQ(lookup(t, "haves"), "has");
  EXPECT_EQ(lookup(t, "childs"), "children");
  // index has a regular plural among its forms: nothing to repair.
  EXPECT_EQ(lookup(t, "indexes"), "");
  EXPECT_TRUE(std::is_sorted(t.forms.begin(), t.forms.end()));
  EXPECT_EQ(t.comparisons, (std::vector<WordPair>{
                               {"more good", "better"}, {"most good", "best"}, {"more bad", "worse"}}));
}

TEST(IrregularEnglish, RealWordsAndCommonerVerbsKeepTheirSpelling) {
  WordNetForms wn = forms();
  wn.verb_exc.push_back({"saw", "see"});
  wn.verb_exc.push_back({"seen", "see"});
  wn.verb_exc.push_back({"hopped", "hop"});
  wn.lemmas.insert("seed");  // see+ed spells a noun
  wn.verb_tags["see"] = 50;
  wn.verb_tags["hop"] = 3;
  wn.verb_tags["hope"] = 3;  // hope+ed spells hoped too, and hope is as common
  wn.verb_tags["singe"] = 1;  // sing is far commoner than singe: singed stays sung
  const IrregularTable t = build_irregular_table(wn);
  EXPECT_EQ(lookup(t, "seed"), "");
  EXPECT_EQ(lookup(t, "hoped"), "");
  EXPECT_EQ(lookup(t, "singed"), "sung");
  EXPECT_EQ(t.left_out.size(), 2u);
}

}  // namespace
}  // namespace kelvo::mkdata
