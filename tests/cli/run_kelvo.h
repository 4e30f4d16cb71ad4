// Runs the kelvo program with a fresh home folder and keeps what it printed.
#pragma once
#include <cstdlib>
#include <string>

#include <sys/wait.h>

#include "common/test_files.h"

namespace {

struct Ran {
  int status = -1;
  std::string out, err;
};

Ran run_kelvo(const std::string& home, const std::string& args, const std::string& stdin_file = "") {
  std::string outf = home + "/.out", errf = home + "/.err";
  std::string cmd = std::string(KELVO_EXE) + " " + args + " --home '" + home + "' >'" + outf +
                    "' 2>'" + errf + "'" + (stdin_file.empty() ? " </dev/null" : " <'" + stdin_file + "'");
  Ran r;
  int w = std::system(cmd.c_str());
  r.status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
  r.out = kelvo::testing::read_file(outf);
  r.err = kelvo::testing::read_file(errf);
  return r;
}

}  // namespace
