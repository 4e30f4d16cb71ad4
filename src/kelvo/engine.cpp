#include <filesystem>
#include <memory>

#include "base/paths.h"
#include "grammar/checked_tables.h"
#include "kelvo/engine_data.h"
#include "kelvo/kelvo.h"
#include "shell/medieval_dictionary.h"
#include "shell/whole_file.h"

namespace kelvo {

namespace {

// Collects what the user-file loaders would show, and answers the one
// question they ask (the Pliny file) from the configuration.
class CollectingHost : public Host {
 public:
  CollectingHost(bool pliny, std::vector<std::string>& out) : pliny_(pliny), out_(out) {}
  void warning(std::string_view text) override { out_.emplace_back(text); }
  bool ask_yes_no(std::string_view) override { return pliny_; }
  bool ask_ok_cancel(std::string_view) override { return true; }

 private:
  bool pliny_;
  std::vector<std::string>& out_;
};

}  // namespace

Engine::Engine(std::unique_ptr<EngineData> data) : data_(std::move(data)) {}
Engine::~Engine() = default;

bool Engine::has_botany() const { return data_->lexicon.has_botany(); }
const std::string& Engine::rejected_user_lines() const { return data_->rejected; }
const std::vector<std::string>& Engine::load_messages() const { return data_->load_messages; }

Result<std::shared_ptr<const Engine>> Engine::load(const EngineConfig& config) {
  auto d = std::make_unique<EngineData>();
  d->data_dir = find_data_dir(config.data_dir);
  ParseLog log;  // the start-up lines are not kept
  // The user's folder keeps a note of the tables found right, so that the
  // next start need not read them through again. A note that cannot be read
  // trusts nothing; one that cannot be written (a read-only folder, none)
  // only costs the next start the checksums.
  grammar::CheckedTables checked;
  std::string note;
  if (!config.home_dir.empty()) {
    note = (std::filesystem::path(config.home_dir) / grammar::kCheckedTablesFile).string();
    if (auto text = shell::read_whole_file(note, grammar::CheckedTables::kMaxBytes + 1))
      checked = grammar::CheckedTables::parse(*text);
  }
  auto lex = grammar::load_lexicon(d->data_dir, log, note.empty() ? nullptr : &checked);
  if (lex && checked.added()) (void)shell::write_whole_file(note, checked.text());
  if (!lex) {
    Error e = lex.error();
    while (!e.message.empty() && e.message.back() == '\n') e.message.pop_back();
    e.message += " (data folder " + d->data_dir +
                 "; build the data with 'make data', or 'kelvo-mkdata --out DIR', and name the "
                 "folder with --data or KELVO_DATA_DIR)";
    return e;
  }
  d->lexicon = std::move(*lex);
  d->medieval_dictionary = shell::medieval_dictionary_present({d->data_dir, config.home_dir});
  d->load_messages = d->lexicon.load_warnings();
  if (!config.home_dir.empty()) {
    d->home_dir = config.home_dir;
    CollectingHost host(config.pliny, d->load_messages);
    // The user files can only set boxes aside on a host; at most two are
    // shown by the caller, as at any start-up.
    WarningGate gate(host);
    TranslationOptions scratch;
    userdata::load_user_data(d->user, d->home_dir, scratch, log, gate);
    d->user_phrases_refused = !scratch.allow_user_phrase;
    std::string abbrev = find_file_nocase(d->home_dir, userdata::kAbbreviationsFile);
    if (!abbrev.empty()) {
      d->abbreviations = userdata::load_abbreviations(abbrev, log, gate);
      d->user.abbreviations = static_cast<int>(d->abbreviations.records.size());
    } else {
      d->user.abbreviations = 0;
    }
    d->rejected =
        d->user.rejected_report() + userdata::format_rejected(d->abbreviations.rejected);
  }
  grammar::load_high_speed_hash(d->lexicon, config.high_speed_hash, log);
  return std::shared_ptr<const Engine>(std::make_shared<Engine>(std::move(d)));
}

}  // namespace kelvo
