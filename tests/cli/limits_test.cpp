// No text is lost without a word: every command names the file and line where
// a limit cut the text, and its exit status says the output is incomplete.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/run_kelvo.h"
#include "common/test_files.h"

namespace {

using kelvo::testing::Ran;
using kelvo::testing::run_kelvo;
using kelvo::testing::TempDir;
using kelvo::testing::write_file;

const char* const kCommands[] = {"sentences", "tokens", "parse", "analyze",
                                 "analyze --format conllu --lines"};

std::string with_data(const std::string& command) {
  return command + " --data '" + KELVO_TEST_DATA_DIR + "'";
}

std::size_t longest_line(const std::string& text) {
  std::istringstream in(text);
  std::size_t longest = 0;
  for (std::string line; std::getline(in, line);) longest = std::max(longest, line.size());
  return longest;
}

TEST(KelvoLimits, EveryCommandNamesTheCutsAndGoesOn) {
  TempDir home;
  // Line 2: a word over the word limit; line 3: 300,000 letters without a blank.
  const std::string in = home.file("in.txt");
  write_file(in, "Gallia est omnis divisa.\nVeni " + std::string(150, 'x') + " vidi.\n" +
                     std::string(300'000, 'q') + ".\nCaesar venit.\n");
  const std::string full = std::filesystem::canonical(in).string();
  for (const char* command : kCommands) {
    Ran r = run_kelvo(home.path(), with_data(command) + " '" + in + "'");
    EXPECT_EQ(r.status, 1) << command << r.err;
    EXPECT_NE(r.out.find("Caesar"), std::string::npos) << command << ": the text after the cuts";
    EXPECT_NE(r.err.find(full + ":2: A word of 100 characters or more ('xxx"), std::string::npos)
        << command << r.err;
    EXPECT_NE(r.err.find(full + ":3: "), std::string::npos) << command << r.err;
    EXPECT_LT(longest_line(r.err), 300u) << command << ": messages quote a little of the text";
  }
}

TEST(KelvoLimits, AnEmptyTextGivesNothing) {
  TempDir home;
  write_file(home.file("empty.txt"), "");
  write_file(home.file("blank.txt"), "  \n\n\t\n");
  for (const char* command : {"sentences", "tokens", "parse", "analyze", "analyze --format conllu"}) {
    for (const char* file : {"empty.txt", "blank.txt"}) {
      Ran r = run_kelvo(home.path(), with_data(command) + " '" + home.file(file) + "'");
      EXPECT_EQ(r.status, 0) << command << " " << file << r.err;
      EXPECT_EQ(r.out, "") << command << " " << file;
      EXPECT_EQ(r.err, "") << command << " " << file;
    }
  }
  // With --lines each line stays one sentence of the output, an empty one too.
  Ran lines = run_kelvo(home.path(), with_data("analyze --format conllu --lines") + " '" +
                                         home.file("blank.txt") + "'");
  EXPECT_EQ(lines.out, "# sent_id = 1\n# text = \n\n# sent_id = 2\n# text = \n\n"
                       "# sent_id = 3\n# text = \n\n");
}

// A damaged data table stops every command that needs it, with the table's
// full path said once, and the status of missing data.
TEST(KelvoLimits, ADamagedTableIsRefusedOnceByItsPath) {
  TempDir home;
  const std::string data = home.file("data");
  std::filesystem::create_directory(data);
  for (const auto& e : std::filesystem::directory_iterator(KELVO_TEST_DATA_DIR))
    std::filesystem::create_symlink(e.path(), data + "/" + e.path().filename().string());
  std::filesystem::remove(data + "/inflects.dat");
  write_file(data + "/inflects.dat", "");
  write_file(home.file("in.txt"), "Gallia est omnis divisa.\n");
  const std::string message = std::filesystem::canonical(data).string() + "/inflects.dat: holds no records";
  for (const char* command : {"info", "parse", "analyze"}) {
    std::string args = std::string(command) + " --data '" + data + "'";
    if (std::string(command) != "info") args += " '" + home.file("in.txt") + "'";
    Ran r = run_kelvo(home.path(), args);
    EXPECT_EQ(r.status, 2) << command;
    EXPECT_EQ(r.out, "") << command;
    const auto first = r.err.find(message);
    EXPECT_NE(first, std::string::npos) << command << r.err;
    EXPECT_EQ(r.err.find(message, first + 1), std::string::npos) << command << ": said twice";
  }
}

}  // namespace
