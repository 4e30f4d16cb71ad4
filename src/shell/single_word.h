// One word translated on its own (a click, or a one-word selection): the word
// made ready for the analysis, and the two texts shown for it, the short
// translation ("'amo': love , like , ...") and the glossary (every reading's
// report line and meaning). The English of each reading is given by the
// caller, so the texts do not depend on how it was made.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::shell {

inline constexpr std::size_t kMaxWordLength = 99;  // longer words are cut
inline constexpr std::size_t kWordCutLength = 95;
inline constexpr std::size_t kWordTextLimit = 4'150;
inline constexpr std::size_t kMaxRenderings = 48;
inline constexpr const char* kWordTextTruncated = "Text too long to show all of it. Truncated.\n";

// How a click on a word is shown (the Single Word Mode dialog).
enum class SingleWordChoice : unsigned char {
  translation_lower_pane = 0,  // "English Translation lower window (default)"
  glossary_lower_pane = 1,     // "Latin Glossary lower window"
  glossary_window = 2,         // "Latin Glossary modeless dialog box"
};

enum class WordRequest : unsigned char { selection = 0, click = 1, glossary = 2 };

// A click with a choice other than the default, and every selection, ask for
// the glossary.
WordRequest request_type(bool click, SingleWordChoice choice);

struct PreparedWord {
  std::string word;     // 8-bit Latin
  std::string warning;  // set when the word was cut
};

// j/v become i/u, the ligatures (Windows-1252 0x8C 0x9C 0xC6 0xE6) become
// "Oe", "oe", "ae"; a word of more than 99 characters is cut to 95.
PreparedWord prepare_word(std::string_view word);

// One reading of the word, as the texts show it.
struct WordReading {
  std::string english;      // its English rendering ("^" and "RTB " markers allowed)
  std::string report_line;  // the parse log's line for the reading
  std::string meaning;      // the entry's meaning line
  bool drop_article = false;  // a proper name: its English loses "the "
};

struct SingleWordTexts {
  std::string glossary;
  std::string translation;
};

SingleWordTexts compose_single_word(std::string_view word, const std::vector<WordReading>& readings,
                                    const std::vector<std::string>& alternatives,
                                    WordRequest request);

// Where the texts go: the lower pane shows the glossary only for a glossary
// request under choice 1; the glossary window opens for a glossary request
// under choice 0 or 2.
bool lower_pane_shows_glossary(WordRequest request, SingleWordChoice choice);
bool glossary_window_opens(WordRequest request, SingleWordChoice choice);

}  // namespace kelvo::shell
