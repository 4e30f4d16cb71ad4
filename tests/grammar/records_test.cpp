#include "grammar/records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace g = kelvo::grammar;

TEST(Records, IntegersAreLittleEndianBytes) {
  g::DictEntry e{};
  e.meaning_index.set(0x01020304);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&e);
  EXPECT_EQ(bytes[8], 0x04);
  EXPECT_EQ(bytes[11], 0x01);
  EXPECT_EQ(e.meaning_index.get(), 0x01020304);
  g::WordAnalysis a{};
  a.link1.set(-1);
  EXPECT_EQ(reinterpret_cast<const unsigned char*>(&a)[14], 0xFF);
  EXPECT_EQ(a.link1.get(), -1);
}

TEST(Records, MeaningOf79CharactersFillsItsField) {
  g::MeaningLine m{};
  std::string text(79, 'x');
  kelvo::set_field(m.english, text);
  EXPECT_EQ(m.english_text().size(), 79u);
  EXPECT_EQ(m.english[79], '\0');
  kelvo::set_field(m.english, std::string(120, 'y'));  // bounded, never overflows
  EXPECT_EQ(m.english_text().size(), 79u);
}

TEST(Records, AnalysisMeaningIsCutWithStar) {
  g::WordAnalysis a{};
  g::set_analysis_meaning(a, "a meaning that is much longer than the field");
  EXPECT_EQ(a.meaning_text(), "a meaning that is much l*");
  g::set_analysis_meaning(a, "love");
  EXPECT_EQ(a.meaning_text(), "love");
  g::set_analysis_meaning(a, "exactly twenty-four char");
  EXPECT_EQ(a.meaning_text(), "exactly twenty-four char");
  g::set_analysis_meaning(a, "exactly twenty-four chars");
  EXPECT_EQ(a.meaning_text(), "exactly twenty-four char*");
}

namespace {

// Every field against every key must order and match as its text does.
template <std::size_t N>
void check_field_comparisons(const std::vector<std::string>& field_bytes,
                             const std::vector<std::string>& keys) {
  for (const auto& bytes : field_bytes) {
    char f[N] = {};
    std::memcpy(f, bytes.data(), std::min(bytes.size(), N));
    const std::string_view text = kelvo::field_view(f);
    for (const auto& k : keys) {
      if (k.size() > N) continue;
      const kelvo::FieldKey<N> key(k);
      EXPECT_EQ(key.field_less(f), kelvo::compare_bytes(text, k) < 0)
          << N << "-byte field \"" << text << "\" key \"" << k << "\"";
      EXPECT_EQ(key.field_equals(f), text == k)
          << N << "-byte field \"" << text << "\" key \"" << k << "\"";
    }
    for (const auto& other_bytes : field_bytes) {
      char o[N] = {};
      std::memcpy(o, other_bytes.data(), std::min(other_bytes.size(), N));
      const int want = kelvo::compare_bytes(text, kelvo::field_view(o));
      const int got = kelvo::compare_fields(f, o);
      EXPECT_EQ((got > 0) - (got < 0), (want > 0) - (want < 0))
          << "fields \"" << text << "\" and \"" << kelvo::field_view(o) << "\"";
    }
  }
}

}  // namespace

// The searches compare fixed fields without finding their end: fields short,
// full to the last byte, with bytes left after their zero or with high bytes,
// against keys of every length around the eight-byte words.
TEST(Records, FieldComparisonsAgreeWithTheFieldText) {
  using namespace std::string_literals;
  const std::vector<std::string> eight{"ab",         "abc",      "abcdefgh", "ab\0zzzzz"s,
                                       "a\0c\0"s,  "",         "\xe9t",    "b",
                                       "abb",        "abcdefg",  "abcdefgi", "abcdefg\0"s};
  const std::vector<std::string> keys8{"",        "a",        "ab",        "abc",  "abcd",
                                       "abd",     "b",        "\xe9t",     "zz",   "abcdefg",
                                       "abcdefgh", "abcdefgi", "abcdefghi", "abcdefgg"};
  check_field_comparisons<8>(eight, keys8);
  const std::vector<std::string> long_fields{
      "amicus", "abcdefghijklmnop", "abcdefghijklmnopqrstuvwx", "abcdefghijklmnoq",
      "abcdefghijklmnop\0junk"s, "abcdefghi", "abcdefgh", "abcdefghijklmnopqrstuvw"};
  const std::vector<std::string> long_keys{"amicus", "abcdefgh", "abcdefghi", "abcdefghijklmnop",
                                           "abcdefghijklmnopq", "abcdefghijklmnopqrstuvwx",
                                           "abcdefghijklmnopqrstuvwy", "abcdefghijklmnoo",
                                           "abcdefghijklmnopqrstuvwxy", "b", ""};
  check_field_comparisons<24>(long_fields, long_keys);
}

TEST(Records, FieldTextKeepsWhatTheFieldTakes) {
  kelvo::FieldText<5> t;
  t.append("ab");
  t.append("");
  t.append("cdefg");
  EXPECT_EQ(t.view(), "abcde");
  t.append("h");
  EXPECT_EQ(t.view(), "abcde");
}

TEST(AreaSection, PreferredAreaSectionReplacesMeaning) {
  struct Case { const char* text; char pref; int age; int area; const char* out; int out_area; int out_rarity; };
  for (auto c : {
           Case{"soldier L:legion", 'L', 0, 0, "legion", 6, 1},
           Case{"crown S:corona T:halo", 'S', 0, 0, "corona T:halo", 8, 1},
           Case{"thing T:tool", 'S', 0, 0, "tool", 8, 1},
           Case{"plain meaning", 'L', 0, 0, "plain meaning", 0, 5},
           Case{"man H:gardener", 'E', 7, 0, "gardener", 13, 1},  // age fallback to H
           Case{"M:monk", 'Z', 0, 0, "monk", 15, 1},
           Case{"ox B:bull", 'B', 0, 2, "ox B:bull", 2, 5},  // area already B: untouched
       }) {
    std::string m = c.text;
    int area = c.area, rarity = 5;
    g::choose_area_section(m, c.pref, c.age, area, rarity);
    EXPECT_EQ(m, c.out) << c.text;
    EXPECT_EQ(area, c.out_area) << c.text;
    EXPECT_EQ(rarity, c.out_rarity) << c.text;
  }
}

// Each property is read from the byte its part of speech keeps it in, and a
// part of speech without the property answers 0 and ignores the setter.
TEST(WordAnalysisFields, NamedAccessorsFollowThePartOfSpeech) {
  auto make = [](g::Code speech, std::array<g::Code, 8> b, g::Code key = 0) {
    g::WordAnalysis a{};
    a.speech = speech;
    a.b1 = b[0], a.b2 = b[1], a.b3 = b[2], a.b4 = b[3];
    a.b5 = b[4], a.b6 = b[5], a.b7 = b[6], a.b8 = b[7];
    a.stem_key = key;
    return a;
  };
  auto verb = make(g::pos::verb, {0, 6, 4, 2, 2, 3, 1, 2});
  EXPECT_EQ(verb.tense(), 4);
  EXPECT_EQ(verb.voice(), 2);
  EXPECT_EQ(verb.mood(), 2);
  EXPECT_EQ(verb.person(), 3);
  EXPECT_EQ(verb.number(), 1);
  EXPECT_EQ(verb.verb_kind(), 6);
  EXPECT_EQ(verb.complement(), 2);
  EXPECT_EQ(verb.grammatical_case(), 0);
  auto vpar = make(g::pos::vpar, {5, 6, 7, 2, 1, 4, 2, 5});
  EXPECT_EQ(vpar.grammatical_case(), 7);
  EXPECT_EQ(vpar.tense(), 4);
  EXPECT_EQ(vpar.voice(), 2);
  EXPECT_EQ(vpar.mood(), 5);
  EXPECT_EQ(vpar.complement(), 5);
  auto prep = make(g::pos::prep, {6, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(prep.grammatical_case(), 6);
  auto adv = make(g::pos::adv2, {0, 0, 0, 0, 0, 0, 1, 0}, 2);
  EXPECT_EQ(adv.comparison(), 2);
  EXPECT_TRUE(adv.conjunction_like());
  auto tackon_tense = make(g::pos::tackon, {0, 0, 1, 0, 0, 7, 2, 0});
  EXPECT_EQ(tackon_tense.tense(), 1);
  EXPECT_EQ(tackon_tense.grammatical_case(), 0);
  auto pron = make(g::pos::pron, {0, 5, 1, 1, 1, 0, 0, 8});
  EXPECT_TRUE(pron.quis_clause());
  EXPECT_EQ(pron.pronoun_kind(), 5);

  auto noun = make(g::pos::noun, {0, 4, 1, 1, 1, 0, 0, 0});
  noun.set_grammatical_case(g::gcase::acc);
  noun.set_tense(g::tense::perf);  // a noun has no tense: nothing changes
  EXPECT_EQ(noun.b3, g::gcase::acc);
  EXPECT_EQ(noun.b6, 0);
  verb.set_number(g::number::sing);
  EXPECT_EQ(verb.b7, g::number::sing);
  noun.set_link(1, 42);
  EXPECT_EQ(noun.link(1), 42);
  EXPECT_EQ(noun.link2.get(), 42);
}

// A joining word made a coordination marker remembers what it was and gives
// it back whole: an adverb its conjunction-like flag too.
TEST(WordAnalysisFields, CoordinationMarkerRoundTrip) {
  g::WordAnalysis adv{};
  adv.speech = g::pos::adv;
  adv.set_conjunction_like(true);
  adv.make_coordination_marker(g::gcase::acc);
  EXPECT_TRUE(adv.coordination_marker());
  EXPECT_EQ(adv.speech, g::pos::tackon);
  EXPECT_EQ(adv.marked_speech(), g::pos::adv);
  EXPECT_EQ(adv.grammatical_case(), g::gcase::acc);
  adv.set_link(0, 3);
  adv.undo_coordination_marker();
  EXPECT_EQ(adv.speech, g::pos::adv);
  EXPECT_TRUE(adv.conjunction_like());
  EXPECT_EQ(adv.link(0), -1);
  // A tackon that carries a verb's tense has the marker's byte 7 and is none.
  g::WordAnalysis tense{};
  tense.speech = g::pos::tackon;
  tense.b6 = g::pos::verb;
  tense.b7 = 2;
  EXPECT_FALSE(tense.coordination_marker());
}

// An inflection keeps its properties where the data builder lays them out:
// VERB, VPAR and ADV apart, every other part in the nominal layout.
TEST(InflectionRecordFields, NamedAccessorsFollowTheBuilderLayout) {
  auto make = [](g::Code speech, std::array<g::Code, 6> b3to8) {
    g::InflectionRecord r{};
    r.speech = speech;
    r.b3 = b3to8[0], r.b4 = b3to8[1], r.b5 = b3to8[2];
    r.b6 = b3to8[3], r.b7 = b3to8[4], r.b8 = b3to8[5];
    return r;
  };
  auto verb = make(g::pos::verb, {4, 2, 1, 3, 2, 0});
  EXPECT_EQ(verb.tense(), 4);
  EXPECT_EQ(verb.voice(), 2);
  EXPECT_EQ(verb.mood(), 1);
  EXPECT_EQ(verb.person(), 3);
  EXPECT_EQ(verb.number(), 2);
  EXPECT_EQ(verb.grammatical_case(), 0);
  auto vpar = make(g::pos::vpar, {7, 1, 3, 3, 2, 6});
  EXPECT_EQ(vpar.grammatical_case(), 7);
  EXPECT_EQ(vpar.number(), 1);
  EXPECT_EQ(vpar.gender(), 3);
  EXPECT_EQ(vpar.tense(), 3);
  EXPECT_EQ(vpar.voice(), 2);
  EXPECT_EQ(vpar.mood(), 6);
  EXPECT_EQ(vpar.person(), 0);
  EXPECT_EQ(make(g::pos::adv, {0, 0, 0, 2, 0, 0}).comparison(), 2);
  EXPECT_EQ(make(g::pos::prep, {6, 0, 0, 0, 0, 0}).grammatical_case(), 6);
  auto num = make(g::pos::num, {1, 2, 1, 3, 0, 0});
  EXPECT_EQ(num.numeral_sort(), 3);
  EXPECT_EQ(num.comparison(), 0);
  EXPECT_EQ(num.number(), 2);
  auto adj = make(g::pos::adj, {3, 1, 2, 2, 0, 0});
  EXPECT_EQ(adj.comparison(), 2);
  EXPECT_EQ(adj.gender(), 2);
  EXPECT_EQ(adj.tense(), 0);
}

TEST(WordAnalysisFields, KindAndMarkSettersKeepToTheirPartOfSpeech) {
  g::WordAnalysis a{};
  a.speech = g::pos::noun;
  a.set_noun_kind(g::noun_kind::gerund);
  a.set_verb_kind(g::verb_kind::dep);  // a noun has no verb kind: nothing changes
  a.set_numeral_sort(g::numeral_sort::ord);
  EXPECT_EQ(a.noun_kind(), g::noun_kind::gerund);
  EXPECT_EQ(a.b2, g::noun_kind::gerund);
  EXPECT_EQ(a.b6, 0);
  a.speech = g::pos::num;
  a.set_numeral_sort(g::numeral_sort::ord);
  EXPECT_EQ(a.numeral_sort(), g::numeral_sort::ord);
  a = g::WordAnalysis{};
  a.speech = g::pos::punct;
  a.set_punctuation(4);
  EXPECT_EQ(a.punctuation(), 4);
  a.speech = g::pos::vpar;
  a.set_verb_kind(g::verb_kind::trans);
  EXPECT_EQ(a.verb_kind(), g::verb_kind::trans);
}

namespace {

// A field's text ends at its first zero byte wherever that falls in the
// eight-byte words read, whatever bytes follow (0x01 and 0x80 after a zero
// are the ones the zero-byte test can mark falsely), or at the field's end.
template <std::size_t N>
void check_field_ends() {
  for (std::size_t zero = 0; zero <= N; ++zero)
    for (int after : {0x00, 0x01, 0x80, 0xFF, 0x61}) {
      char f[N];
      for (std::size_t i = 0; i < N; ++i)
        f[i] = static_cast<char>(i < zero ? 'a' + i % 26 : after);
      if (zero < N) f[zero] = '\0';
      EXPECT_EQ(kelvo::field_view(f).size(), zero) << N << "-byte field, zero at " << zero;
    }
}

}  // namespace

TEST(FieldView, EndsAtTheFirstZeroByte) {
  check_field_ends<3>();
  check_field_ends<24>();
  check_field_ends<26>();
  check_field_ends<76>();
}

// The text before a stop byte, read a word at a time and no further than a
// limit, is the field's text cut at its first stop and at the limit: the
// zero and the stop anywhere in the words, either first, with the bytes
// after them that either test can mark falsely ("." and 0xAF beside "/").
TEST(FieldView, UntilAStopByteIsTheTextCutThere) {
  constexpr std::size_t N = 80;
  for (std::size_t zero = 0; zero <= N; zero += 3)
    for (std::size_t stop = 0; stop <= N; stop += 5)
      for (int after : {0x00, 0x01, 0x80, 0x2E, 0xAF, 0x2F, 0x61})
        for (std::size_t limit : {std::size_t{32}, N}) {
          char f[N];
          for (std::size_t i = 0; i < N; ++i)
            f[i] = static_cast<char>(i < std::min(zero, stop) ? 'a' + i % 26 : after);
          if (stop < N) f[stop] = '/';
          if (zero < N) f[zero] = '\0';
          const std::string_view text = kelvo::field_view(f);
          const std::string_view want = text.substr(0, text.find('/')).substr(0, limit);
          EXPECT_EQ(kelvo::field_view_until(f, '/', limit), want)
              << "zero at " << zero << ", stop at " << stop << ", then " << after;
        }
}
