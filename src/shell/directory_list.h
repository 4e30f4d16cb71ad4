// The directory list DIRKelvo.TXT: the text files of a folder tree, one full
// path a line after the folder's own path, and a last line with the count.
// Search File List reads it back.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace kelvo::shell {

inline constexpr const char* kDirectoryListName = "DIRKelvo.TXT";
inline constexpr int kDirectoryDepth = 10;        // levels below the chosen folder
inline constexpr std::size_t kMaxSortedFiles = 999;  // a longer list stays unsorted
inline constexpr const char* kCountSuffix = " = No. of files";

inline constexpr const char* kFolderPlaceholder = "*.directories.only";
inline constexpr const char* kLocateFolderTitle = "Locate directory to search";
inline constexpr const char* kFolderChoiceError =
    "Error with selection of sub-directory from File Selector.";
inline constexpr const char* kProgramFolderRefused =
    "Must not use the Kelvo dictionary for searching.";
inline constexpr const char* kNoFolderChosen =
    "You must select a subdirectory holding the inscriptions \nBEFORE you make the "
    "sub-directories!";
inline constexpr const char* kGeneratingStatus = "Generating files.";
inline constexpr const char* kNoTextFiles =
    "No TXT files found! Set path to a different folder and re-make directory structure.";
inline constexpr const char* kSortingStatus = "Sorting";
inline constexpr const char* kTooManyToSort = "Too many files to sort.";

// True when `folder` is one of `program_folders` or lies inside one (whole
// path components compared: /data/kelvo2 is not inside /data/kelvo).
bool inside_folder(const std::string& folder, const std::vector<std::string>& program_folders);

struct DirectoryListing {
  std::vector<std::string> files;  // full paths, sorted when `sorted`
  bool sorted = false;
  std::size_t folders = 0;  // folders read
  bool cancelled = false;
  std::vector<std::string> unreadable;  // folders that could not be read
};

// Is this a file the list takes? A name ending in ".txt" (any case), other
// than the program's own working files.
bool listed_file_name(std::string_view name);

// Walks `folder` and its subfolders down to ten levels, listing the text
// files; folders in `skipped` (the program's own) and links are not entered.
// `keep_going` is asked before each folder: false ends the walk.
DirectoryListing list_text_files(const std::string& folder, const std::vector<std::string>& skipped,
                                 const std::function<bool()>& keep_going);

// The list file's text.
std::string directory_list_text(const std::string& folder, const DirectoryListing& listing);

// "Successfully completed construction of 'DIRKelvo.TXT' look-up files.\n %u files found."
std::string directory_list_done(std::size_t files);

// Writes DIRKelvo.TXT into the folder (through a temporary name); the error
// carries the message to show.
Status write_directory_list(const std::string& folder, const DirectoryListing& listing);

struct DirectoryList {
  std::string folder;              // the first line: the folder it was made for
  std::vector<std::string> files;  // every other line but the count
  long declared = -1;              // the count line's number; -1 without one
};

// Reads a list back; an error when it cannot be opened.
Result<DirectoryList> read_directory_list(const std::string& path);

// "Header for 'DIRKelvo.TXT' (%s) does not match subdirectory you selected."
// when a folder chosen in this program run is not the list's (any case);
// "" when the list may be searched.
std::string list_header_mismatch(const DirectoryList& list, const std::string& chosen_this_run);

}  // namespace kelvo::shell
