// A tiny but complete data folder written in the record layouts.
#pragma once
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "grammar/lexicon.h"

namespace kelvo::testing {

template <typename T>
void write_records(const std::filesystem::path& p, const std::vector<T>& v,
                   const std::vector<grammar::LetterIndexRecord>* index = nullptr) {
  std::FILE* f = std::fopen(p.c_str(), "wb");
  if (!v.empty()) std::fwrite(v.data(), sizeof(T), v.size(), f);
  if (index) std::fwrite(index->data(), sizeof(grammar::LetterIndexRecord), index->size(), f);
  std::fclose(f);
}

inline grammar::DictEntry dict_entry(const char* stem, int meaning, int speech = 1) {
  grammar::DictEntry e{};
  e.speech = static_cast<grammar::Code>(speech);
  e.which = 1;
  e.variant = 1;
  e.stem_key = 1;
  e.meaning_index.set(meaning);
  e.set_rarity_area(1, 0);
  set_field(e.stem, stem);
  return e;
}

// Writes every essential and polishing file into `dir`.
inline void write_minimal_data(const std::filesystem::path& dir) {
  using namespace grammar;
  std::filesystem::create_directories(dir);
  std::vector<InflectionRecord> infl(2);
  infl[0].speech = 1;
  set_field(infl[0].ending, "a");
  infl[1].speech = 1;
  set_field(infl[1].ending, "ae");
  write_records(dir / kInflectsFile, infl);
  std::vector<DictEntry> entries{dict_entry("Roma", 0), dict_entry("aqu", 1),
                                 dict_entry("puell", 2), dict_entry("zon", 3)};
  std::vector<LetterIndexRecord> index(kLetterIndexCount);
  for (int k = 0; k < kLetterIndexCount; ++k) {
    int first = k == 0 ? 1 : k <= 15 ? 2 : k <= 25 ? 3 : 4;
    index[static_cast<std::size_t>(k)].first.set(first);
  }
  write_records(dir / kDictFile, entries, &index);
  std::vector<MeaningLine> meanings(4);
  for (std::size_t i = 0; i < meanings.size(); ++i) set_field(meanings[i].english, "meaning");
  write_records(dir / kMeaningsFile, meanings);
  write_records(dir / kPolishFile, std::vector<PolishRecord>(1));
  write_records(dir / kPhraseRepairFile, std::vector<PhraseRepairRecord>(1));
  write_records(dir / kFinalPolishFile, std::vector<FinalPolishRecord>(1));
  std::vector<AddonRecord> addons(2);
  for (auto& a : addons) a.addon_kind = pos::tackon;
  set_field(addons[0].text, "ne");
  set_field(addons[1].text, "que");
  write_records(dir / kAddonsFile, addons);
  std::vector<UniqueRecord> uniques(1);
  uniques[0].speech = pos::verb;
  set_field(uniques[0].latin, "est");
  write_records(dir / kUniquesFile, uniques);
}

// Swaps the folder's two tackons in place: the file keeps its size and inode
// and is no longer sorted.
inline void unsort_addons(const std::filesystem::path& dir) {
  constexpr std::size_t n = sizeof(grammar::AddonRecord);
  std::fstream f(dir / grammar::kAddonsFile, std::ios::in | std::ios::out | std::ios::binary);
  char a[n], b[n];
  f.read(a, n);
  f.read(b, n);
  f.seekp(0);
  f.write(b, n);
  f.write(a, n);
}

// A test with a minimal data folder of its own and a parse log in memory.
class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("kelvo_lex_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    write_minimal_data(dir);
    log.open_memory();
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  Result<grammar::Lexicon> load() { return grammar::load_lexicon(dir.string(), log); }
  std::string path(const char* name) const { return (dir / name).string(); }

  std::filesystem::path dir;
  ParseLog log;
};

}  // namespace kelvo::testing
