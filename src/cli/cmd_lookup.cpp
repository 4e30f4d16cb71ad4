// `kelvo lookup STEM...`: the dictionary records whose stem begins with STEM,
// with their citation, part of speech and meaning; `kelvo lookup --english
// WORD...`: the entries whose meaning has the English word. Exit status 1
// when nothing was found.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_engine.h"
#include "cli/commands.h"
#include "grammar/codes.h"
#include "shell/dictionary_search.h"

namespace kelvo::cli {

namespace {

constexpr const char* kUsage =
    "Usage: kelvo lookup [OPTIONS] STEM...\n       kelvo lookup --english [OPTIONS] WORD...\n";

bool print_stems(const Engine& engine, const TranslationOptions& options,
                 const std::string& stem) {
  const auto search = shell::search_stems(engine, stem, options.botany);
  if (search.hits.empty()) {
    std::fprintf(stderr, "kelvo lookup: %s: %s\n", stem.c_str(), shell::kNoStemsFound);
    return false;
  }
  for (const auto& h : search.hits) {
    std::string line = shell::stem_hit_line(h);
    // The citation before the meaning: which entry the stem belongs to.
    line.insert(line.size() - h.meaning.size(), h.citation.empty() ? "" : h.citation + ": ");
    std::printf("%s\n", line.c_str());
  }
  if (search.too_many)
    std::printf("Too many stems found (>%zu): give more of the stem.\n", shell::kMaxStemHits);
  return true;
}

bool print_english(const Engine& engine, const std::string& word) {
  const auto hits = shell::search_english(engine, word);
  if (hits.empty()) {
    std::fprintf(stderr, "kelvo lookup: no Latin entry means '%s'\n", word.c_str());
    return false;
  }
  for (const auto& h : hits)
    std::printf("%-32s %-5s %s\n", h.citation.c_str(),
                std::string(grammar::speech_name(h.speech)).c_str(), h.meaning.c_str());
  return true;
}

}  // namespace

int cmd_lookup(const Arguments& args) {
  const bool english = args.has("--english");
  Loaded loaded;
  if (int rc = load_engine("lookup", args, loaded)) return rc;
  const std::vector<std::string>& words = loaded.cli.files;
  if (words.empty() || words[0] == "-") {
    std::fprintf(stderr, "kelvo lookup: give the %s to look up\n%s",
                 english ? "English word" : "stem", kUsage);
    return 2;
  }
  const Engine& engine = *loaded.engine;
  if (english && !shell::has_english_index(engine)) {
    std::fprintf(stderr, "kelvo lookup: the English index (%s) is not in the data folder; "
                 "rebuild the data with kelvo-mkdata\n",
                 grammar::kEnglishIndexFile);
    return 2;
  }
  bool all_found = true;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) std::printf("\n");
    const bool found = english ? print_english(engine, words[i])
                               : print_stems(engine, loaded.options, words[i]);
    all_found = all_found && found;
  }
  return all_found ? 0 : 1;
}

}  // namespace kelvo::cli
