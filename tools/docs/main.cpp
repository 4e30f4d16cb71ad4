// kelvo-docs: writes the man page and the bash completion of `kelvo` from the
// same command table that `kelvo --help` prints, so that they cannot differ.
//   kelvo-docs MAN_FILE COMPLETION_FILE
#include <cstdio>
#include <string>

#include "cli/cli_help.h"

namespace {

// Written under a temporary name and renamed, so that no half file is left.
bool write_whole(const std::string& path, const std::string& text) {
  const std::string staging = path + ".tmp";
  std::FILE* f = std::fopen(staging.c_str(), "wb");
  bool ok = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = (f && std::fclose(f) == 0) && ok;
  if (ok) ok = std::rename(staging.c_str(), path.c_str()) == 0;
  if (!ok) {
    std::remove(staging.c_str());
    std::fprintf(stderr, "kelvo-docs: cannot write %s\n", path.c_str());
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Usage: kelvo-docs MAN_FILE COMPLETION_FILE\n");
    return 2;
  }
  bool ok = write_whole(argv[1], kelvo::cli::man_page());
  ok = write_whole(argv[2], kelvo::cli::bash_completion()) && ok;
  return ok ? 0 : 1;
}
