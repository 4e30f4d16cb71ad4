// kelvo-mkdata: builds the translator's .dat files from Whitaker's Words data
// and the project's own text sources.
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "mkdata/data_builder.h"

namespace {

constexpr const char* kUsage =
    "Usage: kelvo-mkdata [--from WHITAKER_DIR] --sources PROJECT_DATA_DIR --out OUT_DIR\n"
    "Builds inflects.dat, dictUK.dat, transl.dat, phoneticuk.dat, english.dat, uniques.dat,\n"
    "uniquelines.dat, addons.dat, polish.dat, phrasedud.dat, finalpolish.dat and senses.dat in\n"
    "OUT_DIR, checks them as the programs' loader does, and writes their sums to tablesums.dat,\n"
    "which spares the programs those checks at every start.\n"
    "  --from DIR     Whitaker's Words data files (default /usr/share/whitakers-words)\n"
    "  --sources DIR  the project's data/ folder (polish.txt, phrasedud.txt, finalpolish.txt)\n"
    "  --out DIR      where the .dat files are written\n"
    "  --wordnet DIR  WordNet's index files, to check the sentence senses (default /usr/share/wordnet)\n"
    "  --help         show this text\n";

int usage_error(std::string_view what) {
  std::fprintf(stderr, "kelvo-mkdata: %.*s\n%s", static_cast<int>(what.size()), what.data(),
               kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  kelvo::mkdata::BuildOptions options;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    std::string* target = nullptr;
    if (arg == "--from") target = &options.whitaker_dir;
    else if (arg == "--sources") target = &options.sources_dir;
    else if (arg == "--out") target = &options.out_dir;
    else if (arg == "--wordnet") target = &options.wordnet_dir;
    else return usage_error("unknown argument \"" + std::string(arg) + "\"");
    if (i + 1 >= argc) return usage_error(std::string(arg) + " needs a folder");
    *target = argv[++i];
  }
  if (options.sources_dir.empty()) return usage_error("--sources is required");
  if (options.out_dir.empty()) return usage_error("--out is required");

  const auto start = std::chrono::steady_clock::now();
  auto report = kelvo::mkdata::build_data(options);
  if (!report) {
    std::fprintf(stderr, "kelvo-mkdata: %s\n", report.error().message.c_str());
    return 1;
  }
  for (const std::string& note : report->notes)
    std::fprintf(stderr, "kelvo-mkdata: warning: %s\n", note.c_str());
  for (const auto& f : report->files)
    std::printf("%-16s %8zu records %10zu bytes\n", f.name.c_str(), f.records, f.bytes);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d dictionary records (%d continuations joined); %d citations not built; %.0f ms\n",
              report->dictionary_records, report->continuations, report->citations_missing, ms);
  std::printf("sentence senses: %zu of %d verbs and %zu of %d nouns have no head word to inflect\n",
              report->verbs_without_head.size(), report->verb_senses,
              report->nouns_without_head.size(), report->noun_senses);
  std::printf("irregular English: %zu forms from WordNet, %zu left out as real words\n",
              report->irregular_forms, report->irregular_left_out.size());
  return 0;
}
