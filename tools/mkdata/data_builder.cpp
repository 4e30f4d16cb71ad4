#include "mkdata/data_builder.h"

#include <filesystem>
#include <span>
#include <system_error>

#include "analysis/unique_headwords.h"
#include "base/parse_log.h"
#include "grammar/lexicon.h"
#include "grammar/table_sums.h"
#include "mkdata/atomic_file.h"
#include "mkdata/english_index.h"
#include "mkdata/english_tables.h"
#include "mkdata/irregular_english.h"
#include "mkdata/lexical_tables.h"
#include "mkdata/phonetic_table.h"
#include "mkdata/whitaker_reader.h"

namespace kelvo::mkdata {

namespace {

std::string join(const std::string& dir, const std::string& name) {
  return (std::filesystem::path(dir) / name).string();
}

struct PendingFile {
  std::string name;
  std::vector<unsigned char> bytes;
  std::size_t records = 0;
};

template <typename T>
PendingFile pending(const char* name, std::span<const T> records) {
  auto b = table_bytes(records);
  return PendingFile{name, std::vector<unsigned char>(b.begin(), b.end()), records.size()};
}

// Reads one input; the error names the path.
Result<std::string> input(const std::string& dir, const char* name) {
  return read_whole_file(join(dir, name));
}

// Loads the new tables with every check of the loader (there are no sums
// yet) and only then writes their sums, so that the programs that load them
// need not check them again at every start.
Result<BuildReport> vouch_for_tables(const std::string& out_dir,
                                     const std::vector<PendingFile>& files,
                                     const std::string& sums_path, BuildReport report) {
  ParseLog quiet;
  auto checked = grammar::load_lexicon(out_dir, quiet);
  if (!checked)
    return make_error(checked.error().kind,
                      "the tables written fail the loader's checks: " + checked.error().message);
  // An optional table the loader switched off would only be missing quietly.
  const std::string failed = "the tables written fail the loader's checks: ";
  if (!checked->has_phonetics())
    return make_error(ErrorKind::corrupt, failed + grammar::kPhoneticFile + " refused");
  for (const std::string& off : checked->features_off())
    for (const PendingFile& f : files)
      if (off.find("(" + f.name + " ") != std::string::npos)
        return make_error(ErrorKind::corrupt, failed + off);
  std::vector<grammar::TableSum> sums;
  for (const PendingFile& f : files) {
    const auto bytes = std::as_bytes(std::span<const unsigned char>(f.bytes));
    sums.push_back(grammar::TableSum{f.name, bytes.size(), grammar::table_checksum(bytes)});
  }
  const std::string text = grammar::table_sums_text(sums);
  Status s = write_file_atomic(sums_path, std::span<const unsigned char>(
                                              reinterpret_cast<const unsigned char*>(text.data()),
                                              text.size()));
  if (!s) return s.error();
  report.files.push_back(WrittenFile{grammar::kTableSumsFile, sums.size(), text.size()});
  return report;
}

}  // namespace

Result<BuildReport> build_data(const BuildOptions& options) {
  BuildReport report;
  const std::string& wdir = options.whitaker_dir;

  auto dict_bytes = input(wdir, kDictFileName);
  if (!dict_bytes) return dict_bytes.error();
  auto dict = parse_dictfile(*dict_bytes, join(wdir, kDictFileName));
  if (!dict) return dict.error();
  auto infl_bytes = input(wdir, kInflectsFileName);
  if (!infl_bytes) return infl_bytes.error();
  auto infl_raw = parse_inflects(*infl_bytes, join(wdir, kInflectsFileName));
  if (!infl_raw) return infl_raw.error();
  auto uniq_text = input(wdir, kUniquesFileName);
  if (!uniq_text) return uniq_text.error();
  auto uniq_raw = parse_uniques(*uniq_text, join(wdir, kUniquesFileName));
  if (!uniq_raw) return uniq_raw.error();
  auto addon_text = input(wdir, kAddonsFileName);
  if (!addon_text) return addon_text.error();
  auto tackons = parse_addons(*addon_text, join(wdir, kAddonsFileName));
  if (!tackons) return tackons.error();

  // Irregular English from WordNet; without it only the hand-written lines
  // of the text sources are built.
  IrregularTable irregular;
  if (auto wn = WordNetForms::load(options.wordnet_dir)) {
    irregular = build_irregular_table(*wn);
    report.irregular_forms = irregular.forms.size();
    report.irregular_left_out = std::move(irregular.left_out);
  } else {
    report.notes.push_back(wn.error().message + "; irregular English forms come from " +
                           kPolishSource + " alone");
  }

  const std::string& sdir = options.sources_dir;
  auto polish_text = input(sdir, kPolishSource);
  if (!polish_text) return polish_text.error();
  auto polish =
      parse_polish(*polish_text, join(sdir, kPolishSource), report.notes, irregular.forms);
  if (!polish) return polish.error();
  auto phrase_text = input(sdir, kPhraseRepairSource);
  if (!phrase_text) return phrase_text.error();
  auto phrases = parse_phrase_repairs(*phrase_text, join(sdir, kPhraseRepairSource), report.notes);
  if (!phrases) return phrases.error();
  auto final_text = input(sdir, kFinalPolishSource);
  if (!final_text) return final_text.error();
  auto finals = parse_final_polish(*final_text, join(sdir, kFinalPolishSource), report.notes,
                                   irregular.comparisons);
  if (!finals) return finals.error();

  // Without WordNet the senses are shaped all the same, only unchecked.
  EnglishWords words;
  if (auto wn = EnglishWords::load(options.wordnet_dir))
    words = std::move(*wn);
  else
    report.notes.push_back(wn.error().message + "; sentence senses are not checked against WordNet");

  std::vector<grammar::InflectionRecord> inflections = build_inflections(*infl_raw);
  DictionaryTables tables = build_dictionary(dict->entries, inflections, words);
  std::vector<grammar::SenseRecord> senses = tables.senses;
  std::vector<grammar::UniqueRecord> uniques = build_uniques(*uniq_raw, &senses, words);
  report.verb_senses = tables.verb_senses;
  report.noun_senses = tables.noun_senses;
  report.verbs_without_head = std::move(tables.verbs_without_head);
  report.nouns_without_head = std::move(tables.nouns_without_head);
  std::vector<grammar::AddonRecord> addons = build_addons(*tackons);
  std::vector<grammar::EnglishIndexRecord> english =
      build_english_index(tables.entries, tables.meanings);
  report.dictionary_records = dict->records;
  report.continuations = dict->continuations;
  report.citations_missing = tables.citations_missing;
  for (std::string& w : tables.warnings) report.notes.push_back(std::move(w));

  struct Limit {
    const char* name;
    std::size_t count, max;
  };
  for (const Limit& l : {Limit{grammar::kInflectsFile, inflections.size(), grammar::kMaxInflections},
                         Limit{grammar::kDictFile, tables.entries.size(), grammar::kMaxDictEntries},
                         Limit{grammar::kMeaningsFile, tables.meanings.size(), grammar::kMaxMeanings},
                         Limit{grammar::kUniquesFile, uniques.size(), grammar::kMaxUniques},
                         Limit{grammar::kSensesFile, senses.size(), grammar::kMaxSenses},
                         Limit{grammar::kAddonsFile, addons.size(), grammar::kMaxAddons},
                         Limit{grammar::kPolishFile, polish->size(), grammar::kMaxPolish},
                         Limit{grammar::kPhraseRepairFile, phrases->size(), grammar::kMaxPhraseRepairs},
                         Limit{grammar::kFinalPolishFile, finals->size(), grammar::kMaxFinalPolish},
                         Limit{grammar::kEnglishIndexFile, english.size(), grammar::kMaxEnglishIndex}})
    if (l.count > l.max)
      return make_error(ErrorKind::limit, std::string(l.name) + ": " + std::to_string(l.count) +
                                              " records exceed the limit of " +
                                              std::to_string(l.max));

  std::vector<PendingFile> files;
  files.push_back(pending<grammar::InflectionRecord>(grammar::kInflectsFile, inflections));
  {
    PendingFile d = pending<grammar::DictEntry>(grammar::kDictFile, tables.entries);
    auto index = table_bytes<grammar::LetterIndexRecord>(tables.letter_index);
    d.bytes.insert(d.bytes.end(), index.begin(), index.end());
    files.push_back(std::move(d));
  }
  files.push_back(pending<grammar::MeaningLine>(grammar::kMeaningsFile, tables.meanings));
  std::vector<grammar::PhoneticRecord> phonetics = build_phonetic_table(tables.entries);
  if (phonetics.size() > grammar::kMaxPhonetics)
    return make_error(ErrorKind::limit, std::string(grammar::kPhoneticFile) + ": " +
                                            std::to_string(phonetics.size()) +
                                            " records exceed the limit of " +
                                            std::to_string(grammar::kMaxPhonetics));
  files.push_back(pending<grammar::PhoneticRecord>(grammar::kPhoneticFile, phonetics));
  files.push_back(pending<grammar::EnglishIndexRecord>(grammar::kEnglishIndexFile, english));
  files.push_back(pending<grammar::UniqueRecord>(grammar::kUniquesFile, uniques));
  {
    // Which entry each irregular form belongs to, found here once rather than
    // by reading the whole dictionary at every start-up that meets one.
    std::vector<LeI32> lines;
    for (std::int32_t m : analysis::unique_entry_lines(uniques, tables.entries, tables.meanings))
      lines.emplace_back().set(m);
    files.push_back(pending<LeI32>(grammar::kUniqueLinesFile, std::span<const LeI32>(lines)));
  }
  files.push_back(pending<grammar::AddonRecord>(grammar::kAddonsFile, addons));
  files.push_back(pending<grammar::PolishRecord>(grammar::kPolishFile, *polish));
  files.push_back(pending<grammar::PhraseRepairRecord>(grammar::kPhraseRepairFile, *phrases));
  files.push_back(pending<grammar::FinalPolishRecord>(grammar::kFinalPolishFile, *finals));
  files.push_back(pending<grammar::SenseRecord>(grammar::kSensesFile, senses));

  std::error_code ec;
  std::filesystem::create_directories(options.out_dir, ec);
  if (ec)
    return make_error(ErrorKind::io, options.out_dir + ": cannot create the folder: " + ec.message());

  // Stage everything first; only when every file is written do they replace the old ones.
  for (std::size_t i = 0; i < files.size(); ++i) {
    Status s = stage_file(join(options.out_dir, files[i].name), files[i].bytes);
    if (!s) {
      for (std::size_t j = 0; j < i; ++j) discard_staged(join(options.out_dir, files[j].name));
      return s.error();
    }
  }
  // The old sums go first: until the new ones are written, the loader checks
  // every table in full.
  const std::string sums_path = join(options.out_dir, grammar::kTableSumsFile);
  std::error_code removed;
  std::filesystem::remove(sums_path, removed);
  if (removed)
    return make_error(ErrorKind::io, sums_path + ": cannot remove: " + removed.message());
  for (std::size_t i = 0; i < files.size(); ++i) {
    Status s = commit_staged(join(options.out_dir, files[i].name));
    if (!s) {
      for (std::size_t j = i + 1; j < files.size(); ++j)
        discard_staged(join(options.out_dir, files[j].name));
      return s.error();
    }
    report.files.push_back(WrittenFile{files[i].name, files[i].records, files[i].bytes.size()});
  }
  return vouch_for_tables(options.out_dir, files, sums_path, std::move(report));
}

}  // namespace kelvo::mkdata
