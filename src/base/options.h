// The user's translation preferences: what steers analysis and translation.
// They travel by value with each call; the rules that tie them together live
// in shell/option_rules.h, and the window's own settings (fonts, colours) in
// shell/user_settings.h.
#pragma once
#include <cstdint>

namespace kelvo {

enum class Age : std::uint8_t { classical = 5, medieval = 7, all = 15 };

enum class WordOrder : std::uint8_t { none = 0, nomverb = 1, automatic = 2, svoe = 3 };

struct TranslationOptions {
  bool translate = false;
  bool details = false;
  bool joint = false;
  bool inscriptions = false;
  bool ablative_absolute = true;
  Age age = Age::medieval;
  char area = 0;  // preferred area letter, 0 for general
  bool auto_adjusting = false;
  bool medieval_meanings = false;
  bool neolatin_meanings = false;
  bool botany = false;            // Botany data loaded and accepted
  bool botany_available = false;  // companion flag: the Botany data exists
  WordOrder best_order = WordOrder::automatic;
  bool plautus = false;
  bool medieval_tricks = true;
  bool medieval_phonetics = false;
  bool easy_latin = false;
  bool abbreviation = false;
  bool allow_user_phrase = true;
  bool show_user_phrase = true;
  bool single_word_error = true;
  bool single_word_underscore = false;
  std::uint8_t single_word_choice = 0;
  bool neural = true;
  bool force_proper = false;
  bool allow_hash = true;   // load the high-speed hash at start-up
  bool hash_in_use = false; // set after a successful hash load
  bool long_listing = false;

  // Modes set by the caller of a run, not by the user.
  bool batch_mode = false;
  bool spellcheck_mode = false;

  int age_value() const { return static_cast<int>(age); }
  bool operator==(const TranslationOptions&) const = default;
};

}  // namespace kelvo
