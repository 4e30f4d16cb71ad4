// `kelvo translate`: a line of English per sentence, or per input line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/run_kelvo.h"
#include "common/test_files.h"

namespace fs = std::filesystem;
using kelvo::testing::read_file;
using kelvo::testing::write_file;
using kelvo::testing::Ran;
using kelvo::testing::run_kelvo;

namespace {

int count_lines(const std::string& s) {
  int n = 0;
  for (char c : s) n += c == '\n';
  return n;
}

TEST(KelvoTranslate, SentencesLinesJsonAndLog) {
  kelvo::testing::TempDir home;
  write_file(home.file("in.txt"), "Puella rosas amat. Rosas amabo.\n\nIn principio aedificavit Romulus urbem.\n");
  // A line of English per sentence.
  Ran r = run_kelvo(home.path(), "translate '" + home.file("in.txt") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(count_lines(r.out), 3) << r.out;
  EXPECT_NE(r.out.find("I shall love"), std::string::npos) << r.out;
  // With --lines, a line for each input line, the empty one kept.
  r = run_kelvo(home.path(), "translate --lines", home.file("in.txt"));
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(count_lines(r.out), 3) << r.out;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')).find("Rosas"), std::string::npos);
  EXPECT_NE(r.out.find("\n\nIn the beginning"), std::string::npos) << r.out;
  // JSON: the English word by word with the Latin position of each word.
  r = run_kelvo(home.path(), "translate --format json", home.file("in.txt"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(count_lines(r.out), 3) << r.out;
  EXPECT_NE(r.out.find("\"english\":\"The girl"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("{\"text\":\"girl\",\"position\":0}"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"chosen\":{\"lemma\":\"amo\""), std::string::npos) << r.out;
  // --log keeps the parse log with the English lines in it.
  r = run_kelvo(home.path(), "translate --log '" + home.file("log.txt") + "' '" +
                                 home.file("in.txt") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  std::string log = read_file(home.file("log.txt"));
  EXPECT_NE(log.find("I shall love"), std::string::npos);
  EXPECT_FALSE(fs::exists(home.file("log.txt.tmp")));
}

// --order chooses the English word order; --joint writes each sentence's
// Latin before its English.
TEST(KelvoTranslate, OrderAndJoint) {
  kelvo::testing::TempDir home;
  write_file(home.file("in.txt"), "Puella nautam amat. Nautam puella amat.\n");
  Ran r = run_kelvo(home.path(), "translate --order none", home.file("in.txt"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "The girl the sailor loves.\nThe sailor the girl loves.\n");
  r = run_kelvo(home.path(), "translate --order svoe", home.file("in.txt"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "The girl loves the sailor.\nThe girl loves the sailor.\n");
  r = run_kelvo(home.path(), "translate --order nomverb", home.file("in.txt"));
  EXPECT_EQ(r.out, "The girl loves the sailor.\nThe sailor the girl loves.\n");
  r = run_kelvo(home.path(), "translate --joint", home.file("in.txt"));
  EXPECT_EQ(r.out,
            "Puella nautam amat.\nThe girl loves the sailor.\n"
            "Nautam puella amat.\nThe girl loves the sailor.\n");
  r = run_kelvo(home.path(), "translate --joint --lines", home.file("in.txt"));
  EXPECT_EQ(r.out,
            "Puella nautam amat. Nautam puella amat.\n"
            "The girl loves the sailor. The girl loves the sailor.\n");
  EXPECT_EQ(run_kelvo(home.path(), "translate --order backwards", home.file("in.txt")).status, 2);
}

// The final polish with the built tables: a verb's particle that its
// preposition says again is said once ("exire ex urbe": go out of the city),
// and so is a preposition before a genitive's "of".
TEST(KelvoTranslate, FinalPolishOfRealSentences) {
  kelvo::testing::TempDir home;
  const std::pair<const char*, const char*> cases[] = {
      {"Egredere ex urbe.", "Go out of the city."},
      {"Exiit e castris.", "come out of the"},
      {"Descendit de monte.", "down from the mountain"},
      // a genitive after an English that ends in its own preposition
      {"Considius rei militaris peritissimus habebatur.", "liable to the military"},
  };
  for (const auto& [latin, english] : cases) {
    write_file(home.file("in.txt"), std::string(latin) + "\n");
    Ran r = run_kelvo(home.path(), "translate", home.file("in.txt"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(english), std::string::npos) << latin << " -> " << r.out;
    for (const char* fault : {"out out", "down down", "with of the", "to of the"})
      EXPECT_EQ(r.out.find(fault), std::string::npos) << r.out;
  }
}

TEST(KelvoTranslate, BadUsageAndBadInput) {
  kelvo::testing::TempDir home;
  EXPECT_EQ(run_kelvo(home.path(), "translate --format xml").status, 2);
  write_file(home.file("binary.txt"), std::string("abc\0def", 7));
  EXPECT_EQ(run_kelvo(home.path(), "translate '" + home.file("binary.txt") + "'").status, 1);
}

}  // namespace

namespace {

// A phrase of the starter userphrases.txt (copied to a new home) end to end:
// an INF phrase becomes its verb's phrase, the other words go, and with
// SHOWUSERPHRASE the English stands in angle brackets; with the phrases
// turned off the words are translated one by one.
TEST(KelvoTranslate, StandardPhrasesFromTheStarterFile) {
  kelvo::testing::TempDir home;
  write_file(home.file("in.txt"), "Caesar bellum gerit.\nHoc est verum.\n");
  Ran r = run_kelvo(home.path(), "translate --lines", home.file("in.txt"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Caesar <wages war>."), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("<That is> "), std::string::npos) << r.out;
  write_file(home.file("UserSettings.txt"), "ALLOWUSERPHRASE=FALSE\n");
  r = run_kelvo(home.path(), "translate --lines", home.file("in.txt"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.find('<'), std::string::npos) << r.out;
}

}  // namespace
