// The window's fixed texts that more than one file uses.
#pragma once

namespace kelvo::app {

inline constexpr const char* kAppTitle = "Kelvo Translator";
inline constexpr const char* kDocumentTitle = "Kelvo - Machine Translator";
inline constexpr const char* kReady = "Ready";
inline constexpr const char* kLoadFailed =
    "Error in loading binary data.\nProgram will not work properly.\nCheck files not open in "
    "another application, eg Microsoft Word.\nOr you may need to reinstall Kelvo.";
inline constexpr const char* kLatinTruncated = "Latin Text truncated.";
inline constexpr const char* kCannotOpenChosen =
    "Cannot open your chosen file. Is it open somewhere already?";
inline constexpr const char* kCannotCopyParseLog =
    "Cannot open file 'Parser.txt'. Is it open somewhere already?";
inline constexpr const char* kCannotCopyFails =
    "Cannot open file 'Fails.txt'. Is it open somewhere already?";
inline constexpr const char* kParseLogName = "parser.txt";
inline constexpr const char* kFailsName = "fails.txt";
inline constexpr const char* kWindowSettingsName = "kelvo-gui.ini";

}  // namespace kelvo::app
