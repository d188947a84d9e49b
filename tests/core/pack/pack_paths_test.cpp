#include "pack/pack_paths.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/pack/pack_test_files.h"
#include "text/cp1250.h"

namespace zorna {
namespace {

using Parts = std::vector<std::string>;
namespace fs = std::filesystem;

std::optional<Parts> Destination(const std::string& utf8_name, const char* current = "/p/Data") {
  return PackEntryDestination(Utf8ToCp1250(utf8_name), current, "/p");
}

TEST(PackPaths, RelativeNamesResolveAgainstTheCurrentFolderInsideTheRoot) {
  EXPECT_EQ(Destination("12007.iko"), (Parts{"Data", "12007.iko"}));
  EXPECT_EQ(Destination("..\\strom.trv"), (Parts{"strom.trv"}));
  EXPECT_EQ(Destination(".\\a\\.\\b\\..\\c.bmp"), (Parts{"Data", "a", "c.bmp"}));
  EXPECT_EQ(Destination("a//b.txt"), (Parts{"Data", "a", "b.txt"}));
  EXPECT_EQ(Destination("Skin\\Modrý\\pozadie.bmp", "/p"), (Parts{"Skin", "Modrý", "pozadie.bmp"}));
  // Names that leave the root, or name the root itself.
  EXPECT_EQ(Destination("..\\..\\etc\\passwd"), std::nullopt);
  EXPECT_EQ(Destination("..\\..\\p\\strom.trv"), (Parts{"strom.trv"}));  // back in: allowed
  EXPECT_EQ(Destination("..\\..\\pp\\x"), std::nullopt);                 // a sibling with a prefix
  EXPECT_EQ(Destination(".."), std::nullopt);
  EXPECT_EQ(Destination(""), std::nullopt);
  // A current folder outside the root lets nothing in that does not climb back.
  EXPECT_EQ(Destination("x.txt", "/elsewhere"), std::nullopt);
}

TEST(PackPaths, AbsoluteNamesGoBelowSkinOrAreSkipped) {
  EXPECT_EQ(Destination("C:\\Program Files\\Zorna\\Skin\\Modrý\\pozadie.bmp"),
            (Parts{"Skin", "Modrý", "pozadie.bmp"}));
  EXPECT_EQ(Destination("d:\\zorna\\skin\\Zelený\\rozmiestnenie.ini"),
            (Parts{"Skin", "Zelený", "rozmiestnenie.ini"}));
  EXPECT_EQ(Destination("\\\\server\\share\\Skin\\a\\skin\\b.bmp"), (Parts{"Skin", "b.bmp"}));
  EXPECT_EQ(Destination("C:\\Skin\\..\\..\\etc\\passwd"), std::nullopt);
  EXPECT_EQ(Destination("C:\\Skin\\a\\..\\b.bmp"), (Parts{"Skin", "b.bmp"}));
  EXPECT_EQ(Destination("C:\\Windows\\system.ini"), std::nullopt);
  EXPECT_EQ(Destination("\\etc\\passwd"), std::nullopt);
  EXPECT_EQ(Destination("/etc/passwd"), std::nullopt);
  EXPECT_EQ(Destination("C:Skin"), std::nullopt);  // the file itself called Skin
  EXPECT_EQ(Destination("C:\\Skins\\x.bmp"), std::nullopt);
}

TEST(PackPaths, StoredNamesAreCodePage1250WithBackslashes) {
  EXPECT_EQ(PathToStoredName("Data/čaj.iko"), std::optional<std::string>("Data\\\xE8"
                                                                         "aj.iko"));
  EXPECT_EQ(StoredNameToPath("Data\\\xE8"
                             "aj.iko"),
            "Data/čaj.iko");
  EXPECT_EQ(PathToStoredName("日本.txt"), std::nullopt);
  EXPECT_EQ(PathToStoredName("\xFF\xFE"), std::nullopt);
}

class PackFileCreation : public ::testing::Test {
 protected:
  testing::ScratchFolder scratch;
  fs::path root = scratch.Path() / "root";
  fs::path outside = scratch.Path() / "outside";
  FileDescriptor root_fd;
  void SetUp() override {
    fs::create_directories(root);
    fs::create_directories(outside);
    root_fd = FileDescriptor(::open(root.c_str(), O_RDONLY | O_DIRECTORY));
  }
  CreatedFile::Outcome Create(const Parts& parts) {
    CreatedFile created = CreateFileBelowRoot(root_fd.Get(), parts);
    if (created.outcome == CreatedFile::Outcome::kCreated) {
      EXPECT_TRUE(created.file.Commit());
    }
    return created.outcome;
  }
};

TEST_F(PackFileCreation, MakesMissingFoldersAndMatchesLetterCase) {
  fs::create_directories(root / "skin" / "Modrý");
  EXPECT_EQ(Create({"Skin", "MODRÝ", "a.bmp"}), CreatedFile::Outcome::kCreated);
  EXPECT_TRUE(fs::is_regular_file(root / "skin" / "Modrý" / "a.bmp"));
  EXPECT_EQ(Create({"New", "Deep", "b.bmp"}), CreatedFile::Outcome::kCreated);
  EXPECT_TRUE(fs::is_regular_file(root / "New" / "Deep" / "b.bmp"));
  testing::WriteFile(root / "file", {1});
  EXPECT_EQ(Create({"file", "x"}), CreatedFile::Outcome::kFailed);
  EXPECT_EQ(Create({"New"}), CreatedFile::Outcome::kFailed);  // a folder cannot become a file
}

TEST_F(PackFileCreation, NeverFollowsLinksOrOpensSpecialFiles) {
  fs::create_directory_symlink(outside, root / "Skin");
  EXPECT_EQ(Create({"Skin", "a.bmp"}), CreatedFile::Outcome::kSkipped);
  EXPECT_EQ(Create({"skin", "a.bmp"}), CreatedFile::Outcome::kSkipped);
  testing::WriteFile(outside / "target", {7});
  fs::create_symlink(outside / "target", root / "strom.trv");
  EXPECT_EQ(Create({"strom.trv"}), CreatedFile::Outcome::kSkipped);
  EXPECT_EQ(testing::ReadFile(outside / "target"), testing::Bytes{7});
  ASSERT_EQ(::mkfifo((root / "pipe").c_str(), 0600), 0);
  EXPECT_EQ(Create({"pipe"}), CreatedFile::Outcome::kSkipped);  // and does not wait for a reader
  size_t outside_entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(outside)) ++outside_entries;
  EXPECT_EQ(outside_entries, 1u);  // nothing was made through the linked folder
}

}  // namespace
}  // namespace zorna
