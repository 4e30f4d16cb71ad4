// Runs the kelvo program and captures what it prints.
#pragma once
#include <cstdlib>
#include <string>

#include <sys/wait.h>

#include "common/test_files.h"

namespace kelvo::testing {

struct Ran {
  int status = -1;
  std::string out, err;
};

// `args` go to the shell as written; the output is kept in files of `dir`;
// standard input is /dev/null unless a file is named.
inline Ran run_kelvo_in(const std::string& dir, const std::string& args,
                        const std::string& stdin_file = "") {
  std::string outf = dir + "/.out", errf = dir + "/.err";
  std::string cmd = std::string(KELVO_EXE) + " " + args + " >'" + outf + "' 2>'" + errf + "'" +
                    (stdin_file.empty() ? " </dev/null" : " <'" + stdin_file + "'");
  Ran r;
  int w = std::system(cmd.c_str());
  r.status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
  r.out = read_file(outf);
  r.err = read_file(errf);
  return r;
}

// With `home` as the user's folder.
inline Ran run_kelvo(const std::string& home, const std::string& args,
                     const std::string& stdin_file = "") {
  return run_kelvo_in(home, args + " --home '" + home + "'", stdin_file);
}

}  // namespace kelvo::testing
