// What a user reads about the command: --help, help COMMAND, --version, the
// README's usage section, the man page and the shell completion.
#include <gtest/gtest.h>

#include <string>

#include "base/paths.h"
#include "cli/cli_help.h"
#include "cli/commands.h"
#include "cli/run_kelvo.h"
#include "common/test_files.h"

namespace {

using kelvo::testing::Ran;
using kelvo::testing::read_file;
using kelvo::testing::run_kelvo_in;
using kelvo::testing::TempDir;

bool holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(KelvoHelp, EveryCommandShowsEveryOptionItTakes) {
  TempDir dir;
  for (const auto& c : kelvo::cli::commands()) {
    const std::string name(c.name);
    Ran asked = run_kelvo_in(dir.path(), name + " --help");
    EXPECT_EQ(asked.status, 0) << name << asked.err;
    EXPECT_TRUE(holds(asked.out, "Usage: kelvo " + name)) << asked.out;
    Ran help = run_kelvo_in(dir.path(), "help " + name);
    EXPECT_EQ(help.status, 0) << name;
    EXPECT_EQ(help.out, asked.out) << name;
    for (auto group : kelvo::cli::option_groups(c)) {
      for (const auto& o : group) {
        EXPECT_TRUE(holds(asked.out, std::string(o.name))) << name << " " << o.name;
        // The reader takes what the help shows: with --help after it, the
        // option is read and the help printed.
        std::string given = std::string(o.name) + (o.value.empty() ? "" : " x");
        if (o.name == "--jobs") given = "-j 2";
        Ran read = run_kelvo_in(dir.path(), name + " " + given + " --help");
        EXPECT_EQ(read.status, 0) << name << " " << given << ": " << read.err;
      }
    }
  }
  Ran unknown = run_kelvo_in(dir.path(), "help frobnicate");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_TRUE(holds(unknown.err, "info, sentences, tokens, parse, analyze")) << unknown.err;
  Ran bare = run_kelvo_in(dir.path(), "");
  EXPECT_EQ(bare.status, 2);
  EXPECT_TRUE(holds(bare.err, "Usage: kelvo COMMAND"));
  Ran no_file = run_kelvo_in(dir.path(), "info stray.txt");
  EXPECT_EQ(no_file.status, 2);
}

TEST(KelvoHelp, OneVersionEverywhere) {
  TempDir dir;
  Ran v = run_kelvo_in(dir.path(), "--version");
  ASSERT_EQ(v.status, 0);
  EXPECT_EQ(v.out, kelvo::cli::version_line() + "\n");
  // The build's own version and the banner's, side by side.
  EXPECT_TRUE(holds(v.out, "kelvo 0.")) << v.out;
  EXPECT_TRUE(holds(v.out, "2.30A")) << v.out;
  Ran info = run_kelvo_in(dir.path(), std::string("info --home '") + dir.path() + "' --data '" +
                                          KELVO_TEST_DATA_DIR + "'");
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_EQ(info.out.substr(0, v.out.size()), v.out);
  EXPECT_TRUE(holds(read_file(std::string(KELVO_BINARY_DIR) + "/kelvo.1"),
                    "kelvo " + kelvo::version_text()));
}

// The usage section of the README is what `kelvo --help` prints.
TEST(KelvoHelp, ReadmeShowsTheHelp) {
  const std::string readme = read_file(std::string(KELVO_SOURCE_DIR) + "/README.md");
  const auto section = readme.find("## Using kelvo");
  ASSERT_NE(section, std::string::npos);
  const auto open = readme.find("```text\n", section);
  ASSERT_NE(open, std::string::npos);
  const auto first = open + 8;
  const auto close = readme.find("```\n", first);
  ASSERT_NE(close, std::string::npos);
  TempDir dir;
  Ran help = run_kelvo_in(dir.path(), "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(readme.substr(first, close - first), help.out)
      << "update the README's usage section to `kelvo --help`";
}

TEST(KelvoHelp, ManPageHoldsEveryCommandOptionAndExitStatus) {
  const std::string man = read_file(std::string(KELVO_BINARY_DIR) + "/kelvo.1");
  ASSERT_FALSE(man.empty());
  EXPECT_TRUE(holds(man, ".SH EXIT STATUS"));
  for (const auto& c : kelvo::cli::commands()) {
    EXPECT_TRUE(holds(man, "\\fBkelvo " + std::string(c.name))) << c.name;
    for (auto group : kelvo::cli::option_groups(c))
      for (const auto& o : group) {
        std::string roff_name;
        for (char ch : o.name) roff_name += ch == '-' ? std::string("\\-") : std::string(1, ch);
        EXPECT_TRUE(holds(man, roff_name)) << o.name;
      }
  }
}

// The completion file, sourced into bash, completes commands, options and
// the values of an option.
TEST(KelvoHelp, BashCompletesCommandsOptionsAndValues) {
  const std::string completion = std::string(KELVO_BINARY_DIR) + "/kelvo.bash-completion";
  ASSERT_FALSE(read_file(completion).empty());
  TempDir dir;
  auto complete = [&](const std::string& words) {
    const std::string script = dir.file("complete.sh");
    kelvo::testing::write_file(
        script, "source '" + completion + "'\nCOMP_WORDS=(" + words +
                    ")\nCOMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n_kelvo\necho \"${COMPREPLY[*]}\"\n");
    const std::string out = dir.file("complete.out");
    std::system(("bash '" + script + "' > '" + out + "' 2>&1").c_str());
    return read_file(out);
  };
  EXPECT_EQ(complete("kelvo pa"), "parse\n");
  EXPECT_EQ(complete("kelvo analyze --format ''"), "json conllu\n");
  EXPECT_EQ(complete("kelvo parse --l"), "--log\n");
  EXPECT_EQ(complete("kelvo tokens --ag"), "--age\n");
  EXPECT_EQ(complete("kelvo help to"), "tokens\n");
}

}  // namespace
