#include "text/input_preparation.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "common/test_files.h"

namespace a = kelvo::text;
using kelvo::TranslationOptions;

namespace {

std::string prepare(const std::string& text, TranslationOptions o = {},
                    const kelvo::userdata::AbbreviationTable* abbr = nullptr) {
  a::InputPreparation p(o, abbr);
  return p.prepare_text(text);
}

}  // namespace

TEST(InputPreparation, SentencesOfThePart) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"Gallia est omnis divisa", "Gallia est omnis divisa.\n"},
      {"Caesar dixit: veni.\n", "Caesar dixit:\n veni.\n"},
      {"(vide.)\n", "(vide).\n"},
      {"M. Tullius Cicero.\n", "M_Tullius Cicero.\n"},
      {"-- a comment line.\nScripsit.\n", "Scripsit.\n"},
      {"abcde--f.\n", "abcde  f.\n"},
      {"rei p. causa.\n", "rei publicae causa.\n"},
      {" rem p. gerit.\n", " rem publicam gerit.\n"},
      {"Sed... tacet.\n", "Sed.\n tacet.\n"},
      {"S. C. factum est.\n", " S_C  factum est.\n"},
      {"tr. pl. venit.\n", "Tr_pleb venit.\n"},
      {"Cn. Pompeius venit.\n", "Cn_Pompeius venit.\n"},
      {"Legio X. Caesar venit.\n", "Legio X.\n Caesar venit.\n"},
      {"BELLUM GALLICUM\nCaesar venit.\n", "BELLUM GALLICUM.\nCaesar venit.\n"},
      {"Caesar venit\net vicit.\n", "Caesar venit et vicit.\n"},
      {"divisa ,\n", "divisa, ,  .\n"},
      {"Venit,; vicit.\n", "Venit;\n vicit.\n"},
      {"\"Veni.\" Abiit.\n", "\"Veni\".\n  Abiit.\n"},
      {"R\xE6tia et \x9C" "conomia.\n", "Raetia et oeconomia.\n"},
      {"caf\xE9 \x93" "dixit\x94.\n", "cafe \"dixit\".\n"},
      {"Veni.\n\n\n", "Veni.\n"},
      // An empty text is no sentence; marks without a word still get their stop.
      {"", ""},
      {"  \n\n", ""},
      {",\n", ",  .\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(prepare(c.in), c.out) << c.in;
}

// Each sentence knows the input line it begins on, across comment lines,
// sentences that run over lines and a last line without its stop.
TEST(InputPreparation, SentencesKnowTheirFirstLine) {
  TranslationOptions o;
  a::InputPreparation p(o, nullptr);
  EXPECT_EQ(p.prepare_text("Veni\n-- a comment.\nvidi. Vici\n\nnunc. Abii"),
            "Veni vidi.\n Vici nunc.\n Abii.\n");
  EXPECT_EQ(p.sentence_lines(), (std::vector<std::uint32_t>{1, 3, 5}));
  // A line longer than the line buffer is one line.
  std::string lines = std::string(2 * a::kPreparationLineBuffer, 'a') + "\nEt b.\n";
  p.prepare_text(lines);
  EXPECT_EQ(p.sentence_lines(), (std::vector<std::uint32_t>{1}));
  p.prepare_text("Et b.\n" + lines);
  EXPECT_EQ(p.sentence_lines(), (std::vector<std::uint32_t>{1, 2}));
}

TEST(InputPreparation, BotanyKeepsDecimalStops) {
  TranslationOptions o;
  o.botany = true;
  EXPECT_EQ(prepare("Folia 2.5 cm longa.\n", o), "Folia 2.5 cm longa.\n");
  EXPECT_EQ(prepare("Folia 2-3 cm.\n", o), "Folia 2-3 cm.\n");
  EXPECT_EQ(prepare("Folia 2.5 cm longa.\n"), "Folia 2.\n5 cm longa.\n");
}

TEST(InputPreparation, PersonCountsCoverTheWholeFile) {
  a::InputPreparation p(TranslationOptions{}, nullptr);
  p.prepare_text("et ego et tu et nos sumus.\n et vos et uos sunt.\n et ego ego .\n");
  EXPECT_EQ(p.person_counts().ego, 3);
  EXPECT_EQ(p.person_counts().tu, 1);
  EXPECT_EQ(p.person_counts().nos, 1);
  EXPECT_EQ(p.person_counts().vos, 2);
}

TEST(InputPreparation, AbbreviationsOnlyWithTheOption) {
  kelvo::userdata::AbbreviationTable t;
  kelvo::userdata::AbbreviationRecord r{};
  kelvo::set_field(r.abbreviation, "Kal.");
  kelvo::set_field(r.expansion, "Kalendas");
  r.length = 4;
  t.records.push_back(r);
  TranslationOptions o;
  EXPECT_EQ(prepare("ante Kal. veni.\n", o, &t), "ante Kal.\n veni.\n");
  o.abbreviation = true;
  EXPECT_EQ(prepare("ante Kal. veni.\n", o, &t), "ante Kalendas veni.\n");
}

TEST(InputPreparation, LongLinesComeInPiecesWithoutOverflow) {
  // A 20,000-byte line of commas and words: every piece is cut at 4,999 bytes
  // and the blanks the commas gain never run past the text.
  std::string line;
  while (line.size() < 20'000) line += "a,b,";
  line += "\n";
  std::string out = prepare(line);
  EXPECT_GT(out.size(), line.size());
  EXPECT_EQ(out.back(), '\n');
}

TEST(InputPreparation, FilesInAnyEncoding) {
  kelvo::testing::TempDir dir;
  const std::string temp = dir.file("temp.lat");
  struct Case {
    const char* name;
    std::string bytes;
    std::string out;
  };
  const Case cases[] = {
      {"macrons-utf8", "\xEF\xBB\xBF" "Gall\xC4\xAB" "a est omn\xC4\xAB" "s d\xC4\xAB" "v\xC4\xAB" "sa\xE2\x80\x94pars \xC3\xA6" "ter.\r\n",
       "Gallia est omnis divisa pars aeter.\n"},
      {"quotes-utf8", "\xE2\x80\x9C" "Ven\xC4\xAB" ",\xE2\x80\x9D inquit. Po\xC3\xABta \xC5\x93" "st.\n",
       "\"Veni, \" inquit.\n Poeta oest.\n"},
      {"cp1252", "R\xE6tia\x97pars \x93" "ven\xEC\x94.\n", "Raetia\x97pars \"veni\".\n"},
  };
  for (const auto& c : cases) {
    const std::string in = dir.file(c.name);
    kelvo::testing::write_file(in, c.bytes);
    a::InputPreparation p(TranslationOptions{}, nullptr);
    ASSERT_TRUE(p.prepare_file(in, temp).is_ok()) << c.name;
    EXPECT_EQ(kelvo::testing::read_file(temp), c.out) << c.name;
  }
}

TEST(InputPreparation, RefusesBinaryAndMissingFiles) {
  kelvo::testing::TempDir dir;
  const std::string in = dir.file("binary.dat");
  kelvo::testing::write_file(in, std::string("Gallia\0est", 10));
  a::InputPreparation p(TranslationOptions{}, nullptr);
  auto s = p.prepare_file(in, dir.file("temp.lat"));
  ASSERT_FALSE(s.is_ok());
  EXPECT_NE(s.message().find("not a text file"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.file("temp.lat")));
  s = p.prepare_file(dir.file("absent.txt"), dir.file("temp.lat"));
  EXPECT_EQ(s.message(), "Cannot open file " + dir.file("absent.txt") + ".\n");
  s = p.prepare_file(dir.file("absent.txt"), dir.file("no/such/dir/temp.lat"));
  EXPECT_FALSE(s.is_ok());
}

TEST(InputPreparation, RePublicaFormsAfterABlankOrAtTheLineStart) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"re p. servata est.\n", "re publica servata est.\n"},
      {"Pro re p. pugnat et res p. stat.\n", "Pro re publica pugnat et res publica stat.\n"},
      {"Ad rem p. et rei p. causa.\n", "Ad rem publicam et rei publicae causa.\n"},
      // Not the forms: another word ending in "re", another letter, two blanks.
      {"Dare p. rex p. rem  p. veni.\n", "Dare p.\n rex p.\n rem  p.\n veni.\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(prepare(c.in), c.out) << c.in;
}

TEST(InputPreparation, PersonsFoundWhereverTheyFallInTheLine) {
  // The pronouns at every offset from the line start, so that each meets the
  // edges of the blocks the blanks are searched in; a pronoun without a blank
  // after it, at the very end, is not counted.
  std::string text;
  for (std::size_t k = 0; k <= 16; ++k) text += std::string(k, 'x') + " ego tu nos uos vos \n";
  text += "x ego\nx tu\n";
  a::InputPreparation p(TranslationOptions{}, nullptr);
  p.prepare_text(text);
  EXPECT_EQ(p.person_counts().ego, 17);
  EXPECT_EQ(p.person_counts().tu, 17);
  EXPECT_EQ(p.person_counts().nos, 17);
  EXPECT_EQ(p.person_counts().vos, 34);
}
