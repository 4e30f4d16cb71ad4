// The rules that tie the translation options together. Plain functions of the
// options, so that the window's menus and the command line's flags agree.
#pragma once
#include <string>

#include "base/options.h"

namespace kelvo::shell {

inline constexpr const char* kEasyLatinOnMessage =
    "EASY (TEACHING) LATIN MODE.\nUses only most common Latin words.\n"
    "Also restricts to 'classical age' words only and removes medieval 'tricks'.\n"
    "For further details, see HELP or manual.";
inline constexpr const char* kEasyLatinOffMessage =
    "Easy Teaching Mode is turned OFF.\nYou may need to re-set AGE PREFERRED and MEDIEVAL TRICKS.";

// Area letters of the "Area Preferred" menu (0 is General).
bool is_area_letter(char letter);

// Menu items that are enabled only in some states.
inline bool translate_dependents_enabled(const TranslationOptions& o) { return o.translate; }
inline bool auto_adjusting_enabled(const TranslationOptions& o) { return o.translate; }
inline bool medieval_meanings_enabled(const TranslationOptions& o) { return o.age == Age::medieval; }
inline bool neolatin_meanings_enabled(const TranslationOptions& o) { return o.age == Age::all; }
inline bool botany_area_enabled(const TranslationOptions& o) { return o.botany; }
inline bool phonetics_enabled(const TranslationOptions& o) { return o.medieval_tricks; }

// Chooses an area (0 for General). 'M' needs AGE medieval, 'Z' AGE all and 'H'
// Botany mode: returns false and changes nothing when the choice is disabled.
// A specific area turns Auto-adjusting off.
bool choose_area(TranslationOptions& o, char letter);

// Auto-adjusting on sets the area to General.
void set_auto_adjusting(TranslationOptions& o, bool on);

// At the start of every translation: with Auto-adjusting on, the area returns
// to General.
void reset_area_for_run(TranslationOptions& o);

// Classical and medieval clear Botany mode; all ages does not.
void set_age(TranslationOptions& o, Age age);

// Turns EASYLATIN on or off with its companions; returns the message to show.
std::string set_easy_latin(TranslationOptions& o, bool on);

// What a refresh of the Area menu does to the flags: the medieval flag follows
// area 'M'; under AGE all the NeoLatin flag follows area 'Z' (any other area
// returns to General with Auto-adjusting off); without Botany mode an area 'H'
// returns to General. `botany_loaded` false also clears Botany mode.
void refresh_area_flags(TranslationOptions& o, bool botany_loaded);

}  // namespace kelvo::shell
