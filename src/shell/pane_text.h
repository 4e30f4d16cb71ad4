// What the window's panes may hold and what it may send to a run: the limits
// of the Latin and Translation panes, the cut of a long parse log, and the
// one-word test of a selection. Plain functions, so the rules are tested
// without a window.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace kelvo::shell {

// The Translation pane shows at most this many bytes of the parse log.
inline constexpr std::size_t kPaneReadLimit = 199'999;
// A reloaded translation is read up to this many bytes.
inline constexpr std::size_t kReloadReadLimit = 200'000;
// The Translation pane's own limit, in characters (the cut log and its mark fit).
inline constexpr std::size_t kTranslationPaneLimit = 200'100;
// The lower pane shows at most this many characters.
inline constexpr std::size_t kLowerPaneLimit = 200;
// A selection sent to Translate, and the whole Latin pane, in characters.
inline constexpr std::size_t kSelectionLimit = 1'998;
inline constexpr std::size_t kLatinPaneLimit = 199'997;

inline constexpr const char* kTruncatedMark = "\nTRUNCATED.";
inline constexpr const char* kEmptyTranslation = "English";
inline constexpr const char* kWelcomeText =
    "Type or paste (Edit/Paste) Latin text here.\nPress 'Ctrl-E' to remove this text.";
inline constexpr const char* kSelectionTooLong =
    "Selected text is too long.\nImport a text file instead.";
inline constexpr const char* kLatinTooLong =
    "Text file in Latin box is too long.\nImport a text file instead.";
inline constexpr const char* kCannotReadParseLog = "Cannot open read file 'Parser.Txt'.";
inline constexpr const char* kCannotWriteLatin = "Cannot open storage file 'latin.lat'";

struct PaneText {
  std::string text;
  bool truncated = false;  // cut at the limit, kTruncatedMark appended
};

// A log of `limit` bytes or more is cut to its first `keep` bytes (never
// inside a UTF-8 sequence) and ends with kTruncatedMark; a shorter one is
// shown whole.
PaneText cut_for_pane(std::string_view log, std::size_t limit = kPaneReadLimit,
                      std::size_t keep = kPaneReadLimit);
// A reloaded translation: cut from 199,999 bytes on, to 199,998.
inline PaneText cut_reloaded(std::string_view text) {
  return cut_for_pane(text, kReloadReadLimit - 1, kReloadReadLimit - 2);
}

// "Long translation truncated to 199999 chars. ..."
std::string long_translation_message();
// "Long text truncated to 199998 chars. ..." (a reloaded translation)
std::string long_reload_message();

enum class SendCheck { ok, selection_too_long, text_too_long };

// Whether a selection (or, without one, the whole pane) of `chars` characters
// may be sent to a run.
SendCheck check_send(std::size_t chars, bool is_selection);
const char* send_check_message(SendCheck check);

// A selection that, split at blanks, is exactly one word.
bool is_single_word(std::string_view selection);

}  // namespace kelvo::shell
