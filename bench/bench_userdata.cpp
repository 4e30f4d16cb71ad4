// Start-up cost of the user files at their limits, and the user-stem lookup
// that word analysis makes for every word.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "userdata/standard_phrases.h"
#include "userdata/user_dictionary.h"

namespace u = kelvo::userdata;
namespace fs = std::filesystem;

namespace {

std::string random_stem(std::mt19937& rng) {
  std::string s;
  const int n = 3 + static_cast<int>(rng() % 8);
  for (int i = 0; i < n; ++i) s.push_back(static_cast<char>('a' + rng() % 26));
  return s;
}

// A folder with a full Userfile.txt (2,000 lines of two stems) and 10,000 phrases.
struct BenchFolder {
  std::string path;
  ~BenchFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

const std::string& bench_folder() {
  static const BenchFolder dir{[] {
    std::string tmpl = (fs::temp_directory_path() / "kelvo-bench-XXXXXX").string();
    std::string made = ::mkdtemp(tmpl.data());
    std::mt19937 rng(5);
    std::ofstream users(made + "/Userfile.txt");
    for (int i = 0; i < u::kMaxUserLines; ++i) {
      std::string stem = random_stem(rng);
      users << stem << " " << stem << " / N 2 1 M T / a thing; another thing\n";
    }
    std::ofstream phrases(made + "/userphrases.txt");
    for (int i = 0; i < 10'000; ++i)
      phrases << random_stem(rng) << " " << random_stem(rng) << "/some English words\n";
    return made;
  }()};
  return dir.path;
}

void BM_LoadUserDictionary(benchmark::State& state) {
  kelvo::RecordingHost host;
  kelvo::ParseLog log;
  for (auto _ : state) {
    kelvo::WarningGate gate(host);
    u::UserDictionary d;
    benchmark::DoNotOptimize(d.load(bench_folder(), log, gate));
  }
  state.SetLabel("generated Userfile.txt of " + std::to_string(u::kMaxUserLines) +
                 " lines of random stems");
}
BENCHMARK(BM_LoadUserDictionary)->Unit(benchmark::kMillisecond);

void BM_LoadStandardPhrases(benchmark::State& state) {
  kelvo::RecordingHost host;
  kelvo::ParseLog log;
  kelvo::TranslationOptions options;
  for (auto _ : state) {
    kelvo::WarningGate gate(host);
    u::StandardPhrases p;
    benchmark::DoNotOptimize(p.load(bench_folder(), options, log, gate));
  }
  state.SetLabel("generated userphrases.txt of 10000 random phrases");
}
BENCHMARK(BM_LoadStandardPhrases)->Unit(benchmark::kMillisecond);

void BM_FindUserStem(benchmark::State& state) {
  kelvo::RecordingHost host;
  kelvo::WarningGate gate(host);
  kelvo::ParseLog log;
  u::UserDictionary d;
  d.load(bench_folder(), log, gate);
  std::mt19937 rng(9);
  std::vector<std::string> words;
  for (int i = 0; i < 1'000; ++i) words.push_back(random_stem(rng));
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(d.find(words[i++ % words.size()]));
  state.SetLabel("1000 random stems in the generated Userfile.txt");
}
BENCHMARK(BM_FindUserStem);

}  // namespace

BENCHMARK_MAIN();
