// Damaged tables are refused with their full path and fault, never read: an
// empty table, a record whose codes lie outside the grammar's, an optional
// table out of order.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "grammar/lexicon.h"
#include "grammar/table_checks.h"
#include "lexicon_fixture.h"

namespace fs = std::filesystem;
using namespace kelvo;
using kelvo::testing::write_minimal_data;
using kelvo::testing::write_records;

namespace {

using TableChecks = kelvo::testing::DataFolderTest;

TEST_F(TableChecks, EveryRequiredTableWithNoRecordsIsRefused) {
  using namespace grammar;
  for (const char* name : {kInflectsFile, kPolishFile, kPhraseRepairFile, kMeaningsFile,
                           kFinalPolishFile, kAddonsFile, kUniquesFile, kDictFile}) {
    write_minimal_data(dir);
    if (std::string(name) == kDictFile) {
      // No entries, and an index that agrees.
      std::vector<LetterIndexRecord> index(kLetterIndexCount);
      write_records(dir / name, std::vector<DictEntry>{}, &index);
    } else {
      fs::resize_file(dir / name, 0);
    }
    auto lex = load();
    ASSERT_FALSE(lex) << name;
    EXPECT_EQ(lex.error().kind, ErrorKind::corrupt) << name;
    EXPECT_EQ(lex.error().message, path(name) + ": holds no records") << name;
  }
}

// A flipped bit in a code byte shows as a code the grammar does not have.
TEST_F(TableChecks, CodesOutsideTheGrammarAreRefused) {
  using namespace grammar;
  struct Case {
    const char* file;
    std::size_t offset;  // of the damaged byte
    unsigned char value;
    const char* fault;
  };
  const Case cases[] = {
      {kInflectsFile, 20 + 0, 0x81, "record 1 has part of speech 129, outside 1-16"},
      {kInflectsFile, 9, 12, "record 0 has stem key 12, outside 0-4"},
      {kInflectsFile, 3, 0x47, "record 0 has case or tense 71, outside 0-8"},
      {kDictFile, 2 * 40 + 5, 0x21, "record 2 has stem key 33, outside 0-4"},
      {kDictFile, 40 + 1, 0x41, "record 1 has declension 65, outside 0-9"},
      {kAddonsFile, 108 + 3, 0, "record 1 has kind 0, outside 13-15"},
      {kUniquesFile, 0, 0, "record 0 has part of speech 0, outside 1-16"},
  };
  for (const auto& c : cases) {
    write_minimal_data(dir);
    std::FILE* f = std::fopen(path(c.file).c_str(), "r+b");
    ASSERT_TRUE(f);
    std::fseek(f, static_cast<long>(c.offset), SEEK_SET);
    std::fputc(c.value, f);
    std::fclose(f);
    auto lex = load();
    ASSERT_FALSE(lex) << c.fault;
    EXPECT_EQ(lex.error().message, path(c.file) + ": " + c.fault);
  }
  write_minimal_data(dir);
  EXPECT_TRUE(load());
}

// An optional table that is there but unusable switches its feature off and
// says so once, naming the file; an absent one only switches it off.
TEST_F(TableChecks, AnUnusableOptionalTableIsNamedOnce) {
  using namespace grammar;
  std::vector<PhoneticRecord> keys(2);
  set_field(keys[0].key, "zz");
  set_field(keys[1].key, "aa");
  write_records(dir / kPhoneticFile, keys);
  write_records(dir / kBotanyFile, std::vector<MeaningLine>{});
  auto lex = load();
  ASSERT_TRUE(lex) << lex.error().message;
  EXPECT_FALSE(lex->has_phonetics());
  EXPECT_FALSE(lex->has_botany());
  ASSERT_EQ(lex->load_warnings().size(), 2u);
  EXPECT_EQ(lex->load_warnings()[0], path(kBotanyFile) + ": holds no records; Botany mode is off.");
  EXPECT_EQ(lex->load_warnings()[1].rfind(path(kPhoneticFile) + ": refused", 0), 0u)
      << lex->load_warnings()[1];
  fs::remove(dir / kPhoneticFile);
  fs::remove(dir / kBotanyFile);
  lex = load();
  ASSERT_TRUE(lex);
  EXPECT_TRUE(lex->load_warnings().empty());
}

}  // namespace
