// The builder on a small hand-made Whitaker-format fixture.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/text.h"
#include "grammar/lexicon.h"
#include "grammar/records.h"
#include "mkdata/data_builder.h"
#include "mkdata/english_tables.h"
#include "mkdata/whitaker_reader.h"

namespace kelvo::mkdata {
namespace {

namespace fs = std::filesystem;
using grammar::DictEntry;

void put_i32(std::string& r, std::size_t at, std::int32_t v) {
  for (int i = 0; i < 4; ++i) r[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void put_text(std::string& r, std::size_t at, std::size_t width, std::string_view s) {
  r.replace(at, s.size(), s);
  (void)width;
}

// One 180-byte DICTFILE.GEN record. `attr` goes to byte 84 (76 for ADV/PREP).
std::string dict_record(std::vector<std::string> stems, int speech, int which, int variant,
                        int attr, int noun_kind, int age, int area, int freq,
                        std::string_view meaning) {
  std::string r(180, ' ');
  for (std::size_t k = 0; k < stems.size(); ++k) put_text(r, k * 18, 18, stems[k]);
  r[72] = static_cast<char>(speech);
  if (speech == 6 || speech == 10) {
    r[76] = static_cast<char>(attr);
  } else if (speech >= 1 && speech <= 7) {
    put_i32(r, 76, which);
    put_i32(r, 80, variant);
    r[84] = static_cast<char>(attr);
    r[85] = static_cast<char>(noun_kind);
  }
  r[92] = static_cast<char>(age);
  r[93] = static_cast<char>(area);
  r[94] = 0;
  r[95] = static_cast<char>(freq);
  r[96] = 0;
  put_text(r, 97, 80, meaning);
  r[97 + meaning.size()] = '\r';
  return r;
}

// One 40-byte INFLECTS.SEC record; `f` are the bytes from offset 12 (nominal,
// verb) or 4 (ADV, PREP).
std::string inflect_record(int speech, int which, int variant, std::vector<int> f, int key,
                           std::string_view ending, int age = 0, int freq = 1) {
  std::string r(40, '\0');
  put_i32(r, 0, speech);
  if (speech == 6 || speech == 10) {
    r[4] = static_cast<char>(f.empty() ? 0 : f[0]);
  } else if (speech != 0) {
    put_i32(r, 4, which);
    put_i32(r, 8, variant);
    for (std::size_t i = 0; i < f.size(); ++i) r[12 + i] = static_cast<char>(f[i]);
  }
  put_i32(r, 20, key);
  put_i32(r, 24, static_cast<std::int32_t>(ending.size()));
  std::string padded(ending);
  padded.resize(7, ' ');
  r.replace(28, 7, padded);
  r[36] = static_cast<char>(age);
  r[37] = static_cast<char>(freq);
  return r;
}

const char* kUniques =
    "uis\r\nV 6 1 PRES ACTIVE IND 2 S TRANS  X X X A X\r\nwish, want;\r\n"
    "aforem\r\nV 5 1 IMPF ACTIVE SUB 1 S TO_BEING  X X X C X\r\nbe away/absent;\r\n"
    "Jesu\r\nN 9 9 VOC S M p  E E X B O\r\nJesus;\r\n";

const char* kAddons =
    "--  comment lines\n"
    "PREFIX ab\nX X\naway from;\n"
    "TACKON que\nX\n-que = and (enclitic, translated before attached word);\n"
    "TACKON ve  \nX\n-ve = or if you will (enclitic); or;\n"
    "--\n"
    "TACKON cum\nPRON 5 0 PERS\nTACKON with (enclitic with PRON 5 0); [w/ABL  mecum => with me];\n"
    "TACKON pte\nPRON 4 0 PERS\nTACKON ! (emphatic particle w/personal PRON);\n"
    "SUFFIX ul\nN 1 N 1 1 F T 1\nlittle;\n";

std::string phrase_source() {
  std::string s = "# repairs\n[verb phrases]\n";
  for (int i = 0; i < 19; ++i) s += "he are" + std::to_string(i) + "\the is\n";
  s += "[word phrases]\nthe the\tthe\nof of\tof\nmore more\tmore\n";
  return s;
}

void write(const fs::path& p, std::string_view bytes) {
  std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

template <typename T>
std::vector<T> records(const fs::path& p, std::size_t skip_tail = 0) {
  std::string b = slurp(p);
  std::vector<T> v((b.size() - skip_tail) / sizeof(T));
  std::memcpy(v.data(), b.data(), v.size() * sizeof(T));
  return v;
}

class FixtureBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("kelvo_mkdata_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "wh");
    fs::create_directories(root_ / "src");
    fs::create_directories(root_ / "wn");
    std::string dict;
    // N 2 1 M, kind P, continued on the next record.
    dict += dict_record({"amic", "amic"}, 1, 2, 1, 1, 6, 0, 0, 1, "friend, ally;");
    dict += dict_record({"amic", "amic"}, 1, 2, 1, 1, 6, 0, 0, 1, "|supporter;");
    dict += dict_record({"zon", "zon"}, 1, 1, 1, 2, 7, 0, 0, 3, "belt, girdle;");
    dict += dict_record({"Belg", "Belg"}, 1, 1, 1, 2, 4, 0, 0, 3, "Belgae (pl.);");
    dict += dict_record({"castr", "castr"}, 1, 2, 2, 3, 2, 0, 10, 1, "camp;");
    dict += dict_record({"am", "am", "amav", "amat"}, 7, 1, 1, 0, 0, 3, 10, 2, "love, like;");
    dict += dict_record({"juv", "juv", "juv", "jut"}, 7, 2, 1, 6, 0, 0, 0, 0, "help;");
    dict += dict_record({"bon", "bon", "meli", "opti"}, 4, 1, 1, 1, 0, 0, 0, 1, "good;");
    dict += dict_record({"et", "zzz"}, 11, 0, 0, 0, 0, 0, 0, 1, "and;");
    write(root_ / "wh" / kDictFileName, dict);

    std::string infl;
    infl += inflect_record(1, 2, 1, {1, 1, 4}, 1, "us");
    infl += inflect_record(1, 2, 1, {3, 1, 4}, 2, "i");
    infl += inflect_record(0, 0, 0, {}, 0, "");  // an unused slot
    infl += inflect_record(1, 2, 1, {1, 1, 4}, 1, "os", 1, 3);  // archaic
    infl += inflect_record(1, 2, 2, {1, 2, 3}, 2, "a");
    infl += inflect_record(1, 2, 2, {3, 2, 3}, 2, "orum");
    infl += inflect_record(1, 1, 1, {1, 1, 4}, 1, "a");
    infl += inflect_record(1, 1, 1, {3, 1, 4}, 2, "ae");
    infl += inflect_record(7, 1, 1, {1, 1, 1, 1, 1}, 1, "o");
    infl += inflect_record(7, 1, 1, {1, 1, 4, 0, 0}, 2, "are");
    infl += inflect_record(7, 0, 0, {4, 1, 1, 1, 1}, 3, "i");
    infl += inflect_record(8, 0, 0, {1, 1, 1, 4, 2, 5}, 4, "us");
    infl += inflect_record(7, 2, 1, {1, 1, 1, 1, 1}, 1, "o", 0, 4);
    infl += inflect_record(7, 2, 1, {1, 1, 4, 0, 0}, 2, "are");
    infl += inflect_record(4, 1, 1, {1, 1, 1, 1}, 1, "us");
    infl += inflect_record(4, 1, 1, {1, 1, 2, 1}, 2, "a");
    infl += inflect_record(4, 1, 1, {1, 1, 3, 1}, 2, "um");
    infl += inflect_record(11, 0, 0, {}, 1, "");
    infl += inflect_record(10, 0, 0, {6}, 1, "");
    write(root_ / "wh" / kInflectsFileName, infl);
    write(root_ / "wh" / kUniquesFileName, kUniques);
    write(root_ / "wh" / kAddonsFileName, kAddons);

    write(root_ / "src" / kPolishSource,
          "# irregular forms\ngoed\tgone\nmans\tmen\n"
          "averyveryverylongkeyword\tx\nchilds\tchildren\nsinged\tsinged\n");
    // A WordNet in miniature: index lines "lemma pos synsets pointers [ptr...]
    // senses tagged-senses offsets".
    write(root_ / "wn" / "index.verb",
          "  licence line\ngo v 1 0 1 30 0\nsee v 1 0 1 40 0\nsing v 1 0 1 10 0\n"
          "singe v 1 0 1 1 0\nhop v 1 0 1 3 0\nhope v 1 0 1 3 0\ntake v 1 1 @ 1 50 0\n");
    write(root_ / "wn" / "index.noun", "child n 1 0 1 20 0\nseed n 1 0 1 10 0\nman n 1 0 1 9 0\n");
    write(root_ / "wn" / "index.adj", "good a 1 0 1 9 0\n");
    write(root_ / "wn" / "index.adv", "");
    write(root_ / "wn" / "verb.exc",
          "went go\ngone go\nsaw see\nseen see\nsang sing\nsung sing\nhopped hop\n"
          "hopping hop\ntook take\ntaken take\ntaking take\ngo_by go_by\n");
    write(root_ / "wn" / "noun.exc", "children child\nmen man\n");
    write(root_ / "wn" / "adj.exc", "better good\nbest good\n");
    options_.wordnet_dir = (root_ / "wn").string();
    write(root_ / "src" / kPhraseRepairSource, phrase_source());
    write(root_ / "src" / kFinalPolishSource, "the the\tthe\na a\ta\nThe\tx\n");
    options_.whitaker_dir = (root_ / "wh").string();
    options_.sources_dir = (root_ / "src").string();
    options_.out_dir = (root_ / "out").string();
  }
  void TearDown() override { fs::remove_all(root_); }

  std::vector<DictEntry> dictionary() {
    return records<DictEntry>(out(grammar::kDictFile),
                              grammar::kLetterIndexCount * sizeof(grammar::LetterIndexRecord));
  }
  fs::path out(const char* name) const { return root_ / "out" / name; }

  fs::path root_;
  BuildOptions options_;
};

TEST_F(FixtureBuild, DictionarySortedWithLetterIndexAndJoinedMeanings) {
  auto report = build_data(options_);
  ASSERT_TRUE(report) << report.error().message;
  EXPECT_EQ(report->continuations, 1);
  EXPECT_EQ(report->citations_missing, 0);

  std::vector<DictEntry> d = dictionary();
  std::vector<std::string> stems;
  for (const DictEntry& e : d) stems.emplace_back(e.stem_text());
  // Byte order: capitals first; j/v spelt i/u; one record per stem; "zzz" is no stem.
  EXPECT_EQ(stems, (std::vector<std::string>{"Belg", "Belg", "am", "am", "amat", "amau", "amic",
                                             "amic", "bon", "bon", "castr", "castr", "et",
                                             "iut", "iuu", "iuu", "iuu", "meli", "opti", "zon",
                                             "zon"}));

  std::string raw = slurp(out(grammar::kDictFile));
  ASSERT_EQ(raw.size(), d.size() * 40 + 27 * 84);
  std::vector<grammar::LetterIndexRecord> li(27);
  std::memcpy(li.data(), raw.data() + d.size() * 40, 27 * 84);
  EXPECT_EQ(li[0].first.get(), 2);    // 'a' after the capitals
  EXPECT_EQ(li[1].first.get(), 8);    // 'b'
  EXPECT_EQ(li[3].first.get(), 12);   // no 'd': the start of 'e'
  EXPECT_EQ(li[4].first.get(), 12);   // 'e'
  EXPECT_EQ(li[25].first.get(), 19);  // 'z'
  EXPECT_EQ(li[26].first.get(), 21);  // the count

  auto meanings = records<grammar::MeaningLine>(out(grammar::kMeaningsFile));
  ASSERT_EQ(meanings.size(), 8u);
  const DictEntry& amic = d[6];
  const grammar::MeaningLine& m = meanings[static_cast<std::size_t>(amic.meaning_index.get())];
  EXPECT_EQ(m.english_text(), "friend/ally/supporter");
  EXPECT_EQ(m.latin_text(), "amicus amici");
  // Every stem of one entry points at the same meaning line.
  EXPECT_EQ(d[6].meaning_index.get(), d[7].meaning_index.get());
  EXPECT_EQ(meanings[static_cast<std::size_t>(d[2].meaning_index.get())].latin_text(),
            "amo amare amaui amatus");
  EXPECT_EQ(meanings[static_cast<std::size_t>(d[8].meaning_index.get())].latin_text(),
            "bonus bona bonum");
  EXPECT_EQ(meanings[static_cast<std::size_t>(d[10].meaning_index.get())].latin_text(),
            "castra castrorum");
  EXPECT_EQ(meanings[static_cast<std::size_t>(d[13].meaning_index.get())].latin_text(),
            "iuuo iuuare iuui iutus");

  // The builder checked what it wrote with the loader's checks and left sums
  // that spare the programs those checks at start.
  ParseLog log;
  auto lex = grammar::load_lexicon(options_.out_dir, log);
  ASSERT_TRUE(lex) << lex.error().message;
  EXPECT_EQ(lex->vouched_tables().size(), 6u);
}

TEST_F(FixtureBuild, CodesMappedIntoEntryBytes) {
  ASSERT_TRUE(build_data(options_));
  std::vector<DictEntry> d = dictionary();
  struct Expect {
    std::size_t at;
    int speech, which, variant, byte3, kind, key, rarity, area, age, extra;
  };
  const Expect table[] = {
      {0, 1, 1, 1, 2, grammar::noun_kind::group, 1, 3, 0, 0, 0},    // Belgae: G -> 9
      {6, 1, 2, 1, 1, grammar::noun_kind::person, 1, 1, 0, 0, 0},   // P -> 6
      {10, 1, 2, 2, 3, grammar::noun_kind::mult, 1, 1, 10, 0, 2},   // M -> 2, plural only
      {19, 1, 1, 1, 2, grammar::noun_kind::thing, 1, 3, 0, 0, 0},   // T -> 7
      {2, 7, 1, 1, 0, 0, 1, 2, 10, 3, 0},                            // verb, freq B, area W, age C
      {13, 8, 2, 1, 0, grammar::verb_kind::trans, 4, 4, 0, 0, 0},   // stem 4 a participle; freq X -> grade 4
      {8, 4, 1, 1, 1, 0, 1, 1, 0, 0, 0},                             // ADJ comparison POS
      {12, 11, 0, 0, 0, 0, 1, 1, 0, 0, 0},                           // CONJ
  };
  for (const Expect& x : table) {
    const DictEntry& e = d[x.at];
    SCOPED_TRACE(std::string(e.stem_text()));
    EXPECT_EQ(e.speech, x.speech);
    EXPECT_EQ(e.which, x.which);
    EXPECT_EQ(e.variant, x.variant);
    EXPECT_EQ(e.byte3, x.byte3);
    EXPECT_EQ(e.kind, x.kind);
    EXPECT_EQ(e.stem_key, x.key);
    EXPECT_EQ(e.rarity(), x.rarity);
    EXPECT_EQ(e.area(), x.area);
    EXPECT_EQ(e.age, x.age);
    EXPECT_EQ(e.extra, x.extra);
  }
}

TEST_F(FixtureBuild, InflectionsUniquesAndTackons) {
  ASSERT_TRUE(build_data(options_));
  auto infl = records<grammar::InflectionRecord>(out(grammar::kInflectsFile));
  ASSERT_EQ(infl.size(), 18u);  // the unused slot left out
  for (std::size_t i = 1; i < infl.size(); ++i) {
    int c = compare_bytes(infl[i - 1].ending_text(), infl[i].ending_text());
    EXPECT_TRUE(c < 0 || (c == 0 && infl[i - 1].speech <= infl[i].speech)) << i;
  }
  // The verb's first-person ending: tense, voice, mood, person, number in bytes 3..7.
  auto o = std::find_if(infl.begin(), infl.end(), [](const auto& f) {
    return f.ending_text() == "o" && f.which == 2;
  });
  ASSERT_NE(o, infl.end());
  EXPECT_EQ((std::vector<int>{o->b3, o->b4, o->b5, o->b6, o->b7, o->stem_key, o->rarity_inc}),
            (std::vector<int>{1, 1, 1, 1, 1, 1, 3}));
  auto ppl = std::find_if(infl.begin(), infl.end(), [](const auto& f) { return f.speech == 8; });
  EXPECT_EQ((std::vector<int>{ppl->b3, ppl->b4, ppl->b5, ppl->b6, ppl->b7, ppl->b8}),
            (std::vector<int>{1, 1, 1, 4, 2, 5}));

  auto uniq = records<grammar::UniqueRecord>(out(grammar::kUniquesFile));
  ASSERT_EQ(uniq.size(), 3u);
  EXPECT_EQ(uniq[0].latin_text(), "Iesu");
  EXPECT_EQ(uniq[1].latin_text(), "aforem");
  EXPECT_EQ(uniq[2].latin_text(), "uis");
  EXPECT_EQ(uniq[2].meaning_text(), "wish/want");
  EXPECT_EQ((std::vector<int>{uniq[2].speech, uniq[2].which, uniq[2].b3, uniq[2].b6, uniq[2].b8}),
            (std::vector<int>{7, 6, 1, 2, grammar::verb_kind::trans}));
  EXPECT_EQ(uniq[0].age, 5);
  EXPECT_EQ(uniq[0].rarity_area, (2 | (4 << 4)));  // frequency B, area E

  auto addons = records<grammar::AddonRecord>(out(grammar::kAddonsFile));
  ASSERT_EQ(addons.size(), 4u);  // tackons only, sorted
  EXPECT_EQ(addons[0].text_view(), "cum");
  EXPECT_EQ((std::vector<int>{addons[0].host_speech, addons[0].host_which, addons[0].host_variant,
                              addons[0].addon_kind, addons[0].b4}),
            (std::vector<int>{2, 5, 0, 13, grammar::gcase::abl}));
  EXPECT_EQ(addons[0].meaning_text(), "with");
  EXPECT_EQ(addons[1].text_view(), "pte");
  EXPECT_EQ(addons[1].meaning_text(), "EMPHATIC");
  EXPECT_EQ(addons[2].text_view(), "que");
  EXPECT_EQ(addons[2].meaning_text(), "and");
  EXPECT_EQ(addons[3].text_view(), "ue");
  EXPECT_EQ(addons[3].host_speech, 0);
}

TEST_F(FixtureBuild, PolishingTablesSortedAndOverlongLineReported) {
  auto report = build_data(options_);
  ASSERT_TRUE(report);
  auto polish = records<grammar::PolishRecord>(out(grammar::kPolishFile));
  // WordNet's forms and the text's lines in one sorted table: "seed" (a word)
  // and "hoped" (hope is as common as hop) are left out, "singed" is kept
  // regular by its own line, "hopping" comes from the exception list.
  std::vector<std::string> keys, repl;
  for (const auto& r : polish) {
    keys.emplace_back(field_view(r.key));
    repl.emplace_back(field_view(r.replacement));
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"childs", "goed", "mans", "taked"}));
  EXPECT_EQ(repl, (std::vector<std::string>{"children", "gone", "men", "taken"}));
  EXPECT_EQ(report->irregular_left_out.size(), 3u);  // seed, hoped, hoping
  ASSERT_EQ(report->notes.size(), 2u);
  EXPECT_NE(report->notes[0].find("polish.txt line 4"), std::string::npos) << report->notes[0];
  EXPECT_NE(report->notes[1].find("finalpolish.txt line 3"), std::string::npos);

  auto phrases = records<grammar::PhraseRepairRecord>(out(grammar::kPhraseRepairFile));
  ASSERT_EQ(phrases.size(), 22u);
  EXPECT_STREQ(phrases[0].pattern, "he are0");  // verb section in file order
  EXPECT_STREQ(phrases[18].pattern, "he are18");
  EXPECT_STREQ(phrases[19].pattern, "more more");  // word section sorted
  EXPECT_STREQ(phrases[21].pattern, "the the");
  EXPECT_EQ(phrases[21].length.get(), 7);

  auto finals = records<grammar::FinalPolishRecord>(out(grammar::kFinalPolishFile));
  ASSERT_EQ(finals.size(), 4u);  // with WordNet's "more good" and "most good"
  EXPECT_STREQ(finals[0].match, "a a");
  EXPECT_STREQ(finals[1].match, "more good");
  EXPECT_STREQ(finals[1].replacement, "better");
  EXPECT_STREQ(finals[2].replacement, "best");
  EXPECT_EQ(finals[3].match_length, 7);
  EXPECT_EQ(finals[3].replacement_length, 3);
}

TEST_F(FixtureBuild, FaultyInputRefusedAndOutputLeftUntouched) {
  ASSERT_TRUE(build_data(options_));
  const std::string before = slurp(out(grammar::kDictFile));
  const std::string good = slurp(root_ / "wh" / kDictFileName);

  struct Fault {
    const char* file;
    std::string bytes;
    const char* says;
  };
  std::string binary_stem = good;
  binary_stem[180] = '\x01';
  const Fault faults[] = {
      {kDictFileName, good.substr(0, good.size() - 7), "not a whole number of 180-byte records"},
      {kDictFileName, "", "empty"},
      {kDictFileName, binary_stem, "record 1: stem holds binary bytes"},
      {kInflectsFileName, std::string(39, 'x'), "not a whole number of 40-byte records"},
      {kUniquesFileName, "uis\nV 6 1 PRES ACTIVE IND 2 S TRANS X X X A X\n", "cut short"},
      {kUniquesFileName, "uis\nV 6 1 NOW ACTIVE IND 2 S TRANS X X X A X\nwish;\n",
       "line 2: unknown tense \"NOW\""},
      {kAddonsFileName, "TACKON que\nZZ\n-que = and;\n", "line 2: unknown part of speech"},
  };
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.says);
    const fs::path p = root_ / "wh" / f.file;
    const std::string saved = slurp(p);
    write(p, f.bytes);
    auto r = build_data(options_);
    ASSERT_FALSE(r);
    EXPECT_NE(r.error().message.find(f.file), std::string::npos) << r.error().message;
    EXPECT_NE(r.error().message.find(f.says), std::string::npos) << r.error().message;
    EXPECT_EQ(slurp(out(grammar::kDictFile)), before);
    write(p, saved);
  }
  fs::remove(root_ / "wh" / kAddonsFileName);
  auto r = build_data(options_);
  ASSERT_FALSE(r);
  EXPECT_NE(r.error().message.find("ADDONS.LAT: cannot open"), std::string::npos);
  write(root_ / "src" / kPhraseRepairSource, "[verb phrases]\nhe are\the is\n");
  write(root_ / "wh" / kAddonsFileName, kAddons);
  r = build_data(options_);
  ASSERT_FALSE(r);
  EXPECT_NE(r.error().message.find("must hold exactly 19"), std::string::npos);
  for (const auto& entry : fs::directory_iterator(root_ / "out"))
    EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

}  // namespace
}  // namespace kelvo::mkdata
