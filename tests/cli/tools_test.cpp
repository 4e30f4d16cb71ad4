// kelvo spell, kelvo lookup and kelvo search, run as the user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_kelvo.h"
#include "common/requirements.h"
#include "common/test_files.h"
#include "kelvo/kelvo.h"
#include "shell/text_lines.h"

namespace fs = std::filesystem;
using kelvo::testing::Ran;
using kelvo::testing::read_file;
using kelvo::testing::run_kelvo;
using kelvo::testing::TempDir;
using kelvo::testing::write_file;

namespace {

const std::string kData = std::string(" --data '") + KELVO_TEST_DATA_DIR + "'";

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// "file:line:col: rest" taken apart.
struct Located {
  std::string file;
  std::size_t line = 0, column = 0;
  std::string rest;
};

Located parse_located(const std::string& line) {
  Located l;
  const std::size_t rest = line.find(": ");
  const std::size_t col = line.rfind(':', rest - 1);
  const std::size_t ln = line.rfind(':', col - 1);
  l.file = line.substr(0, ln);
  l.line = std::stoul(line.substr(ln + 1, col - ln - 1));
  l.column = std::stoul(line.substr(col + 1, rest - col - 1));
  l.rest = line.substr(rest + 2);
  return l;
}

// The text of `file` from `line`:`column` on.
std::string text_at(const std::string& text, const Located& at) {
  std::string line(kelvo::shell::LineIndex(text).line(at.line));
  std::size_t byte = 0;
  for (std::size_t col = 1; col < at.column && byte < line.size(); ++col) {
    ++byte;
    while (byte < line.size() && (static_cast<unsigned char>(line[byte]) & 0xC0) == 0x80) ++byte;
  }
  return line.substr(byte);
}

std::vector<std::string> corpus_texts() {
  std::vector<std::string> files;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(fs::path(KELVO_SHARED_DIR) / "corpus", ec))
    if (e.path().extension() == ".txt") files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(KelvoSpell, EachUnreadWordWhereEditorsFindIt) {
  TempDir home;
  write_file(home.file("a.txt"), "R\xC4\x93x xqzt amat.\nQuo vadis, pqrwv? (uiuus)\n");
  write_file(home.file("good.txt"), "Gallia est omnis divisa in partes tres.\n");
  Ran r = run_kelvo(home.path(), "spell" + kData + " '" + home.file("a.txt") + "' '" +
                                     home.file("good.txt") + "'");
  EXPECT_EQ(r.status, 1) << r.err;
  // Columns count characters: the long e is one.
  EXPECT_EQ(r.out, home.file("a.txt") + ":1:5: xqzt\n" + home.file("a.txt") + ":2:12: pqrwv\n");
  r = run_kelvo(home.path(), "spell" + kData + " '" + home.file("good.txt") + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  r = run_kelvo(home.path(), "spell" + kData, home.file("a.txt"));
  EXPECT_TRUE(r.out.starts_with("(standard input):1:5: xqzt\n")) << r.out << r.err;
  r = run_kelvo(home.path(), "spell" + kData + " '" + home.file("absent.txt") + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Cannot open file"), std::string::npos) << r.err;
  r = run_kelvo(home.path(), "spell --data '" + home.file("nodata") + "' '" + home.file("a.txt") + "'");
  EXPECT_EQ(r.status, 2);
}

// On every corpus text: each word listed stands where it is said to, and
// the analysis has no reading for it on its own either.
TEST(KelvoSpell, TheCorpusListsOnlyWordsTheAnalysisCannotRead) {
  const auto files = corpus_texts();
  KELVO_REQUIRE_SHARED(!files.empty(), "../shared/corpus");
  auto engine = kelvo::Engine::load({KELVO_TEST_DATA_DIR, "", false, true});
  ASSERT_TRUE(engine) << engine.error().message;
  kelvo::Translator tr(*engine, {});
  TempDir home;
  std::size_t listed = 0;
  for (const auto& file : files) {
    Ran r = run_kelvo(home.path(), "spell" + kData + " '" + file + "'");
    ASSERT_LE(r.status, 1) << file << r.err;
    const std::string text = read_file(file);
    for (const auto& line : lines_of(r.out)) {
      const Located at = parse_located(line);
      EXPECT_EQ(at.file, file);
      EXPECT_TRUE(text_at(text, at).starts_with(at.rest)) << line;
      std::string lower = at.rest;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_TRUE(tr.lookup(lower).empty()) << line;
      ++listed;
    }
    EXPECT_EQ(r.status, r.out.empty() ? 0 : 1) << file;
  }
  EXPECT_GT(listed, 0u);
}

TEST(KelvoSearch, EveryFormOfTheLemmaOnTheCorpus) {
  const auto files = corpus_texts();
  KELVO_REQUIRE_SHARED(!files.empty(), "../shared/corpus");
  TempDir home;
  std::string args = "search --forms rex" + kData;
  for (const auto& f : files) args += " '" + f + "'";
  Ran r = run_kelvo(home.path(), args);
  EXPECT_EQ(r.status, 0) << r.err;
  const std::set<std::string> forms = {"rex", "regis", "regi", "regem", "rege",
                                       "reges", "regum", "regibus"};
  std::set<std::string> seen;
  for (const auto& line : lines_of(r.out)) {
    const Located at = parse_located(line);
    // The column is a form's; the line is the file's own.
    std::string word;
    for (char c : text_at(read_file(at.file), at)) {
      if (!std::isalpha(static_cast<unsigned char>(c))) break;
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_TRUE(forms.count(word)) << line.substr(0, 200);
    seen.insert(word);
    EXPECT_EQ(std::string(kelvo::shell::LineIndex(read_file(at.file)).line(at.line)), at.rest);
  }
  for (const char* form : {"rex", "regis", "regem", "reges", "rege"})
    EXPECT_TRUE(seen.count(form)) << form;
}

TEST(KelvoSearch, LinesOnceAndTheExitStatusOfGrep) {
  TempDir home;
  write_file(home.file("t.txt"), "Rex venit.\nReginam et regem vidi, rex.\nNihil.\n");
  Ran r = run_kelvo(home.path(), "search --forms regis" + kData + " '" + home.file("t.txt") + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, home.file("t.txt") + ":1:1: Rex venit.\n" + home.file("t.txt") +
                       ":2:12: Reginam et regem vidi, rex.\n");
  r = run_kelvo(home.path(), "search --forms amo" + kData + " '" + home.file("t.txt") + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  r = run_kelvo(home.path(), "search --forms xqztw" + kData + " '" + home.file("t.txt") + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no reading"), std::string::npos) << r.err;
  r = run_kelvo(home.path(), "search" + kData + " '" + home.file("t.txt") + "'");
  EXPECT_EQ(r.status, 2);
}

TEST(KelvoLookup, StemsAndEnglishWords) {
  TempDir home;
  Ran r = run_kelvo(home.path(), "lookup rex" + kData);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("rex                  NOUN  3 1 MASC      A:0 rex regis: king\n"),
            std::string::npos)
      << r.out;
  r = run_kelvo(home.path(), "lookup am" + kData);
  EXPECT_EQ(lines_of(r.out).size(), 51u);
  EXPECT_TRUE(r.out.ends_with("Too many stems found (>50): give more of the stem.\n"));
  r = run_kelvo(home.path(), "lookup xqzt" + kData);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("No matching stems found."), std::string::npos);
  r = run_kelvo(home.path(), "lookup --english king" + kData);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("rex regis                        NOUN  king\n")) << r.out;
  r = run_kelvo(home.path(), "lookup --english xqztw" + kData);
  EXPECT_EQ(r.status, 1);
  r = run_kelvo(home.path(), "lookup" + kData);
  EXPECT_EQ(r.status, 2);
  // Data without the English index: the lookup says what to do.
  const std::string data = home.file("data");
  fs::copy(KELVO_TEST_DATA_DIR, data);
  fs::remove(fs::path(data) / "english.dat");
  r = run_kelvo(home.path(), "lookup --english king --data '" + data + "'");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("kelvo-mkdata"), std::string::npos) << r.err;
}

}  // namespace
