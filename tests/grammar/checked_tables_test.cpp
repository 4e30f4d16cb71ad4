#include "grammar/checked_tables.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "grammar/lexicon.h"
#include "grammar/table_sums.h"
#include "lexicon_fixture.h"

namespace fs = std::filesystem;
using namespace kelvo;
using grammar::CheckedTables;

namespace {

constexpr std::int64_t kLongAgo = 1'000'000'000'000'000'000;  // 2001
constexpr std::int64_t kNow = kLongAgo + 10 * CheckedTables::kSettledNs;

FileStamp stamp(std::uint64_t inode, std::int64_t changed = kLongAgo) {
  return FileStamp{7, inode, 4096, kLongAgo, changed};
}

class CheckedTablesTest : public kelvo::testing::DataFolderTest {};

// What is written is read back: a file is known by its path, stamp and the
// builder's sum together, and by nothing less; a file changed moments ago
// is not noted.
TEST_F(CheckedTablesTest, KnowsAFileOnlyByItsPathStampAndSum) {
  CheckedTables m;
  m.add("/data/dictUK.dat", stamp(1), 0xabc, kNow);
  m.add("/data/my dict.dat", stamp(2), 0xdef, kNow);
  m.add("/data/fresh.dat", stamp(3, kNow - 1), 0x123, kNow);
  EXPECT_TRUE(m.added());

  const CheckedTables back = CheckedTables::parse(m.text());
  EXPECT_FALSE(back.added());
  EXPECT_EQ(back.text(), m.text());
  EXPECT_TRUE(back.knows("/data/dictUK.dat", stamp(1), 0xabc));
  EXPECT_TRUE(back.knows("/data/my dict.dat", stamp(2), 0xdef));
  EXPECT_FALSE(back.knows("/data/fresh.dat", stamp(3, kNow - 1), 0x123));
  EXPECT_FALSE(back.knows("/data/dictUK.dat", stamp(9), 0xabc));  // another inode
  EXPECT_FALSE(back.knows("/data/dictUK.dat", stamp(1, kLongAgo + 1), 0xabc));  // changed
  EXPECT_FALSE(back.knows("/data/dictUK.dat", stamp(1), 0xabd));  // rebuilt sums
  EXPECT_FALSE(back.knows("/other/dictUK.dat", stamp(1), 0xabc));
}

// A note this program did not write is trusted in nothing; the oldest files
// go past the limit.
TEST_F(CheckedTablesTest, DamagedAndFullNotes) {
  for (const std::string& text :
       {std::string("kelvo-checked-tables 1\nzz 1 2 3 4 5 /data/dictUK.dat\n"),
        std::string("kelvo-checked-tables 1\n0abc 7 1 4096 1 1\n"),
        std::string("kelvo-checked-tables 9\n") + CheckedTables().text().substr(23),
        std::string(100 * 1024, 'x'), std::string("\0\1\2binary", 9)})
    EXPECT_EQ(CheckedTables::parse(text).text(), "kelvo-checked-tables 1\n");

  CheckedTables full;
  for (std::size_t k = 0; k <= CheckedTables::kMaxFiles; ++k)
    full.add("/data/t" + std::to_string(k), stamp(k), k, kNow);
  EXPECT_FALSE(full.knows("/data/t0", stamp(0), 0));
  EXPECT_TRUE(full.knows("/data/t1", stamp(1), 1));
  EXPECT_TRUE(full.knows("/data/t64", stamp(64), 64));
}

// A start remembers the tables it found right, the next start trusts them
// without reading them through, and a table damaged in place afterwards
// (same size, same path) is read through again and refused.
TEST_F(CheckedTablesTest, RememberedTablesAreTrustedOnlyWhileTheirFilesAreUnchanged) {
  std::vector<grammar::TableSum> sums;
  for (const char* name : {grammar::kInflectsFile, grammar::kDictFile, grammar::kAddonsFile,
                           grammar::kUniquesFile}) {
    auto f = MappedFile::open((dir / name).string());
    ASSERT_TRUE(f);
    sums.push_back({name, f->size(), grammar::table_checksum(f->bytes())});
  }
  std::ofstream(dir / grammar::kTableSumsFile, std::ios::binary) << grammar::table_sums_text(sums);
  // Files written this instant are not remembered: they must settle first.
  std::this_thread::sleep_for(std::chrono::nanoseconds(CheckedTables::kSettledNs) +
                              std::chrono::milliseconds(100));

  CheckedTables memory;
  auto lex = grammar::load_lexicon(dir.string(), log, &memory);
  ASSERT_TRUE(lex) << lex.error().message;
  const std::string addons = (fs::absolute(dir) / grammar::kAddonsFile).lexically_normal().string();
  auto mapped = MappedFile::open(addons);
  ASSERT_TRUE(mapped);
  EXPECT_TRUE(memory.knows(addons, mapped->stamp(), sums[2].sum));

  lex = grammar::load_lexicon(dir.string(), log, &memory);
  ASSERT_TRUE(lex) << lex.error().message;
  EXPECT_EQ(lex->vouched_tables().size(), 4u);

  kelvo::testing::unsort_addons(dir);
  lex = grammar::load_lexicon(dir.string(), log, &memory);
  ASSERT_FALSE(lex);
  EXPECT_NE(lex.error().message.find("addons.dat: records are not sorted by their text"),
            std::string::npos);
}

}  // namespace
