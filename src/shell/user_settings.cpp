#include "shell/user_settings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "base/paths.h"
#include "base/text.h"

namespace fs = std::filesystem;

namespace kelvo::shell {

namespace {

Status not_saved() { return make_error(ErrorKind::io, kSettingsNotSaved); }

bool read_lines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return !in.bad();
}

bool value_is(std::string_view value, std::string_view word) {
  return starts_with_nocase(value, word);
}

// Writes the whole text and flushes it to the disk; a failed write leaves no file.
bool write_synced(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = std::fflush(f) == 0 && ok;
  ok = ::fsync(fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    std::error_code ec;
    fs::remove(path, ec);
  }
  return ok;
}

const char* flag_text(bool on) { return on ? "TRUE" : "FALSE"; }

int font_size_in_range(long v) { return (v < 8 || v > 14) ? 9 : static_cast<int>(v); }

void apply_line(std::string_view line, UserSettings& settings) {
  TranslationOptions& o = settings.options;
  WindowSettings& w = settings.window;
  auto key = [&](std::string_view k, std::string_view& value) {
    if (!starts_with_nocase(line, k)) return false;
    value = line.substr(k.size());
    return true;
  };
  std::string_view v;
  if (key("AGE=", v)) {
    if (value_is(v, "ALLAGE")) o.age = Age::all;
    else if (value_is(v, "CLASSICAL")) o.age = Age::classical;
  } else if (key("MEDIEVALTRICKS=", v)) {
    if (value_is(v, "FALSE")) o.medieval_tricks = false;
  } else if (key("MEDIEVALPHONETICS=", v)) {
    if (value_is(v, "TRUE") && o.medieval_tricks) o.medieval_phonetics = true;
  } else if (key("MEDIEVALMEANINGS=", v)) {
    if (o.medieval_tricks && value_is(v, "TRUE")) {
      o.area = 'M';
      o.medieval_meanings = true;
    } else {
      o.medieval_meanings = false;
    }
  } else if (key("PLAUTUS=", v)) {
    if (value_is(v, "TRUE")) o.plautus = true;
  } else if (key("BESTORDER=", v)) {
    if (value_is(v, "NONE")) o.best_order = WordOrder::none;
    else if (value_is(v, "NOMVERB")) o.best_order = WordOrder::nomverb;
    else if (value_is(v, "SVOE")) o.best_order = WordOrder::svoe;
  } else if (key("ALLOWHASH=", v)) {
    if (value_is(v, "FALSE")) o.allow_hash = false;
  } else if (key("NEURAL=", v)) {
    if (value_is(v, "FALSE")) o.neural = false;
  } else if (key("FORCEPROPER=", v)) {
    if (value_is(v, "TRUE")) o.force_proper = true;
  } else if (key("EASYLATIN=", v)) {
    if (value_is(v, "TRUE")) {
      o.easy_latin = true;
      o.age = Age::classical;
      o.medieval_tricks = false;
      o.medieval_phonetics = false;
    }
  } else if (key("ABBREVIATION=", v)) {
    if (value_is(v, "TRUE")) o.abbreviation = true;
  } else if (key("ALLOWUSERPHRASE=", v)) {
    if (value_is(v, "FALSE")) o.allow_user_phrase = false;
  } else if (key("SHOWUSERPHRASE=", v)) {
    if (value_is(v, "FALSE")) o.show_user_phrase = false;
  } else if (key("SINGLEWORDERROR=", v)) {
    if (value_is(v, "FALSE")) o.single_word_error = false;
  } else if (key("FONTTYPE=", v)) {
    if (value_is(v, "ARIAL")) w.font_type = FontType::arial;
    else if (value_is(v, "ROMAN")) w.font_type = FontType::roman;
    else if (value_is(v, "COURIER")) w.font_type = FontType::courier;
  } else if (key("FONTSIZE=", v)) {
    std::string digits(v);
    w.font_size = font_size_in_range(std::strtol(digits.c_str(), nullptr, 10));
  } else if (key("FONTBOLD=", v)) {
    if (value_is(v, "TRUE")) w.font_bold = true;
  } else if (key("BACKGROUND=", v)) {
    if (value_is(v, "YELLOW")) w.background = Background::yellow;
    else if (value_is(v, "WHITE")) w.background = Background::white;
    else if (value_is(v, "GREY")) w.background = Background::grey;
  }
}

// The line with its value replaced by the current one, or the line unchanged.
std::string saved_line(const std::string& line, const UserSettings& settings) {
  const TranslationOptions& o = settings.options;
  const WindowSettings& w = settings.window;
  struct Key {
    std::string_view name;
    std::string value;
  };
  const char* age = o.age == Age::classical ? "CLASSICAL" : (o.age == Age::all ? "ALLAGES" : "MEDIEVAL");
  std::string order;
  switch (o.best_order) {
    case WordOrder::none: order = "NONE"; break;
    case WordOrder::nomverb: order = "NOMVERB"; break;
    case WordOrder::svoe: order = "SVOE"; break;
    case WordOrder::automatic: break;  // no file value: the line stays
  }
  const char* font = w.font_type == FontType::roman ? "ROMAN"
                     : w.font_type == FontType::courier ? "COURIER" : "ARIAL";
  const char* bg = w.background == Background::white ? "WHITE"
                   : w.background == Background::grey ? "GREY" : "YELLOW";
  const Key keys[] = {
      {"AGE=", age},
      {"MEDIEVALTRICKS=", flag_text(o.medieval_tricks)},
      {"MEDIEVALPHONETICS=", flag_text(o.medieval_phonetics)},
      {"MEDIEVALMEANINGS=", flag_text(o.medieval_meanings)},
      {"PLAUTUS=", flag_text(o.plautus)},
      {"BESTORDER=", order},
      {"ALLOWHASH=", flag_text(o.allow_hash)},
      {"NEURAL=", flag_text(o.neural)},
      {"FORCEPROPER=", flag_text(o.force_proper)},
      {"EASYLATIN=", flag_text(o.easy_latin)},
      {"ABBREVIATION=", flag_text(o.abbreviation)},
      {"ALLOWUSERPHRASE=", flag_text(o.allow_user_phrase)},
      {"SHOWUSERPHRASE=", flag_text(o.show_user_phrase)},
      {"SINGLEWORDERROR=", flag_text(o.single_word_error)},
      {"FONTTYPE=", font},
      {"FONTSIZE=", std::to_string(font_size_in_range(w.font_size))},
      {"FONTBOLD=", flag_text(w.font_bold)},
      {"BACKGROUND=", bg},
  };
  for (const auto& k : keys) {
    if (!starts_with_nocase(line, k.name)) continue;
    if (k.value.empty()) return line;
    return line.substr(0, k.name.size()) + k.value;
  }
  return line;
}

}  // namespace

Status load_settings(const std::string& path, UserSettings& settings) {
  std::vector<std::string> lines;
  if (path.empty() || !read_lines(path, lines))
    return make_error(ErrorKind::missing, "Cannot open " + path);
  for (const auto& line : lines) apply_line(line, settings);
  return Status::ok();
}

Status write_settings_backup(const std::string& dir, const UserSettings& settings) {
  std::string path = find_file_nocase(dir, kSettingsFile);
  std::vector<std::string> lines;
  if (path.empty() || !read_lines(path, lines)) return not_saved();
  std::string text;
  for (const auto& line : lines) {
    text += saved_line(line, settings);
    text += '\n';
  }
  std::string bak = (fs::path(dir) / kSettingsBackupFile).string();
  return write_synced(bak, text) ? Status::ok() : not_saved();
}

// The settings file rewritten from the backup, which stays as the copy of the
// saved settings: the new text goes to a temporary name first and replaces the
// file by a rename, so the file is always whole.
Status replace_settings_with_backup(const std::string& dir) {
  std::string path = find_file_nocase(dir, kSettingsFile);
  if (path.empty()) path = (fs::path(dir) / kSettingsFile).string();
  std::string bak = (fs::path(dir) / kSettingsBackupFile).string();
  std::ifstream in(bak, std::ios::binary);
  if (!in) return not_saved();
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return not_saved();
  const std::string staging = path + ".tmp";
  if (!write_synced(staging, text.str())) return not_saved();
  std::error_code ec;
  fs::rename(staging, path, ec);
  if (ec) {
    fs::remove(staging, ec);
    return not_saved();
  }
  return Status::ok();
}

Status save_settings(const std::string& dir, const UserSettings& settings) {
  if (Status s = write_settings_backup(dir, settings); !s) return s;
  return replace_settings_with_backup(dir);
}

}  // namespace kelvo::shell
