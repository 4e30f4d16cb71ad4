// The whole build: read every input, build every table in memory, then write
// all files together, so that a fault in any input leaves the output untouched.
#pragma once
#include <string>
#include <vector>

#include "base/status.h"

namespace kelvo::mkdata {

inline constexpr const char* kDefaultWhitakerDir = "/usr/share/whitakers-words";

struct BuildOptions {
  std::string whitaker_dir = kDefaultWhitakerDir;
  std::string sources_dir;  // the project's data/ folder
  std::string out_dir;
};

struct WrittenFile {
  std::string name;
  std::size_t records = 0;
  std::size_t bytes = 0;
};

struct BuildReport {
  std::vector<WrittenFile> files;
  int dictionary_records = 0;      // DICTFILE.GEN records read
  int continuations = 0;           // of them, continuation records joined
  int citations_missing = 0;
  std::vector<std::string> notes;  // skipped source lines and other warnings
};

Result<BuildReport> build_data(const BuildOptions& options);

}  // namespace kelvo::mkdata
