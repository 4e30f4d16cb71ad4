// Whole processes side by side on the same running text: `kelvo` and the peer
// parser `whitakers-words` (Debian package), each given the text as a file
// and writing to /dev/null. The peer reads a file named as its one argument
// (several arguments are taken as words, of which it reads only the first
// few, and on standard input its paging prompt would eat lines of the text). The figures are the children's CPU time (user +
// system, from wait4) and wall time; the ratios say how many times faster
// kelvo is. The start-up pair gives both one word, so loading is all they do.
// KELVO_BENCH_EXE names another kelvo program to measure (an older build).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_corpus.h"

namespace fs = std::filesystem;
extern char** environ;

namespace {

struct Usage {
  double cpu_ms = 0;
  double wall_ms = 0;
  bool ok = false;
};

// Runs argv with standard output and error sent to /dev/null.
Usage run_process(const std::vector<std::string>& args) {
  Usage u;
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
  const auto t0 = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int rc = posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&fa);
  if (rc != 0) return u;
  int status = 0;
  rusage ru{};
  if (wait4(pid, &status, 0, &ru) != pid) return u;
  u.wall_ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  auto ms = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
  };
  u.cpu_ms = ms(ru.ru_utime) + ms(ru.ru_stime);
  u.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return u;
}

const char* peer() { return "whitakers-words"; }

bool peer_installed() { return std::system("command -v whitakers-words > /dev/null 2>&1") == 0; }

std::string kelvo_exe() {
  const char* e = std::getenv("KELVO_BENCH_EXE");
  return e && *e ? e : KELVO_EXE;
}

// A private folder for the input files and kelvo's home, removed at exit.
struct WorkDir {
  fs::path path;
  WorkDir() {
    std::string t = (fs::temp_directory_path() / "kelvo-bench-process-XXXXXX").string();
    if (::mkdtemp(t.data())) path = t;
  }
  ~WorkDir() {
    std::error_code ec;
    if (!path.empty()) fs::remove_all(path, ec);
  }
};

const fs::path& work_dir() {
  static const WorkDir dir;
  return dir.path;
}

std::string write_input(const std::string& name, const std::string& text) {
  fs::path p = work_dir() / name;
  std::ofstream(p, std::ios::binary) << text;
  return p.string();
}

std::vector<std::string> kelvo_command(const std::string& command, const std::string& input) {
  std::vector<std::string> a{kelvo_exe()};
  a.push_back(command);
  if (command == "analyze") {
    a.push_back("--format");
    a.push_back("conllu");
  }
  a.push_back("--home");
  a.push_back((work_dir() / "home").string());
  a.push_back("--data");
  a.push_back(KELVO_BENCH_DATA_DIR);
  a.push_back(input);
  return a;
}

// Both processes on `input`, alternating, with their sums and ratios.
void side_by_side(benchmark::State& state, const std::string& command, const std::string& input,
                  const std::string& label) {
  if (!peer_installed()) {
    state.SkipWithError("whitakers-words is not installed (Debian package whitakers-words)");
    return;
  }
  if (work_dir().empty()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  Usage kelvo_sum, peer_sum;
  for (auto _ : state) {
    Usage k = run_process(kelvo_command(command, input));
    Usage p = run_process({peer(), input});
    if (!k.ok || !p.ok) {
      state.SkipWithError(!k.ok ? "kelvo failed" : "whitakers-words failed");
      return;
    }
    state.SetIterationTime(k.wall_ms / 1e3);
    kelvo_sum.cpu_ms += k.cpu_ms;
    kelvo_sum.wall_ms += k.wall_ms;
    peer_sum.cpu_ms += p.cpu_ms;
    peer_sum.wall_ms += p.wall_ms;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["kelvo_cpu_ms"] = kelvo_sum.cpu_ms / n;
  state.counters["peer_cpu_ms"] = peer_sum.cpu_ms / n;
  state.counters["cpu_ratio"] = peer_sum.cpu_ms / std::max(kelvo_sum.cpu_ms, 1e-3);
  state.counters["kelvo_wall_ms"] = kelvo_sum.wall_ms / n;
  state.counters["peer_wall_ms"] = peer_sum.wall_ms / n;
  state.counters["wall_ratio"] = peer_sum.wall_ms / std::max(kelvo_sum.wall_ms, 1e-3);
  state.SetLabel("kelvo " + command + " vs whitakers-words on " + label);
}

// The running text of every corpus file, `times` times over.
void BM_ProcessVsPeer(benchmark::State& state, const char* command) {
  const int times = static_cast<int>(state.range(0));
  std::string text;
  const std::string one = kelvo::bench::corpus_text();
  for (int i = 0; i < times; ++i) text += one;
  const std::string input = write_input("corpus-x" + std::to_string(times) + ".txt", text);
  side_by_side(state, command, input,
               kelvo::bench::corpus_label("the corpus running text x" + std::to_string(times),
                                          kelvo::bench::word_tokens(text).size()));
}
// The peer takes seconds for each copy of the text, hence few iterations.
BENCHMARK_CAPTURE(BM_ProcessVsPeer, analyze_conllu, "analyze")
    ->Arg(1)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ProcessVsPeer, analyze_conllu, "analyze")
    ->Arg(4)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ProcessVsPeer, parse, "parse")
    ->Arg(1)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// Start-up: one word, so the figure is the load of each program's tables;
// and one short line analysed whole, whose irregular forms (deus, vult) name
// the entries they belong to.
void BM_StartupVsPeer(benchmark::State& state, const char* command, const char* text) {
  const std::string input = write_input(std::string(command) + "-start.txt", std::string(text) + "\n");
  side_by_side(state, command, input, std::string("\"") + text + "\" (start-up and load)");
}
BENCHMARK_CAPTURE(BM_StartupVsPeer, parse_word, "parse", "amicus")
    ->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartupVsPeer, analyze_line, "analyze", "Deus vult.")
    ->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

KELVO_BENCHMARK_MAIN_WITH_CORPUS();
