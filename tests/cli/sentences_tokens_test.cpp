// The kelvo program itself, run with a fresh home folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "common/requirements.h"
#include "common/test_files.h"
#include "cli/run_kelvo.h"

namespace fs = std::filesystem;
using kelvo::testing::read_file;
using kelvo::testing::write_file;

using kelvo::testing::Ran;
using kelvo::testing::run_kelvo;

namespace {

// `command` over `text` with the built data.
Ran run_on_text(const kelvo::testing::TempDir& home, const std::string& command,
                const std::string& text) {
  write_file(home.file("text.txt"), text);
  return run_kelvo(home.path(), command + " --data '" + KELVO_TEST_DATA_DIR + "' '" +
                                    home.file("text.txt") + "'");
}

}  // namespace

// Sentences and tokens as the user wrote them (in UTF-8 whatever the input's
// encoding), and with --details as the analysis reads them; no leading blank.
TEST(KelvoSentences, FilesStandardInputAndEncodings) {
  kelvo::testing::TempDir home;
  write_file(home.file("utf8.txt"), "Gall\xC4\xAB" "a est omn\xC4\xAB" "s d\xC4\xAB" "v\xC4\xAB" "sa. Caesar dixit: v\xC4\x93n\xC4\xAB.\n");
  write_file(home.file("cp1252.txt"), "\x93Quo usque\x94 tandem, Catilina? R\xE6tia.\n");
  const std::string both = " '" + home.file("utf8.txt") + "' '" + home.file("cp1252.txt") + "'";
  Ran r = run_kelvo(home.path(), "sentences" + both);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Gall\xC4\xAB" "a est omn\xC4\xAB" "s d\xC4\xAB" "v\xC4\xAB" "sa.\nCaesar dixit:\n"
                   "v\xC4\x93n\xC4\xAB.\n\xE2\x80\x9CQuo usque\xE2\x80\x9D tandem, Catilina?\nR\xC3\xA6tia.\n");
  r = run_kelvo(home.path(), "sentences --details" + both);
  EXPECT_EQ(r.out, "Gallia est omnis divisa.\nCaesar dixit:\nveni.\n\"Quo usque\" tandem, Catilina?\n"
                   "Raetia.\n");

  r = run_kelvo(home.path(), "tokens", home.file("utf8.txt"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Gall\xC4\xAB" "a est omn\xC4\xAB" "s d\xC4\xAB" "v\xC4\xAB" "sa .\nCaesar dixit :\n"
                   "v\xC4\x93n\xC4\xAB .\n");
  r = run_kelvo(home.path(), "tokens --details", home.file("utf8.txt"));
  EXPECT_EQ(r.out, "Gallia est omnis diuisa PUNCT@\nCaesar dixit PUNCTC\nueni PUNCT@\n");
  // A command that only prints leaves no working file in the user's folder.
  for (const char* name : {"latin.lat", "temp.lat", "parser.txt", "line.lat"})
    EXPECT_FALSE(fs::exists(home.file(name))) << name;
}

// The text as written keeps what the analysis reads otherwise or not at all:
// the stop of an initial, a dash, a line end inside a sentence, a comment line.
TEST(KelvoSentences, TheTextAsWritten) {
  kelvo::testing::TempDir home;
  write_file(home.file("in.txt"), "M. Tullius Cicero \xE2\x80\x94 consul\n-- a note\n  erat, opus est!\n"
                                  "Quo usque tandem");
  Ran r = run_kelvo(home.path(), "sentences '" + home.file("in.txt") + "'");
  EXPECT_EQ(r.out, "M. Tullius Cicero \xE2\x80\x94 consul erat, opus est!\nQuo usque tandem\n");
  r = run_kelvo(home.path(), "tokens '" + home.file("in.txt") + "'");
  EXPECT_EQ(r.out, "M. Tullius Cicero \xE2\x80\x94 consul erat , opus est !\nQuo usque tandem\n");
  r = run_kelvo(home.path(), "tokens --details '" + home.file("in.txt") + "'");
  EXPECT_EQ(r.out, "M_Tullius Cicero consul erat PUNCTA opus_est PUNCTD\nQuo usque tandem PUNCT@\n");
}

TEST(KelvoSentences, BadInputAndBadUsage) {
  kelvo::testing::TempDir home;
  write_file(home.file("binary.txt"), std::string("abc\0def", 7));
  Ran r = run_kelvo(home.path(), "sentences '" + home.file("binary.txt") + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("is not a text file"), std::string::npos) << r.err;
  // A file named relative to the folder the command runs in: its full path.
  r = run_kelvo(home.path(), "sentences no-such-file.txt");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Cannot open file " + (fs::current_path() / "no-such-file.txt").string()),
            std::string::npos)
      << r.err;
  for (const char* bad : {"--age modern", "--area Q", "--area Z", "--order best", "--frobnicate",
                          "--no-tricks --phonetics", "--age"}) {
    r = run_kelvo(home.path(), std::string("tokens ") + bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_NE(r.err.find("Usage"), std::string::npos) << bad;
  }
}

TEST(KelvoTokens, SettingsFileThenFlags) {
  kelvo::testing::TempDir home;
  write_file(home.file("usersettings.txt"), "PLAUTUS=TRUE\nABBREVIATION=TRUE\n");
  write_file(home.file("UserAbbreviations.txt"), "cos.\tconsul\n");
  write_file(home.file("in.txt"), "Bonast Caesar cos. ymnus.\n");
  Ran r = run_kelvo(home.path(), "tokens --details '" + home.file("in.txt") + "'");
  EXPECT_EQ(r.out, "Bona est Caesar consul hymnus PUNCT@\n") << r.err;
  r = run_kelvo(home.path(), "tokens --details --age all '" + home.file("in.txt") + "'");
  EXPECT_EQ(r.out, "Bona est Caesar consul ymnus PUNCT@\n") << r.err;
  // As written: what the clean-up made stands as the user wrote it.
  r = run_kelvo(home.path(), "tokens '" + home.file("in.txt") + "'");
  EXPECT_EQ(r.out, "Bonast Caesar cos. ymnus .\n") << r.err;
}

TEST(KelvoSentences, EveryCorpusFile) {
  const fs::path corpus = fs::path(KELVO_SHARED_DIR) / "corpus";
  KELVO_REQUIRE_SHARED(fs::is_directory(corpus), "the corpus at " << corpus);
  kelvo::testing::TempDir home;
  int files = 0;
  for (const auto& e : fs::directory_iterator(corpus)) {
    if (!e.is_regular_file()) continue;
    Ran r = run_kelvo(home.path(), "sentences '" + e.path().string() + "'");
    EXPECT_EQ(r.status, 0) << e.path() << r.err;
    EXPECT_FALSE(r.out.empty()) << e.path();
    ++files;
  }
  EXPECT_GT(files, 0);
}

TEST(KelvoTokens, InterruptActsAsEscape) {
  kelvo::testing::TempDir home;
  std::string text;
  while (text.size() < 30'000'000) text += "Gallia est omnis divisa in partes tres. ";
  write_file(home.file("big.txt"), text);
  const std::string out = home.file("tokens.out"), err = home.file("tokens.err");
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::freopen(out.c_str(), "w", stdout);
    std::freopen(err.c_str(), "w", stderr);
    execl(KELVO_EXE, KELVO_EXE, "tokens", "--home", home.path().c_str(), home.file("big.txt").c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  // Signal once the run is printing sentences: its handler is in place by then.
  bool printing = false;
  for (int i = 0; i < 6000 && !printing; ++i) {
    std::error_code ec;
    printing = fs::exists(out, ec) && fs::file_size(out, ec) > 0;
    ASSERT_NE(waitpid(pid, nullptr, WNOHANG), pid) << "the run ended before it printed";
    if (!printing) usleep(5'000);
  }
  ASSERT_TRUE(printing);
  kill(pid, SIGINT);
  int w = 0;
  waitpid(pid, &w, 0);
  ASSERT_TRUE(WIFEXITED(w));
  // The output is incomplete, and says so.
  EXPECT_EQ(WEXITSTATUS(w), 1);
  EXPECT_NE(read_file(err).find("big.txt: interrupted"), std::string::npos) << read_file(err);
  // It stopped early: far fewer sentences than the text holds.
  EXPECT_LT(fs::file_size(out), text.size() / 2);
}

TEST(KelvoInfoParseAnalyze, RealDataEndToEnd) {
  kelvo::testing::TempDir home;
  std::string data = std::string("--data '") + KELVO_TEST_DATA_DIR + "'";
  Ran info = run_kelvo(home.path(), "info " + data);
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("dictUK.dat"), std::string::npos);
  EXPECT_NE(info.out.find("load time:"), std::string::npos);
  EXPECT_NE(info.out.find("user words:"), std::string::npos);

  // A word defined only in the user's dictionary, and a rejected user line.
  write_file(home.file("Userfile.txt"),
             "zzquux / N 2 1 M T / test word\nbadline / Q / nothing\n");
  write_file(home.file("in.txt"), "Zzquuxus uirumque amat.\n");
  Ran parse = run_kelvo(home.path(), "parse " + data + " '" + home.file("in.txt") + "'");
  ASSERT_EQ(parse.status, 0) << parse.err;
  EXPECT_NE(parse.out.find("zzquux.us - zzquux\ntest word"), std::string::npos) << parse.out;
  EXPECT_NE(parse.out.find("amo amare"), std::string::npos);
  EXPECT_NE(parse.err.find("Userfile.txt:2"), std::string::npos) << parse.err;

  Ran json = run_kelvo(home.path(), "analyze --format json " + data + " '" + home.file("in.txt") + "'");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"form\":\"que\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"lemma\":\"amo\""), std::string::npos);

  write_file(home.file("lines.txt"), "Gallia est\nomnis diuisa\n");
  Ran conllu = run_kelvo(home.path(),
                         "analyze --format conllu --lines " + data + " '" + home.file("lines.txt") + "'");
  ASSERT_EQ(conllu.status, 0) << conllu.err;
  EXPECT_NE(conllu.out.find("# sent_id = 2\n# text = omnis diuisa"), std::string::npos) << conllu.out;
  // Two sentences on one line make one block: the second's enclitic still
  // follows its own word, as one multiword token.
  write_file(home.file("two.txt"), "Arma cano. Virumque amat.\n");
  Ran two = run_kelvo(home.path(),
                      "analyze --format conllu --lines " + data + " '" + home.file("two.txt") + "'");
  ASSERT_EQ(two.status, 0) << two.err;
  EXPECT_NE(two.out.find("\n3\t.\t"), std::string::npos) << two.out;
  EXPECT_NE(two.out.find("\n4-5\tUirumque\t_\t_\t_\t_\t_\t_\t_\t_\n4\tUirum\t"), std::string::npos)
      << two.out;
  EXPECT_NE(two.out.find("\n5\tque\t"), std::string::npos) << two.out;
  EXPECT_NE(two.out.find("|Links=6|"), std::string::npos) << two.out;  // uirum to amat

  // The Pliny vocabulary is read only when the user says so.
  write_file(home.file("PlinyUserfile.txt"), "zzplin / N 1 1 F T / pliny word\n");
  write_file(home.file("pl.txt"), "zzplina.\n");
  Ran no = run_kelvo(home.path(), "parse " + data + " '" + home.file("pl.txt") + "'");
  EXPECT_EQ(no.out.find("pliny word"), std::string::npos);
  EXPECT_NE(no.err.find("Aborting Pliny Load"), std::string::npos) << no.err;
  Ran yes = run_kelvo(home.path(), "parse --pliny " + data + " '" + home.file("pl.txt") + "'");
  EXPECT_NE(yes.out.find("pliny word"), std::string::npos) << yes.out;

  Ran missing = run_kelvo(home.path(), "info --data /nonexistent");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("inflects.dat"), std::string::npos);
}

// The CoNLL-U line is the reading the sentence analysis chose, with the words
// it agrees with or governs; JSON marks the same reading.
TEST(KelvoAnalyze, ConlluShowsTheChosenReadingAndItsLinks) {
  kelvo::testing::TempDir home;
  Ran r = run_on_text(home, "analyze --format conllu", "Gallia est omnis divisa in partes tres.\n");
  ASSERT_EQ(r.status, 0) << r.err;
  // ID FORM LEMMA UPOS XPOS FEATS HEAD DEPREL DEPS MISC
  EXPECT_NE(r.out.find("1\tGallia\tGallia\tPROPN\tNOUN,1,1\tCase=Nom|Gender=Fem|Number=Sing\t_\t_\t_\t"
                       "Gloss=Gaul|Analyses=3|Links=2"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("2\test\tsum\tVERB\tVERB,5,1\t"
                       "Aspect=Imp|Mood=Ind|Number=Sing|Person=3|Tense=Pres|VerbForm=Fin|Voice=Act"
                       "\t_\t_\t_\tGloss=be|"),
            std::string::npos);
  // "in" with the accusative: partes is read as the accusative it governs.
  EXPECT_NE(r.out.find("\tin\tin\tADP\t"), std::string::npos);
  EXPECT_NE(r.out.find("6\tpartes\tpars\tNOUN\tNOUN,3,3\tCase=Acc|"), std::string::npos) << r.out;
  Ran json = run_on_text(home, "analyze --format json", "Gallia est omnis divisa in partes tres.\n");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"form\":\"partes\",\"links\":["), std::string::npos) << json.out;
  EXPECT_NE(json.out.find(",\"chosen\":true"), std::string::npos);
  EXPECT_NE(json.out.find("\"links\":["), std::string::npos);
}

// The relative pronouns come from several entries of the dictionary that
// differ only in their principal parts: each reading is shown once, in the
// JSON, in the CoNLL-U count and in the listing.
TEST(KelvoAnalyze, NoReadingTwice) {
  kelvo::testing::TempDir home;
  const std::string text = "Qui venit? Quae est quam amas.\n";
  Ran json = run_on_text(home, "analyze", text);
  ASSERT_EQ(json.status, 0) << json.err;
  std::size_t objects = 0;
  // Every reading object of one token: a repeat shows as the same text twice
  // between the token's brackets.
  for (std::size_t at = json.out.find("\"analyses\":["); at != std::string::npos;
       at = json.out.find("\"analyses\":[", at + 1)) {
    const std::string list = json.out.substr(at, json.out.find("]}", at) - at);
    std::vector<std::string> seen;
    for (std::size_t o = list.find('{'); o != std::string::npos; o = list.find('{', o + 1)) {
      std::string reading = list.substr(o, list.find('}', o) - o);
      EXPECT_EQ(std::count(seen.begin(), seen.end(), reading), 0) << reading;
      seen.push_back(reading);
      ++objects;
    }
  }
  EXPECT_GT(objects, 10u);
  Ran parse = run_on_text(home, "parse", text);
  const std::string& listing = parse.out;
  const std::string block = "qu.i - qui\nwho/that/which/what/of which kind/of which degree/person "
                            "that/thing that\nPRON 1 1  REL    NOM    SING    MASC    quis-clause A:0 \n\n";
  const auto first = listing.find(block);
  ASSERT_NE(first, std::string::npos) << listing.substr(0, 2000);
  EXPECT_EQ(listing.find(block, first + 1), std::string::npos);
}

// Several processes may share one user folder: a run writes nothing there.
TEST(KelvoAnalyze, TwoProcessesInOneFolderBothGiveTheirOwnOutput) {
  kelvo::testing::TempDir home;
  std::string data = std::string("--data '") + KELVO_TEST_DATA_DIR + "'";
  std::string a, b;
  for (int i = 0; i < 300; ++i) {
    a += "Gallia est omnis divisa in partes tres. ";
    b += "Quo usque tandem abutere, Catilina, patientia nostra? ";
  }
  write_file(home.file("a.txt"), a);
  write_file(home.file("b.txt"), b);
  Ran alone_a = run_kelvo(home.path(), "parse " + data + " '" + home.file("a.txt") + "'");
  Ran alone_b = run_kelvo(home.path(), "parse " + data + " '" + home.file("b.txt") + "'");
  ASSERT_EQ(alone_a.status, 0) << alone_a.err;
  const std::string cmd = std::string(KELVO_EXE) + " parse " + data + " --home '" + home.path() + "' ";
  const std::string both = "(" + cmd + "'" + home.file("a.txt") + "' > '" + home.file("a.out") +
                           "' & " + cmd + "'" + home.file("b.txt") + "' > '" + home.file("b.out") +
                           "' & wait)";
  ASSERT_EQ(std::system(both.c_str()), 0);
  EXPECT_EQ(read_file(home.file("a.out")), alone_a.out);
  EXPECT_EQ(read_file(home.file("b.out")), alone_b.out);
}

// -j shares the inputs (or the lines) among threads; the output is the same,
// in input order.
TEST(KelvoAnalyze, ThreadsGiveTheSameOutputInInputOrder) {
  kelvo::testing::TempDir home;
  std::string data = std::string("--data '") + KELVO_TEST_DATA_DIR + "'";
  std::string files;
  for (int i = 0; i < 6; ++i) {
    std::string name = home.path() + "/t";
    name += std::to_string(i);
    name += ".txt";
    std::string text;
    for (int k = 0; k <= i; ++k) text += "Caesar " + std::to_string(k) + " legiones in Galliam duxit.\n";
    write_file(name, text + "Marcus Tullius consul erat.\n");
    files += " '" + name + "'";
  }
  for (const char* command : {"parse", "analyze --format json", "analyze --format conllu --lines"}) {
    Ran one = run_kelvo(home.path(), std::string(command) + " -j 1 " + data + files);
    Ran four = run_kelvo(home.path(), std::string(command) + " -j 4 " + data + files);
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(four.status, 0) << four.err;
    EXPECT_EQ(four.out, one.out) << command;
  }
  Ran bad = run_kelvo(home.path(), "analyze -j 0" + files);
  EXPECT_EQ(bad.status, 2);
}
