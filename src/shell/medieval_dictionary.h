// The optional medieval dictionary, meddict.dat: whether a usable one is in
// place, and, only when the user asks for it from the window, a search of
// the user's folders for a copy that is then copied into the user's folder.
// Nothing here runs at start-up: a scan of the disk at every start would make
// every start slow.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace kelvo::shell {

inline constexpr const char* kMedievalFile = "meddict.dat";
inline constexpr const char* kPhrasesFile = "userphrases.txt";
inline constexpr const char* kPhrasesBackupFile = "userphrases_bak.txt";
inline constexpr std::size_t kMedievalRecordBytes = 36;
inline constexpr std::size_t kMedievalRecords = 50;  // the records the program reads
// A loaded medieval dictionary holds this 32-bit value at byte 908 of its
// table (bytes 8-11 of the 26th record).
inline constexpr std::size_t kMedievalMarkerOffset = 908;
inline constexpr std::uint32_t kMedievalMarker = 34382;
inline constexpr int kMedievalSearchDepth = 10;

inline constexpr const char* kMedievalSearching =
    "Can't find your free medieval dictionary.\nSearching your folders for it. This may take "
    "several minutes.\n If successful, the file meddict.dat will be copied to the proper folder.";
inline constexpr const char* kMedievalSearchingStatus = "Searching for 'meddict.dat'";

// The table as the program reads it (its first 50 records) carries the marker.
bool has_medieval_marker(std::string_view table);

// Looks for meddict.dat (any case) in each folder, without walking: true when
// the first one found carries the marker.
bool medieval_dictionary_present(const std::vector<std::string>& folders);

// The message when no usable copy is in place; `user_folder` is where it belongs.
std::string medieval_missing_message(const std::string& user_folder);

struct MedievalSearch {
  std::string found;  // the path of the first meddict.dat met, or ""
  std::size_t folders = 0;  // folders read
  bool cancelled = false;
};

// Walks each root in turn, at most ten levels down, and stops at the first
// file named meddict.dat (any case). Linked folders are not followed (a link
// to a parent would never end); unreadable folders are passed over.
// `keep_going` is asked before each folder: false ends the walk.
MedievalSearch find_medieval_dictionary(const std::vector<std::string>& roots,
                                        const std::function<bool()>& keep_going);

struct MedievalInstall {
  std::size_t records = 0;   // whole 36-byte records copied
  bool usable = false;       // at least 50 records, with the marker
  bool phrases_copied = false;
  bool phrases_backed_up = false;  // the user's own were kept as userphrases_bak.txt
};

// Copies the found meddict.dat into `user_folder`, and the userphrases.txt
// lying beside it: the user's own phrases file, when different, is first kept
// as userphrases_bak.txt. Each file is written through a temporary name.
Result<MedievalInstall> install_medieval_dictionary(const std::string& found,
                                                    const std::string& user_folder);

}  // namespace kelvo::shell
