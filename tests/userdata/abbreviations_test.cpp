#include "userdata/abbreviations.h"

#include <gtest/gtest.h>

#include "common/test_files.h"

namespace ud = kelvo::userdata;

namespace {

struct Loaded {
  kelvo::RecordingHost host;
  kelvo::WarningGate gate{host};
  kelvo::ParseLog log;
  ud::AbbreviationTable table;
  explicit Loaded(const std::string& text) {
    kelvo::testing::TempDir dir;
    kelvo::testing::write_file(dir.file("UserAbbreviations.txt"), text);
    log.open_memory();
    table = ud::load_abbreviations(dir.file("UserAbbreviations.txt"), log, gate);
  }
  std::string expand(std::string line) const {
    ud::expand_abbreviations(line, table);
    return line;
  }
};

}  // namespace

TEST(Abbreviations, LoadingChecksEveryLine) {
  Loaded l("-- comment\ncos.\tconsul\r\n123\tskipped\nabcdefghi\tnine\nabcdefghij\tten\n"
           "x.\t" + std::string(24, 'e') + "\nnotab\n");
  ASSERT_EQ(l.table.records.size(), 2u);
  EXPECT_EQ(l.table.records[1].length, 9);
  EXPECT_EQ(l.log.text(),
            "Loading user-defined abbreviations..."
            "Rejected user line 'abcdefghij\tten' owing to error.\n"
            "Rejected user line 'x.\t" + std::string(24, 'e') + "' owing to error.\n"
            "Rejected user line 'notab' owing to error.\n"
            "Done. Added 2 abbreviations.\n");
  // The bad lines are kept for the user, by file and line.
  std::vector<int> lines;
  for (const auto& r : l.table.rejected) lines.push_back(r.line_number);
  EXPECT_EQ(lines, (std::vector<int>{5, 6, 7}));
  ASSERT_EQ(l.table.rejected.size(), 3u);
  EXPECT_TRUE(l.table.rejected[2].file.ends_with("UserAbbreviations.txt"));
  EXPECT_NE(l.table.rejected[2].reason.find("no tab"), std::string::npos);
}

TEST(Abbreviations, MissingFileIsQuietAndAFullTableStops) {
  kelvo::RecordingHost host;
  kelvo::WarningGate gate(host);
  kelvo::ParseLog log;
  log.open_memory();
  EXPECT_TRUE(ud::load_abbreviations("/nonexistent/UserAbbreviations.txt", log, gate).empty());
  EXPECT_EQ(log.text(), "");
  std::string many;
  for (int i = 0; i < 120; ++i) many.append("a").append(std::to_string(i)).append(".\tx\n");
  Loaded l(many);
  EXPECT_EQ(l.table.records.size(), ud::kMaxAbbreviations);
  ASSERT_EQ(l.host.warnings.size(), 1u);
  EXPECT_EQ(l.host.warnings[0], "Abbreviations - Exceeded max. no. of entries.\nLast line was a99.\tx\n");
}

TEST(Abbreviations, Expansion) {
  Loaded l("Kal.\tKalendas\ncos.\tconsul\nco\tshort first\ncoss.\tconsules\nHS\tsestertium\n");
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"ante Kal. Ian.", "ante Kalendas Ian."},
      {"Caesar cos.,iterum cos.\n", "Caesar consul,iterum consul\n"},
      {"coss. duo", "coss. duo"},  // "co" comes first and is shorter: no expansion
      {"HS mille", "HS mille"},    // no stop, never expanded
      {"ad d. IV", "ad d_ IV"},
      {"d. IV", "d. IV"},
  };
  for (const auto& c : cases) EXPECT_EQ(l.expand(c.in), c.out) << c.in;
}

TEST(Abbreviations, ExpansionStopsAtItsLineLimit) {
  Loaded l("k.\t" + std::string(23, 'K') + "\n");
  std::string line;
  for (int i = 0; i < 400; ++i) line += "k. ";
  std::string out = l.expand(line);
  EXPECT_LE(out.size(), line.size() + ud::kExpandedLineLimit);
  EXPECT_NE(out.find("k. "), std::string::npos);
}

TEST(Abbreviations, TheStarterFileLoadsWhole) {
  Loaded l(kelvo::testing::read_file(std::string(KELVO_SOURCE_DIR) + "/data/UserAbbreviations.txt"));
  EXPECT_GT(l.table.records.size(), 30u);
  EXPECT_EQ(l.log.text().find("Rejected"), std::string::npos) << l.log.text();
  EXPECT_EQ(l.expand("M. Tullius Cicero coss. a.d. III Kal. Ian. A.D. D.M. s.p.d."),
            "Marcus Tullius Cicero consules ante diem III Kalendas Ianuarias ante diem dis Manibus "
            "salutem plurimam dicit");
}
