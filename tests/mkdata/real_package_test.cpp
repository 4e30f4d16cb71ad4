// The builder on the installed Whitaker's Words package.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/requirements.h"
#include "grammar/lexicon.h"
#include "grammar/records.h"
#include "mkdata/data_builder.h"
#include "mkdata/whitaker_reader.h"

namespace kelvo::mkdata {
namespace {

namespace fs = std::filesystem;
using grammar::DictEntry;
using grammar::MeaningLine;

template <typename T>
std::vector<T> read_records(const fs::path& p, std::size_t skip_tail = 0) {
  std::ifstream in(p, std::ios::binary);
  std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<T> v(b.size() < skip_tail ? 0 : (b.size() - skip_tail) / sizeof(T));
  if (!v.empty()) std::memcpy(v.data(), b.data(), v.size() * sizeof(T));
  return v;
}

// Builds once into a temporary folder for the whole suite.
class RealPackage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!fs::exists(fs::path(KELVO_WHITAKER_DIR) / kDictFileName)) return;
    out_ = fs::temp_directory_path() / ("kelvo_mkdata_real_" + std::to_string(::getpid()));
    fs::remove_all(out_);
    BuildOptions o;
    o.whitaker_dir = KELVO_WHITAKER_DIR;
    o.sources_dir = std::string(KELVO_SOURCE_DIR) + "/data";
    o.out_dir = out_.string();
    auto r = build_data(o);
    ASSERT_TRUE(r) << r.error().message;
    report_ = new BuildReport(*r);
    entries_ = read_records<DictEntry>(
        out_ / grammar::kDictFile, grammar::kLetterIndexCount * sizeof(grammar::LetterIndexRecord));
    meanings_ = read_records<MeaningLine>(out_ / grammar::kMeaningsFile);
  }
  static void TearDownTestSuite() {
    delete report_;
    report_ = nullptr;
    if (!out_.empty()) fs::remove_all(out_);
  }
  void SetUp() override {
    KELVO_REQUIRE_DATA(report_, "Whitaker's Words data in " KELVO_WHITAKER_DIR);
  }

  // Entries whose stem is `stem` (a binary search, as word analysis does).
  static std::vector<const DictEntry*> with_stem(std::string_view stem) {
    auto lo = std::lower_bound(entries_.begin(), entries_.end(), stem,
                               [](const DictEntry& e, std::string_view s) {
                                 return compare_bytes(e.stem_text(), s) < 0;
                               });
    std::vector<const DictEntry*> v;
    for (; lo != entries_.end() && lo->stem_text() == stem; ++lo) v.push_back(&*lo);
    return v;
  }
  static const MeaningLine& meaning(const DictEntry& e) {
    return meanings_.at(static_cast<std::size_t>(e.meaning_index.get()));
  }
  static const DictEntry* find(std::string_view stem, int speech, std::string_view lemma) {
    for (const DictEntry* e : with_stem(stem)) {
      std::string_view latin = meaning(*e).latin_text();
      if (e->speech == speech && latin.substr(0, latin.find(' ')) == lemma) return e;
    }
    return nullptr;
  }

  static inline fs::path out_;
  static inline BuildReport* report_ = nullptr;
  static inline std::vector<DictEntry> entries_;
  static inline std::vector<MeaningLine> meanings_;
};

TEST_F(RealPackage, Counts) {
  auto count = [](const char* name) {
    for (const WrittenFile& f : report_->files)
      if (f.name == name) return f.records;
    return std::size_t{0};
  };
  EXPECT_NEAR(static_cast<double>(count(grammar::kInflectsFile)), 1785, 20);
  // 87,392 stems of the package, plus the comparative and superlative stems
  // supplied for adjectives given in the positive only.
  EXPECT_NEAR(static_cast<double>(count(grammar::kDictFile)), 103333, 500);
  EXPECT_NEAR(static_cast<double>(count(grammar::kMeaningsFile)), 38092, 300);
  EXPECT_NEAR(static_cast<double>(count(grammar::kUniquesFile)), 74, 10);
  EXPECT_NEAR(static_cast<double>(count(grammar::kAddonsFile)), 29, 12);
  EXPECT_LE(report_->citations_missing, 40);
  EXPECT_TRUE(std::is_sorted(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
    return compare_bytes(a.stem_text(), b.stem_text()) < 0;
  }));
  // No meaning line is left without English, none overflows its field.
  for (const MeaningLine& m : meanings_) {
    EXPECT_FALSE(m.english_text().empty()) << m.latin_text();
    EXPECT_LT(m.english_text().size(), sizeof m.english);
  }
}

TEST_F(RealPackage, AmIsAFirstConjugationVerbMeaningLove) {
  const DictEntry* am = find("am", grammar::pos::verb, "amo");
  ASSERT_NE(am, nullptr);
  EXPECT_EQ(am->which, 1);
  EXPECT_EQ(meaning(*am).latin_text(), "amo amare amaui amatus");
  EXPECT_EQ(meaning(*am).english_text().substr(0, 5), "love/");
  // Its perfect and participle stems, normalised to u, point at the same line.
  const DictEntry* amau = find("amau", grammar::pos::verb, "amo");
  ASSERT_NE(amau, nullptr);
  EXPECT_EQ(amau->stem_key, 3);
  EXPECT_EQ(amau->meaning_index.get(), am->meaning_index.get());
}

TEST_F(RealPackage, AmicAndBon) {
  const DictEntry* amicus = find("amic", grammar::pos::noun, "amicus");
  ASSERT_NE(amicus, nullptr);
  EXPECT_EQ(meaning(*amicus).latin_text(), "amicus amici");
  EXPECT_EQ(meaning(*amicus).english_text().substr(0, 7), "friend/");
  EXPECT_EQ(amicus->byte3, grammar::gender::masc);

  const DictEntry* bonus = find("bon", grammar::pos::adj, "bonus");
  ASSERT_NE(bonus, nullptr);
  EXPECT_EQ(meaning(*bonus).latin_text(), "bonus bona bonum");
  EXPECT_EQ(meaning(*bonus).english_text().substr(0, 5), "good/");
}

// Every sense a sentence renders: no notes, and a verb's head word first so
// that it inflects; the few that cannot are counted and listed.
TEST_F(RealPackage, SentenceSensesInflectAndCarryNoNotes) {
  auto senses = read_records<grammar::SenseRecord>(out_ / grammar::kSensesFile);
  auto uniques = read_records<grammar::UniqueRecord>(out_ / grammar::kUniquesFile);
  ASSERT_EQ(senses.size(), meanings_.size() + uniques.size());
  for (std::size_t i = 0; i < senses.size(); ++i) {
    std::string_view t = senses[i].text_view();
    for (std::string_view note : {"w/", "(", ")", "/", ";", "~"})
      EXPECT_EQ(t.find(note), std::string_view::npos) << "sense " << i << ": " << t;
    ASSERT_LE(senses[i].head_begin + senses[i].head_length, t.size()) << "sense " << i;
  }
  int verbs = 0;
  for (const DictEntry& e : entries_) {
    if (e.speech != grammar::pos::verb || e.stem_key != 1) continue;
    const grammar::SenseRecord& r = senses[static_cast<std::size_t>(e.meaning_index.get())];
    ++verbs;
    if (r.flags & grammar::kSenseNoHead) continue;
    EXPECT_EQ(r.head_begin, 0) << r.text_view();
    EXPECT_GT(r.head_length, 0) << r.text_view();
  }
  EXPECT_GT(verbs, 5000);
  std::string list;
  for (const std::string& v : report_->verbs_without_head) list += "  " + v + "\n";
  std::printf("%zu of %d verb senses and %zu of %d noun senses have no head word that inflects:\n%s",
              report_->verbs_without_head.size(), report_->verb_senses,
              report_->nouns_without_head.size(), report_->noun_senses, list.c_str());
  EXPECT_LE(report_->verbs_without_head.size() * 100, static_cast<std::size_t>(report_->verb_senses));
  EXPECT_LE(report_->nouns_without_head.size() * 100,
            static_cast<std::size_t>(report_->noun_senses) * 6);
}

TEST_F(RealPackage, CitationsOfOtherShapes) {
  struct Case {
    const char* stem;
    int speech;
    const char* citation;
  };
  const Case cases[] = {
      {"fort", grammar::pos::adj, "fortis forte"},
      {"acr", grammar::pos::adj, "acer acris acre"},
      {"felic", grammar::pos::adj, "felix felicis"},
      {"con", grammar::pos::verb, "conor conari conatus"},
      {"oport", grammar::pos::verb, "oportet oportere oportuit"},
      {"h", grammar::pos::pron, "hic haec hoc"},
      {"maxi", grammar::pos::adj, "maximus maxima maximum"},
      {"German", grammar::pos::noun, "Germani Germanorum"},  // a people, in the plural
      {"Belg", grammar::pos::noun, "Belgae Belgarum"},
  };
  for (const Case& c : cases) {
    std::string_view want = c.citation;
    bool seen = false;
    for (const DictEntry* e : with_stem(c.stem))
      seen = seen || (e->speech == c.speech && meaning(*e).latin_text() == want);
    EXPECT_TRUE(seen) << c.stem << " " << c.citation;
  }
}

// Relative and interrogative pronouns carry the mark of a word that opens a
// clause; personal and demonstrative ones do not.
TEST_F(RealPackage, RelativeAndInterrogativePronounsOpenAClause) {
  int relatives = 0;
  for (const char* stem : {"qu", "cu", "e", "h"}) {
    for (const DictEntry* e : with_stem(stem)) {
      if (e->speech != grammar::pos::pron) continue;
      const bool opens = e->kind == grammar::pronoun_kind::rel ||
                         e->kind == grammar::pronoun_kind::interr;
      EXPECT_EQ(e->extra, opens ? 8 : 0) << stem << " kind " << int(e->kind);
      relatives += opens;
    }
  }
  EXPECT_GT(relatives, 0);
}

}  // namespace
}  // namespace kelvo::mkdata
