// Spell-check: the words of a Latin text that the word analysis cannot read.
// The analysis itself comes from the caller (the facade's analyse); this
// finds the unread words in its result, marks the words of each line as the
// window shows them, and writes fails.txt.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kelvo/kelvo.h"

namespace kelvo::shell {

// A longer file is refused ("File is too long").
inline constexpr std::size_t kSpellFileLimit = 199'984;
inline constexpr const char* kSpellFileTooLong = "File is too long";
inline constexpr const char* kSpellingStatus = "Spell-checking...";
inline constexpr const char* kSpellSucceeded = "Successful spell-check.";
inline constexpr const char* kSpellFailsName = "fails.txt";
inline constexpr const char* kCannotOpenFails =
    "Cannot open search output file 'fails.txt' file.\nIs it open elsewhere?";

// A word of the text the analysis read no reading for.
struct UnreadWord {
  std::size_t begin = 0;  // its bytes in the text; begin == end when the
  std::size_t end = 0;    // clean-up made it (then `text` says what it was)
  std::string text;       // as the analysis read it
};

// Appends the words of `sentence` that have no reading (punctuation aside).
void append_unread_words(const Sentence& sentence, std::vector<UnreadWord>& out);

// The word as written in `text` when it has a place there, else as read.
std::string written_form(std::string_view text, const UnreadWord& word);

// The window's marks: each word (the text split at blanks, tabs and line
// ends) is recognised, not recognised (it holds an unread word), or not a
// word at all once its punctuation is stripped (it begins with a digit or a
// mark, or nothing is left); the last two are underlined.
enum class SpellMark : unsigned char { known, unread, not_a_word };

struct SpellWord {
  std::size_t begin = 0;  // bytes of the word in the text
  std::size_t end = 0;
  SpellMark mark = SpellMark::known;
};
using SpellLine = std::vector<SpellWord>;

// The word as it is checked: j and v as i and u, then the trailing marks
// (, . ; : ' ! ? ( ) [ ] " and blanks) stripped, then one leading mark.
std::string checked_form(std::string_view word);

// Every line of `text` (split at line feeds; a carriage return separates
// words), every word of it marked. `unread` may be in any order.
std::vector<SpellLine> mark_words(std::string_view text, const std::vector<UnreadWord>& unread);

// fails.txt: rich text with the words of each line, the underlined ones in
// groups of their own. Characters that mean something in rich text are
// escaped; letters beyond ASCII are written as Unicode escapes.
std::string spell_check_rtf(std::string_view text, const std::vector<SpellLine>& lines);

}  // namespace kelvo::shell
