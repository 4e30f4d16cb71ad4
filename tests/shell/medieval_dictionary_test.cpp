// The medieval dictionary: its marker, the walk that finds a copy (only when
// the user asks), and the copy into the user's folder.
#include "shell/medieval_dictionary.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/folder_tree.h"
#include "userdata/temp_folder.h"

namespace kelvo::shell {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempFolder;

// `records` records of 36 bytes, with the marker when asked.
std::string table(std::size_t records, bool marker) {
  std::string t(records * kMedievalRecordBytes, 'x');
  if (marker && t.size() >= kMedievalMarkerOffset + 4) {
    const std::uint32_t v = kMedievalMarker;
    for (std::size_t i = 0; i < 4; ++i) t[kMedievalMarkerOffset + i] = static_cast<char>(v >> (8 * i));
  }
  return t;
}

TEST(MedievalDictionary, TheMarkerSaysItIsLoaded) {
  EXPECT_TRUE(has_medieval_marker(table(50, true)));
  EXPECT_TRUE(has_medieval_marker(table(80, true)));
  EXPECT_FALSE(has_medieval_marker(table(50, false)));
  EXPECT_FALSE(has_medieval_marker(table(25, true)));  // ends before the marker
  EXPECT_FALSE(has_medieval_marker(""));
  TempFolder data, home;
  EXPECT_FALSE(medieval_dictionary_present({data.path(), home.path()}));
  home.write("MedDict.DAT", table(50, true));  // any case
  EXPECT_TRUE(medieval_dictionary_present({data.path(), home.path()}));
  // The first folder that has one decides.
  data.write("meddict.dat", table(50, false));
  EXPECT_FALSE(medieval_dictionary_present({data.path(), home.path()}));
}

TEST(MedievalDictionary, TheWalkGoesTenLevelsDownAndNoFurther) {
  TempFolder root;
  const fs::path deep = testing::nested_folders(root.path(), 11);
  std::ofstream(deep / "meddict.dat") << "x";  // eleven levels down
  const auto keep_going = [] { return true; };
  auto search = find_medieval_dictionary({root.path()}, keep_going);
  EXPECT_TRUE(search.found.empty());
  EXPECT_EQ(search.folders, 11u);  // the root and ten levels
  fs::rename(deep / "meddict.dat", deep.parent_path() / "MEDDICT.DAT");
  search = find_medieval_dictionary({root.path()}, keep_going);
  EXPECT_EQ(search.found, (deep.parent_path() / "MEDDICT.DAT").string());
}

TEST(MedievalDictionary, TheWalkEndsOnRequestAndFollowsNoLinks) {
  TempFolder root, other;
  fs::create_directories(fs::path(root.path()) / "a" / "b");
  // A link back to the root would make the walk endless; one to another
  // tree would search what the user did not ask for.
  fs::create_directory_symlink(root.path(), fs::path(root.path()) / "a" / "loop");
  std::ofstream(fs::path(other.path()) / "meddict.dat") << "x";
  fs::create_directory_symlink(other.path(), fs::path(root.path()) / "elsewhere");
  auto search = find_medieval_dictionary({root.path()}, [] { return true; });
  EXPECT_TRUE(search.found.empty());
  EXPECT_EQ(search.folders, 3u);
  int asked = 0;
  search = find_medieval_dictionary({root.path(), other.path()}, [&] { return ++asked < 2; });
  EXPECT_TRUE(search.cancelled);
  EXPECT_TRUE(search.found.empty());
  // A missing root is passed over; the next one is walked.
  search = find_medieval_dictionary({root.file("absent"), other.path()}, [] { return true; });
  EXPECT_EQ(search.found, other.file("meddict.dat"));
}

TEST(MedievalDictionary, TheCopyKeepsWholeRecordsAndTheUsersPhrases) {
  TempFolder found, home;
  found.write("meddict.dat", table(60, true) + "tail");
  found.write("userphrases.txt", "medieval phrases\n");
  home.write("UserPhrases.txt", "my own phrases\n");
  auto r = install_medieval_dictionary(found.file("meddict.dat"), home.path());
  ASSERT_TRUE(r) << r.error().message;
  EXPECT_EQ(r->records, 60u);
  EXPECT_TRUE(r->usable);
  EXPECT_EQ(read_file(home.file("meddict.dat")), table(60, true));
  EXPECT_TRUE(r->phrases_copied);
  EXPECT_TRUE(r->phrases_backed_up);
  EXPECT_EQ(read_file(home.file("UserPhrases.txt")), "medieval phrases\n");
  EXPECT_EQ(read_file(home.file("userphrases_bak.txt")), "my own phrases\n");
  EXPECT_TRUE(medieval_dictionary_present({home.path()}));
  // Again: the phrases are the same now, and the backup stays the user's.
  r = install_medieval_dictionary(found.file("meddict.dat"), home.path());
  ASSERT_TRUE(r);
  EXPECT_FALSE(r->phrases_copied);
  EXPECT_EQ(read_file(home.file("userphrases_bak.txt")), "my own phrases\n");
}

TEST(MedievalDictionary, AShortOrUnmarkedCopyIsNotUsable) {
  TempFolder found, home;
  found.write("meddict.dat", table(49, true));
  auto r = install_medieval_dictionary(found.file("meddict.dat"), home.path());
  ASSERT_TRUE(r);
  EXPECT_EQ(r->records, 49u);
  EXPECT_FALSE(r->usable);
  EXPECT_FALSE(r->phrases_copied);  // none lay beside it
  EXPECT_FALSE(fs::exists(home.file("userphrases.txt")));
  EXPECT_FALSE(install_medieval_dictionary(found.file("absent.dat"), home.path()));
  EXPECT_FALSE(install_medieval_dictionary(found.file("meddict.dat"), home.file("no/such")));
}

}  // namespace
}  // namespace kelvo::shell
