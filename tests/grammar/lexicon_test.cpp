#include "grammar/lexicon.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "grammar/table_sums.h"
#include "lexicon_fixture.h"

namespace fs = std::filesystem;
using namespace kelvo;
using kelvo::testing::write_minimal_data;

namespace {

class LoaderTest : public kelvo::testing::DataFolderTest {
 protected:
  void truncate(const char* name, std::uintmax_t by) {
    fs::resize_file(dir / name, fs::file_size(dir / name) - by);
  }

  TranslationOptions opts;
  RecordingHost host;
  WarningGate gate{host};
};

TEST_F(LoaderTest, LoadsEveryTableInOrderWithItsMessages) {
  auto lex = load();
  ASSERT_TRUE(lex) << lex.error().message;
  EXPECT_EQ(lex->entries().size(), 4u);
  EXPECT_EQ(lex->inflections().size(), 2u);
  EXPECT_EQ(lex->uniques().size(), 1u);
  auto pos = [&](const char* s) { return log.text().find(s); };
  EXPECT_LT(pos("Loading inflection data...Done."), pos("Loading dictionary...Done."));
  EXPECT_LT(pos("Loading dictionary...Done."), pos("Loading translation polishing...Done."));
  EXPECT_LT(pos("Loading translations...Done."), pos("Loading final polishing...Done."));
  EXPECT_LT(pos("Using coded phonetics search."), pos("Loading addons...Done."));
  EXPECT_LT(pos("Loading addons...Done."), pos("Loading uniques...Done."));
  EXPECT_TRUE(lex->load_warnings().empty());
  EXPECT_FALSE(lex->has_botany());
}

TEST_F(LoaderTest, LetterRanges) {
  auto lex = load();
  ASSERT_TRUE(lex);
  EXPECT_EQ(lex->letter_range('a'), std::make_pair(1, 2));
  EXPECT_EQ(lex->letter_range('R'), std::make_pair(0, 1));  // below 'a'
  EXPECT_EQ(lex->letter_range('z'), std::make_pair(3, 4));  // records 25 and 26
  EXPECT_EQ(lex->letter_range('{'), std::make_pair(0, 0));  // above 'z': never found
}

// The uniques' first two letters are gathered at load so that most words
// skip their search: every unique and every word beginning like one must
// pass, a one-letter unique too, and other beginnings mostly do not.
TEST_F(LoaderTest, EveryUniqueMayBeFoundAndMostOtherWordsAreNot) {
  std::vector<grammar::UniqueRecord> uniques(4);
  const char* forms[] = {"a", "est", "necesse", "uult"};
  for (std::size_t i = 0; i < uniques.size(); ++i) {
    uniques[i].speech = grammar::pos::verb;
    set_field(uniques[i].latin, forms[i]);
  }
  kelvo::testing::write_records(dir / grammar::kUniquesFile, uniques);
  auto lex = load();
  ASSERT_TRUE(lex) << lex.error().message;
  for (const char* w : {"a", "est", "necesse", "uult", "esto", "ne", "uu"})
    EXPECT_TRUE(lex->may_be_unique(w)) << w;
  int passed = 0;
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b) passed += lex->may_be_unique(std::string{a, b, 'x'});
  EXPECT_LT(passed, 12);
}

// Each ending's records are found as one run, whatever follows the zero that
// ends a field, for the empty ending and for one that fills all eight bytes.
TEST_F(LoaderTest, InflectionsOfOneEndingAreOneRun) {
  std::vector<grammar::InflectionRecord> infl(7);
  const char* endings[] = {"", "", "a", "a", "a", nullptr, "ae"};
  for (std::size_t i = 0; i < infl.size(); ++i) {
    infl[i].speech = static_cast<grammar::Code>(i + 1);
    if (endings[i]) set_field(infl[i].ending, endings[i]);
  }
  std::memcpy(infl[5].ending, "abcdefgh", 8);
  infl[3].ending[4] = 'x';  // left after the zero
  kelvo::testing::write_records(dir / grammar::kInflectsFile, infl);
  auto lex = load();
  ASSERT_TRUE(lex) << lex.error().message;
  // With each run, the set of its records' parts of speech (here i + 1).
  struct Case {
    std::string_view ending;
    std::size_t first, count;
    std::uint32_t speeches;
  };
  for (const Case& c : {Case{"", 0, 2, 0b110}, Case{"a", 2, 3, 0b111000},
                        Case{"abcdefgh", 5, 1, 0b1000000}, Case{"ae", 6, 1, 0b10000000},
                        Case{"ab", 0, 0, 0}, Case{"b", 0, 0, 0}, Case{"abcdefghi", 0, 0, 0}}) {
    auto run = lex->inflections_of_ending(c.ending).records;
    EXPECT_EQ(run.size(), c.count) << c.ending;
    if (c.count && run.size() == c.count) {
      EXPECT_EQ(run.data(), &lex->inflections()[c.first]) << c.ending;
    }
    EXPECT_EQ(lex->inflections_of_ending(c.ending).speeches, c.speeches) << c.ending;
  }
  // The matching reads an ending's records by part of speech, so the table
  // must be in that order too.
  for (std::size_t swap : {std::size_t{1}, std::size_t{6}}) {
    auto bad = infl;
    std::swap(bad[swap - 1], bad[swap]);
    kelvo::testing::write_records(dir / grammar::kInflectsFile, bad);
    auto refused = load();
    ASSERT_FALSE(refused) << swap;
    EXPECT_NE(refused.error().message.find("inflects.dat: records are not sorted by ending"),
              std::string::npos)
        << refused.error().message;
  }
}

TEST_F(LoaderTest, MissingEssentialFileFailsWithItsMessage) {
  struct Case { const char* file; const char* text; bool box; };
  for (auto c : {Case{grammar::kInflectsFile, "Cannot open inflects.dat file.\n", true},
                 Case{grammar::kDictFile, "Cannot open dictUK.dat file.\n", true},
                 Case{grammar::kMeaningsFile, "Cannot open 'transl.dat' file.\n", true},
                 Case{grammar::kAddonsFile, "Cannot open addons.dat file.\n", true},
                 Case{grammar::kUniquesFile, "Cannot open uniques.dat file.\n", true},
                 Case{grammar::kPolishFile, "Cannot open polish.dat file.\n", false},
                 Case{grammar::kFinalPolishFile, "Cannot open FinalPolish.dat file.\n", false}}) {
    write_minimal_data(dir);
    fs::remove(dir / c.file);
    log.open_memory();
    auto lex = grammar::load_lexicon(dir.string(), log);
    ASSERT_FALSE(lex) << c.file;
    EXPECT_EQ(lex.error().kind, ErrorKind::missing);
    EXPECT_EQ(lex.error().message, c.text);
    EXPECT_NE(log.text().find(c.text), std::string::npos);
  }
}

TEST_F(LoaderTest, MissingPolishStopsBeforeMeaningsAreRead) {
  fs::remove(dir / grammar::kPolishFile);
  ASSERT_FALSE(load());
  EXPECT_EQ(log.text().find("Loading translations"), std::string::npos);
}

TEST_F(LoaderTest, CorruptFilesAreRefusedNamingFileAndFault) {
  truncate(grammar::kInflectsFile, 3);
  auto lex = load();
  ASSERT_FALSE(lex);
  EXPECT_EQ(lex.error().kind, ErrorKind::corrupt);
  EXPECT_NE(lex.error().message.find("inflects.dat"), std::string::npos);
  EXPECT_NE(lex.error().message.find("20-byte records"), std::string::npos);

  write_minimal_data(dir);
  truncate(grammar::kDictFile, 84);  // loses the last index record
  lex = load();
  ASSERT_FALSE(lex);
  EXPECT_NE(lex.error().message.find("dictUK.dat"), std::string::npos);
}

TEST_F(LoaderTest, LetterIndexOutOfOrderIsRefused) {
  // Rewrite index record 3 to point before record 2.
  std::fstream f(dir / grammar::kDictFile, std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(4 * 40 + 3 * 84 + 80);
  const char zero[4] = {0, 0, 0, 0};
  f.write(zero, 4);
  f.close();
  auto lex = load();
  ASSERT_FALSE(lex);
  EXPECT_NE(lex.error().message.find("letter index record 3"), std::string::npos);
}

TEST_F(LoaderTest, MeaningIndexPastTheTableIsRefused) {
  using namespace grammar;
  std::vector<MeaningLine> meanings(3);  // entry "zon" points at meaning 3
  kelvo::testing::write_records(dir / kMeaningsFile, meanings);
  auto lex = load();
  ASSERT_FALSE(lex);
  EXPECT_NE(lex.error().message.find("points at meaning 3"), std::string::npos);
}

// The load reads the Botany table and asks nothing: whether Botany mode is
// used is the program's question after the load.
TEST_F(LoaderTest, BotanyTableIsLoadedWithoutAQuestion) {
  kelvo::testing::write_records(dir / grammar::kBotanyFile, std::vector<grammar::MeaningLine>(2));
  auto lex = load();
  ASSERT_TRUE(lex);
  EXPECT_TRUE(lex->has_botany());
  EXPECT_EQ(lex->botany_meanings().size(), 2u);
}

TEST_F(LoaderTest, IncompletePhoneticTableFallsBackToCodedPhonetics) {
  std::vector<grammar::PhoneticRecord> recs(3);
  kelvo::testing::write_records(dir / grammar::kPhoneticFile, recs);
  truncate(grammar::kPhoneticFile, 5);
  auto lex = load();
  ASSERT_TRUE(lex);
  ASSERT_EQ(lex->load_warnings().size(), 1u);
  EXPECT_EQ(lex->load_warnings()[0],
            "Incomplete load of phonetics data (2 entries).\nShould be 3 entries.\nCheck file "
            "phoneticuk.dat.");
  EXPECT_FALSE(lex->has_phonetics());
  EXPECT_NE(log.text().find("File phoneticuk.dat not available. Using coded phonetics search.\n"),
            std::string::npos);
}

TEST_F(LoaderTest, HighSpeedHash) {
  auto lex = load();
  ASSERT_TRUE(lex);
  grammar::load_high_speed_hash(*lex, false, log);
  EXPECT_NE(log.text().find("High-speed hash data turned off by user."), std::string::npos);
  EXPECT_FALSE(lex->has_hash());

  // 326 words in 1,172 records is accepted; one record short is not.
  std::vector<grammar::HashRecord> recs(grammar::kHashRecords);
  for (std::size_t i = 0; i < recs.size(); ++i) {
    char word[16];
    std::snprintf(word, sizeof word, "w%04zu", std::min<std::size_t>(i, 325));
    std::memcpy(recs[i].text + 52, word, std::strlen(word));
  }
  kelvo::testing::write_records(dir / grammar::kHashFile, recs);
  grammar::load_high_speed_hash(*lex, true, log);
  EXPECT_TRUE(lex->has_hash());
  ASSERT_EQ(lex->hash_words().size(), 327u);
  EXPECT_EQ(lex->hash_words()[0].word, "-1");
  EXPECT_EQ(lex->hash_words()[326].first_record, 325);

  recs.pop_back();
  kelvo::testing::write_records(dir / grammar::kHashFile, recs);
  log.open_memory();
  grammar::load_high_speed_hash(*lex, true, log);
  EXPECT_FALSE(lex->has_hash());
  EXPECT_NE(log.text().find("Failure with high speed hash file. This feature disabled.\n"),
            std::string::npos);
}

// The English index is optional: absent or damaged, only its feature is off.
TEST_F(LoaderTest, EnglishIndexIsOptionalAndCheckedAgainstTheDictionary) {
  auto record = [](const char* word, int meaning, int entry) {
    grammar::EnglishIndexRecord r{};
    set_field(r.word, word);
    r.meaning.set(meaning);
    r.entry.set(entry);
    return r;
  };
  auto features = [](const grammar::Lexicon& lex) {
    std::string all;
    for (const auto& f : lex.features_off()) all += f + ";";
    return all;
  };
  {
    auto lex = load();
    ASSERT_TRUE(lex);
    EXPECT_TRUE(lex->english_index().empty());
    EXPECT_NE(features(*lex).find("English lookup (english.dat absent)"), std::string::npos);
  }
  kelvo::testing::write_records(dir / grammar::kEnglishIndexFile,
                                std::vector{record("king", 3, 3), record("water", 1, 1)});
  {
    auto lex = load();
    ASSERT_TRUE(lex);
    ASSERT_EQ(lex->english_index().size(), 2u);
    EXPECT_EQ(lex->english_index()[1].word_text(), "water");
  }
  const std::vector<std::vector<grammar::EnglishIndexRecord>> bad = {
      {record("water", 1, 1), record("king", 3, 3)},  // not sorted
      {record("king", 4, 3)},                          // past the four meaning lines
      {record("king", 3, 4)},                          // past the four entries
  };
  for (const auto& records : bad) {
    kelvo::testing::write_records(dir / grammar::kEnglishIndexFile, records);
    auto lex = load();
    ASSERT_TRUE(lex) << lex.error().message;
    EXPECT_TRUE(lex->english_index().empty());
    EXPECT_NE(features(*lex).find("English lookup (english.dat refused"), std::string::npos);
  }
  fs::resize_file(dir / grammar::kEnglishIndexFile, 33);  // not whole records
  auto lex = load();
  ASSERT_TRUE(lex);
  EXPECT_TRUE(lex->english_index().empty());
}

// The uniques' entry lines are optional and used only when they fit the
// tables: one per unique, each a meaning line or -1.
TEST_F(LoaderTest, UniqueLinesAreUsedOnlyWhenTheyFitTheTables) {
  auto lines = [](std::vector<int> values) {
    std::vector<LeI32> v(values.size());
    for (std::size_t i = 0; i < v.size(); ++i) v[i].set(values[i]);
    return v;
  };
  {
    auto lex = load();
    ASSERT_TRUE(lex);
    EXPECT_TRUE(lex->unique_lines().empty());
  }
  for (int fits : {2, -1}) {
    kelvo::testing::write_records(dir / grammar::kUniqueLinesFile, lines({fits}));
    auto lex = load();
    ASSERT_TRUE(lex);
    ASSERT_EQ(lex->unique_lines().size(), 1u);
    EXPECT_EQ(lex->unique_lines()[0].get(), fits);
  }
  // One unique: two lines, a line past the four meanings, below -1.
  for (const auto& bad : {lines({1, 2}), lines({4}), lines({-2})}) {
    kelvo::testing::write_records(dir / grammar::kUniqueLinesFile, bad);
    auto lex = load();
    ASSERT_TRUE(lex) << lex.error().message;
    EXPECT_TRUE(lex->unique_lines().empty());
    EXPECT_NE(log.text().find("uniquelines.dat does not fit"), std::string::npos);
  }
}

}  // namespace

namespace {

// Writes the sums the data builder would write for the folder as it is now.
void vouch_for_folder(const fs::path& dir, int version = grammar::kTableSumsVersion) {
  std::vector<grammar::TableSum> sums;
  for (const char* name : {grammar::kInflectsFile, grammar::kDictFile, grammar::kMeaningsFile,
                           grammar::kUniquesFile, grammar::kAddonsFile}) {
    std::ifstream in(dir / name, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    sums.push_back({name, bytes.size(),
                    grammar::table_checksum(std::as_bytes(std::span(bytes.data(), bytes.size())))});
  }
  std::string text = grammar::table_sums_text(sums);
  if (version != grammar::kTableSumsVersion)
    text = "kelvo-table-sums " + std::to_string(version) + text.substr(text.find('\n'));
  std::ofstream(dir / grammar::kTableSumsFile, std::ios::binary) << text;
}

}  // namespace

// The builder's sums spare the load the checks of a table only while the file
// is byte for byte what they were made from: an unsorted table that they
// vouch for loads unchecked (the builder's checks are the ones that count),
// the same fault made after the sums is refused as without them, and sums of
// another version or a damaged sums file vouch for nothing.
TEST_F(LoaderTest, BuilderSumsSkipChecksOnlyForTheFilesTheyWereMadeFrom) {
  vouch_for_folder(dir);
  auto lex = load();
  ASSERT_TRUE(lex) << lex.error().message;
  EXPECT_EQ(lex->vouched_tables(),
            (std::vector<std::string>{grammar::kInflectsFile, grammar::kDictFile,
                                      grammar::kAddonsFile, grammar::kUniquesFile}));

  kelvo::testing::unsort_addons(dir);
  lex = load();
  ASSERT_FALSE(lex);
  EXPECT_NE(lex.error().message.find("addons.dat: records are not sorted by their text"),
            std::string::npos);

  vouch_for_folder(dir);
  lex = load();
  ASSERT_TRUE(lex) << lex.error().message;

  for (const std::string& sums : {std::string("stale"), std::string()}) {
    if (sums.empty())
      std::ofstream(dir / grammar::kTableSumsFile, std::ios::binary)
          << "kelvo-table-sums " << grammar::kTableSumsVersion << "\nx\n";
    else
      vouch_for_folder(dir, grammar::kTableSumsVersion + 1);
    lex = load();
    ASSERT_FALSE(lex) << sums;
    EXPECT_NE(lex.error().message.find("not sorted by their text"), std::string::npos);
  }
}

// A table with one record more than the builder wrote has another size: the
// indexes into it are checked again.
TEST_F(LoaderTest, BuilderSumsOfAnotherMeaningCountLeaveTheIndexesChecked) {
  vouch_for_folder(dir);
  kelvo::testing::write_records(dir / grammar::kMeaningsFile, std::vector<grammar::MeaningLine>(3));
  auto lex = load();
  ASSERT_FALSE(lex);
  EXPECT_NE(lex.error().message.find("points at meaning 3"), std::string::npos);
}
