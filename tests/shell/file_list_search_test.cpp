// Search File List and the forms of a lemma: what counts as a hit, what
// fails.txt says, and how the search over a list ends.
#include "shell/file_list_search.h"

#include <gtest/gtest.h>

#include "shell/forms_search.h"
#include "userdata/temp_folder.h"

namespace kelvo::shell {
namespace {

Reading reading(const char* form, const char* lemma, PartOfSpeech pos, Case c = Case::none,
                Tense t = Tense::none) {
  Reading r;
  r.form = form;
  r.lemma = lemma;
  r.part_of_speech = pos;
  r.grammatical_case = c;
  r.tense = t;
  return r;
}

Token token(const char* text, std::size_t begin, std::vector<Reading> readings) {
  Token t;
  t.text = text;
  t.begin = begin;
  t.end = begin + t.text.size();
  t.readings = std::move(readings);
  return t;
}

// "Amicus amat regem regina xqz ."
Sentence sample() {
  Sentence s;
  s.tokens = {
      token("Amicus", 0, {reading("amic.us", "amicus", PartOfSpeech::noun, Case::nominative)}),
      token("amat", 7, {reading("am.at", "amo", PartOfSpeech::verb, Case::none, Tense::present)}),
      token("regem", 12, {reading("reg.em", "rex", PartOfSpeech::noun, Case::accusative)}),
      token("regina", 18, {reading("regin.a", "regina", PartOfSpeech::noun, Case::nominative),
                           reading("regin.a", "regina", PartOfSpeech::noun, Case::ablative)}),
      token("xqz", 25, {}),
      token(".", 29, {})};
  s.tokens.back().punctuation = true;
  return s;
}

TEST(FormsSearch, TokensWithAReadingOfTheLemmaAreForms) {
  const auto lemmas = lemmas_of({reading("reg.is", "rego", PartOfSpeech::verb),
                                 reading("reg.is", "rex", PartOfSpeech::noun),
                                 reading("reg.is", "rex", PartOfSpeech::noun)});
  EXPECT_EQ(lemmas, (std::vector<std::string>{"rego", "rex"}));
  std::vector<FormHit> hits;
  append_form_hits(sample(), lemmas, hits);
  ASSERT_EQ(hits.size(), 1u);  // regem, not regina however alike it begins
  EXPECT_EQ(hits[0].begin, 12u);
  EXPECT_EQ(hits[0].lemma, "rex");
}

TEST(FileListSearch, SettingsAreCheckedBeforeTheSearch) {
  struct Case {
    SearchSettings s;
    const char* message;
  };
  const Case cases[] = {
      {{"a", "", "", SearchKind::text, 0, 0}, "Must enter something to search for!"},
      {{"", "", "", SearchKind::word, kUnknownSpeech, 0}, ""},  // every unknown word
      {{"am", "ab", "", SearchKind::word, 0, 0},
       "For a word-search:\nExclusion item must have same stem as search item, with extra "
       "character(s)!"},
      {{"am", "ab", "", SearchKind::text, 0, 0}, ""},
      {{"am", "amic", "", SearchKind::word, 0, 0}, ""},
      {{"am", "", "", SearchKind::word, kVerbSpeech, kAccusativeCase},
       "Illegal combination of verb and case"},
      {{"am", "", "", SearchKind::word, 1, kPerfectTense}, "Illegal combination of non-verb and tense"},
      {{"am", "", "", SearchKind::word, kVerbSpeech, kPerfectTense}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(validate_search(c.s), c.message) << c.s.item << "/" << c.s.exclude;
  const SearchSettings n = normalise_search({" jam ", " vir", "XII 3", SearchKind::text, 0, 0});
  EXPECT_EQ(n.item, "iam");
  EXPECT_EQ(n.exclude, "uir");
  EXPECT_EQ(n.and_item, "");  // capitals and digits only: dropped
  EXPECT_EQ(normalise_search({"am", "JV", "", SearchKind::text, 0, 0}).exclude, "");
}

TEST(FileListSearch, TheHeadOfFailsNamesTheFilters) {
  EXPECT_EQ(search_header({"am", "amic", "", SearchKind::word, 7, 1}),
            "--Search items = am Exclude = amic (Speechtype = Verb. Case/tense type = Nom/Pres.)\n"
            "--Word Search.\n");
  EXPECT_EQ(search_header({"", "", "", SearchKind::word, kUnknownSpeech, 3}),
            "--Search items =  Exclude =  (Speechtype = UNKnown. Case/tense type = ANY.)\n"
            "--Word Search.\n");
  EXPECT_NE(search_header({"x", "", "", SearchKind::word, 36, 9}).find("SADJ. Case/tense type = ANY"),
            std::string::npos);
  EXPECT_EQ(search_header({"rex", "", "et", SearchKind::text, 0, 0}),
            "--Search items = rex Exclude =  And = et.\n--Text Search.\n");
}

TEST(FileListSearch, AWordSearchForAStemExcludingALongerOne) {
  FileListSearch search(normalise_search({"am", "amic", "", SearchKind::word, 0, 0}));
  std::string out;
  search.search_sentence(sample(), out);
  EXPECT_EQ(out, "1*** amat: Amicus amat regem regina xqz .\n");
  // Filters: the case of a noun, the tense of a verb; one hit a word.
  FileListSearch nouns(normalise_search({"reg", "", "", SearchKind::word, 1, 6}));
  out.clear();
  nouns.search_sentence(sample(), out);
  EXPECT_EQ(out, "1*** regina: Amicus amat regem regina xqz .\n");
  FileListSearch any(normalise_search({"reg", "", "", SearchKind::word, 0, 0}));
  out.clear();
  any.search_sentence(sample(), out);
  EXPECT_EQ(any.hits(), 2u);
  FileListSearch present(normalise_search({"am", "", "", SearchKind::word, 7, 1}));
  out.clear();
  present.search_sentence(sample(), out);
  EXPECT_EQ(present.hits(), 1u);
  // Unknown words only for the UNKnown filter, whatever the item.
  FileListSearch unknown(normalise_search({"", "", "", SearchKind::word, kUnknownSpeech, 0}));
  out.clear();
  unknown.search_sentence(sample(), out);
  EXPECT_EQ(out, "[xqz]\n");
}

TEST(FileListSearch, ATextSearchReadsEachSentenceLine) {
  FileListSearch search(normalise_search({"rex", "Roma", "et", SearchKind::text, 0, 0}));
  std::string out;
  search.search_text("/t/a.txt",
                     "Rex et regina.\n  uiuit rex et Iuppiter.\nrex Romae et Roma.\nrex sine.\n",
                     out);
  // Case counts; j and v are i and u in the line's copy, never in what is written.
  EXPECT_EQ(out, "\n--Searching file.../t/a.txt\n1***  uiuit rex et Iuppiter.\n");
  FileListSearch jv(normalise_search({"uiuit", "", "", SearchKind::text, 0, 0}));
  out.clear();
  jv.search_text("b", "uiuit\nvivit\n", out);
  EXPECT_EQ(jv.hits(), 2u);
  EXPECT_TRUE(out.ends_with("2***vivit\n"));
}

// Without a hook of its own, a text search reads each file's sentences as
// the analysis would: one a line, whatever the file's own lines.
TEST(FileListSearch, ATextSearchReadsSentencesNotLines) {
  EXPECT_EQ(prepared_sentences("Rex venit. Rex\nabiit.\n"), "Rex venit.\n Rex abiit.\n");
  testing::TempFolder dir;
  dir.write("a.txt", "Rex venit. Regina\nabiit. Rex dormit.\n");
  const DirectoryList list{dir.path(), {dir.file("a.txt")}, 1};
  const auto outcome = search_file_list({"Rex", "", "", SearchKind::text, 0, 0}, list, {});
  EXPECT_EQ(outcome.hits, 2u);
  EXPECT_NE(outcome.fails.find("1***Rex venit.\n"), std::string::npos) << outcome.fails;
  EXPECT_EQ(prepared_sentences(std::string("a\0b", 3)), "");  // not text
}

TEST(FileListSearch, TheLoopOverTheListAndItsReport) {
  DirectoryList list{"/t", {"/t/a.txt", "/nonexistent/b.txt"}, 2};
  FileSearchHooks hooks;
  hooks.prepare = [](std::string_view) { return std::string("rex\n"); };
  // Only the file that can be read is searched: the counts disagree.
  char self[] = "/proc/self/cmdline";  // a file every test can read
  list.files[0] = self;
  auto outcome = search_file_list({"rex", "", "", SearchKind::text, 0, 0}, list, hooks);
  EXPECT_EQ(outcome.searched, 1u);
  EXPECT_EQ(outcome.hits, 1u);
  EXPECT_NE(outcome.fails.find("Cannot open file /nonexistent/b.txt.\n"), std::string::npos);
  EXPECT_TRUE(outcome.fails.ends_with("--Search complete.\n"));
  EXPECT_EQ(search_report(outcome, list, 0),
            "Discrepancy between files saved 2 and files searched 1.\nProbably need to re-make "
            "sub-directories.");
  list.files[1] = self;
  outcome = search_file_list({"rex", "", "", SearchKind::text, 0, 0}, list, hooks);
  EXPECT_EQ(search_report(outcome, list, 1'500),
            "Search complete.\nNo. of files searched was 2.\nNo. of search-hits found was 2.\n"
            "Time taken for search was 00:00:01.50\nResults saved to file 'fails.txt' in "
            "application directory.");
  // Escape before the second file: one searched to its end.
  hooks.keep_going = [](std::size_t file) { return file < 2; };
  outcome = search_file_list({"rex", "", "", SearchKind::text, 0, 0}, list, hooks);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_EQ(search_report(outcome, list, 0), "Escape pressed. Only 1 files fully searched and exit.");
  // A word search stopped inside a file does not count that file.
  hooks.keep_going = nullptr;
  hooks.analyse = [](std::string_view) {
    TextAnalysis a;
    a.sentences.push_back(sample());
    a.status = RunStatus::cancelled;
    return a;
  };
  outcome = search_file_list({"reg", "", "", SearchKind::word, 0, 0}, list, hooks);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_EQ(outcome.searched, 0u);
  EXPECT_EQ(outcome.hits, 2u);
  // An empty list says so.
  const DirectoryList empty{"/t", {}, 0};
  outcome = search_file_list({"rex", "", "", SearchKind::text, 0, 0}, empty, {});
  EXPECT_NE(outcome.fails.find(kNoTextFiles), std::string::npos);
  EXPECT_EQ(search_report(outcome, empty, 0), "");
}

}  // namespace
}  // namespace kelvo::shell
