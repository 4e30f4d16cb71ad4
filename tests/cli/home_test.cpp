// The user's folder is only read by the commands: one the user may not write
// serves every command, and one that cannot be made costs only the user's files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/run_kelvo.h"
#include "common/test_files.h"

namespace fs = std::filesystem;

namespace {

using kelvo::testing::Ran;
using kelvo::testing::read_file;
using kelvo::testing::run_kelvo;
using kelvo::testing::TempDir;
using kelvo::testing::write_file;

constexpr uid_t kNobody = 65534;

// Runs `command` through the shell as a user who may not write the folder:
// the current one, or, under root (who may write anything), nobody.
Ran run_without_write(const std::string& command, const std::string& out_dir) {
  const std::string out = out_dir + "/out", err = out_dir + "/err";
  const std::string line = command + " >'" + out + "' 2>'" + err + "' </dev/null";
  pid_t pid = fork();
  if (pid == 0) {
    if (geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
      _exit(126);
    execl("/bin/sh", "sh", "-c", line.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int w = 0;
  waitpid(pid, &w, 0);
  Ran r;
  r.status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
  r.out = read_file(out);
  r.err = read_file(err);
  return r;
}

std::size_t entries(const std::string& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

const char* const kCommands[] = {"info", "sentences", "tokens", "parse", "analyze"};

std::string command_line(const std::string& command, const std::string& home,
                         const std::string& input) {
  std::string line = std::string(KELVO_EXE) + " " + command + " --home '" + home + "' --data '" +
                     KELVO_TEST_DATA_DIR + "'";
  if (command != "info") line += " '" + input + "'";
  return line;
}

TEST(KelvoHome, AFolderTheUserMayOnlyReadServesEveryCommand) {
  TempDir dir;
  ::chmod(dir.path().c_str(), 0755);
  const std::string out_dir = dir.file("out");
  fs::create_directory(out_dir);
  ::chmod(out_dir.c_str(), 0777);
  const std::string input = dir.file("in.txt");
  write_file(input, "Gallia est omnis divisa in partes tres. M. Tullius consul erat.\n");
  ::chmod(input.c_str(), 0644);

  // A folder with the user's files, and an empty one, both read-only.
  const std::string full = dir.file("full"), empty = dir.file("empty");
  fs::create_directory(full);
  Ran made = run_kelvo(full, std::string("info --data '") + KELVO_TEST_DATA_DIR + "'");
  ASSERT_EQ(made.status, 0) << made.err;
  fs::remove(full + "/.out");
  fs::remove(full + "/.err");
  fs::create_directory(empty);
  // What each command prints while the folder may still be written.
  std::vector<std::string> expected;
  for (const char* command : kCommands)
    expected.push_back(run_without_write(command_line(command, full, input), out_dir).out);
  for (const auto& home : {full, empty}) {
    for (const auto& e : fs::directory_iterator(home)) ::chmod(e.path().c_str(), 0644);
    ::chmod(home.c_str(), 0555);
  }
  const std::size_t full_files = entries(full);

  for (std::size_t i = 0; i < std::size(kCommands); ++i) {
    const std::string command = kCommands[i];
    for (const auto& home : {full, empty}) {
      Ran r = run_without_write(command_line(command, home, input), out_dir);
      EXPECT_EQ(r.status, 0) << command << " in " << home << ": " << r.err;
      EXPECT_FALSE(r.out.empty()) << command;
      if (home == full && command != "info") {  // info shows the load time
        EXPECT_EQ(r.out, expected[i]) << command;
      }
      EXPECT_EQ(r.err.find("temp.lat"), std::string::npos) << r.err;
    }
  }
  EXPECT_EQ(entries(full), full_files);
  EXPECT_EQ(entries(empty), 0u);
  ::chmod(full.c_str(), 0755);
  ::chmod(empty.c_str(), 0755);
}

TEST(KelvoHome, AFolderThatCannotBeMadeCostsOnlyTheUsersFiles) {
  TempDir dir;
  const std::string input = dir.file("in.txt");
  write_file(input, "Gallia est omnis divisa.\n");
  // A folder inside a file can never be made, whoever runs the command.
  write_file(dir.file("plain"), "");
  const std::string home = dir.file("plain") + "/kelvo";
  for (const char* command : kCommands) {
    Ran r = kelvo::testing::run_kelvo_in(dir.path(), command_line(command, home, input).substr(
                                                         std::string(KELVO_EXE).size() + 1));
    EXPECT_EQ(r.status, 0) << command << r.err;
    EXPECT_FALSE(r.out.empty()) << command;
    EXPECT_NE(r.err.find(home), std::string::npos) << command << ": " << r.err;
    if (std::string(command) == "info") {
      EXPECT_NE(r.out.find("user folder: none"), std::string::npos) << r.out;
    }
  }
}

}  // namespace
