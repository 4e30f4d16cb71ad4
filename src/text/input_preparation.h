// Input preparation: a Latin file rewritten into temp.lat, one sentence a line,
// with abbreviations expanded and full stops that do not end sentences hidden.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/options.h"
#include "base/status.h"
#include "text/input_text.h"
#include "userdata/abbreviations.h"

namespace kelvo::text {

// Input is read in lines of at most this many bytes (a longer line in pieces).
inline constexpr std::size_t kPreparationLineBuffer = 5'000;
inline constexpr const char* kSentenceDelimiters = ".?!:;";
// Marks a stop inside a number in Botany mode; written back as ".".
inline constexpr char kBotanyStopMarker = static_cast<char>(0xAE);

inline constexpr const char* kCannotOpenInputFormat = "Cannot open file %s.\n";
inline constexpr const char* kCannotOpenTemp = "Cannot open temporary file 'temp.lat'.\n";
inline constexpr const char* kReadErrorMessage = "FGETS error. Tell programmer!\n";

// Personal pronouns counted over the whole input.
struct PersonCounts {
  std::uint16_t ego = 0;
  std::uint16_t tu = 0;
  std::uint16_t nos = 0;
  std::uint16_t vos = 0;  // " uos " and " vos "
};

class InputPreparation {
 public:
  // `abbreviations` may be null; it is used only when the option is on.
  InputPreparation(const TranslationOptions& options,
                   const userdata::AbbreviationTable* abbreviations);

  // The whole file into `temp_path` (written under a temporary name, then
  // renamed). Errors carry the message to show.
  Status prepare_file(const std::string& input_path, const std::string& temp_path);

  // The same work on raw text held in memory (UTF-8 or Windows-1252, decided
  // as for a file): the sentences into `out`, one a line. An error when the
  // text holds NUL bytes.
  Status prepare_memory(std::string_view raw_text, std::string& out);

  // The same work in memory, for text already decoded: one input line (at most
  // kPreparationLineBuffer - 1 bytes, its line end included) appends its
  // sentence pieces to `out`; finish() appends the closing stop when needed.
  void reset();
  void add_line(std::string_view line, std::string& out);
  void finish(std::string& out);
  // All of `text` (already 8-bit) through add_line and finish.
  std::string prepare_text(std::string_view text);

  const PersonCounts& person_counts() const { return persons_; }
  // The input line (from 1) on which each prepared sentence begins, so that a
  // message about a sentence can name its line.
  const std::vector<std::uint32_t>& sentence_lines() const { return sentence_lines_; }
  std::vector<std::uint32_t> take_sentence_lines() { return std::move(sentence_lines_); }

 private:
  template <typename Flush>
  void prepare_lines(LineReader& reader, TextEncoding encoding, std::string& out, Flush flush);
  void count_persons(std::string_view line);
  void mark_trailing_stop(std::string& line) const;
  void character_pass(std::string_view line, std::string& o) const;
  void hide_non_final_stops(std::string& line) const;
  void hide_botany_stops(std::string& line) const;
  void split(std::string& line, std::string& out);
  void open_sentence();
  void close_sentence(std::string& out, std::string_view closing);

  TranslationOptions options_;
  const userdata::AbbreviationTable* abbreviations_;
  PersonCounts persons_;
  bool in_quotes_ = false;
  bool sentence_ended_ = false;
  bool word_seen_ = false;
  std::uint32_t line_number_ = 0;  // the input line being prepared
  std::uint32_t next_line_ = 1;
  std::uint32_t open_line_ = 0;    // where the unfinished sentence began; 0: none
  std::vector<std::uint32_t> sentence_lines_;
  // Working copies of the current line, kept between lines so that their
  // memory is reused.
  std::string line_;
  std::string pass_;
};

}  // namespace kelvo::text
