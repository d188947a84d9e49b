// The skin folders: which are listed, what a skin's pack holds and in which order, and the packs
// that start-up installs.
#include "settings/skin_folders.h"

#include <gtest/gtest.h>

#include "core/pack/pack_test_files.h"

namespace zorna {
namespace {

using testing::PackBuilder;
using testing::ReadFile;
using testing::WriteFile;
namespace fs = std::filesystem;

class SkinFolders : public ::testing::Test {
 protected:
  testing::ScratchFolder scratch;
  fs::path home = scratch.Path() / "home";
  void Touch(const std::string& relative) { WriteFile(home / relative, {'x'}); }
};

TEST_F(SkinFolders, OnlyFoldersNotStartingWithADotAreListedByName) {
  fs::create_directories(home / "skin" / "Zelený");  // letter case of "Skin" does not matter
  fs::create_directories(home / "skin" / ".skryty");
  fs::create_directories(home / "skin" / "Modrý");
  Touch("skin/subor.bmp");
  Touch("skin/Novy.mk");
  fs::create_directory_symlink(home / "skin" / "Modrý", home / "skin" / "Odkaz");
  EXPECT_EQ(ListSkinFolders(home), (std::vector<std::string>{"Modrý", "Odkaz", "Zelený"}));
  EXPECT_TRUE(ListSkinFolders(scratch.Path() / "nie je").empty());
}

TEST_F(SkinFolders, APackHoldsEachFoldersSubfoldersBeforeItsOwnFiles) {
  for (const char* file : {"Modrý/okno.bmp", "Modrý/buttons/Save.bmp", "Modrý/okno/Vstup/okno.bmp",
                           "Modrý/okno/Lupa/hlavička.bmp", "Modrý/okno/a.txt", "Modrý/.git/config",
                           "Modrý/Skin_Vyrobil.txt"}) {
    Touch(std::string("Skin/") + file);
  }
  fs::create_directory_symlink(home / "Skin" / "Modrý", home / "Skin" / "Modrý" / "slucka");
  fs::create_symlink("/etc/hostname", home / "Skin" / "Modrý" / "okno" / "host.bmp");
  EXPECT_EQ(SkinPackFiles(home, "Modrý").links,
            (std::vector<std::string>{"Skin/Modrý/okno/host.bmp", "Skin/Modrý/slucka"}));
  EXPECT_EQ(
      SkinPackFiles(home, "Modrý").files,
      (std::vector<std::string>{"Skin/Modrý/buttons/Save.bmp", "Skin/Modrý/okno/Lupa/hlavička.bmp",
                                "Skin/Modrý/okno/Vstup/okno.bmp", "Skin/Modrý/okno/a.txt",
                                "Skin/Modrý/Skin_Vyrobil.txt", "Skin/Modrý/okno.bmp"}));
  EXPECT_EQ(PackSkins(home).at(0).pack, home / "Balíky" / "Modrý.mk");
}

// A later pack that brings the same file wins, so the order shows.
TEST_F(SkinFolders, DroppedPacksAreAllUnpackedInNameOrderAndDeleted) {
  fs::create_directories(home / "Skin");
  WriteFile(home / "Skin" / "b.mk", PackBuilder().Stored("Skin\\Novy\\okno.bmp", {'B'}).Build());
  WriteFile(home / "Skin" / "a.mk", PackBuilder()
                                        .Stored("Skin\\Novy\\okno.bmp", {'A'})
                                        .Stored("Skin\\Novy\\spodok.bmp", {'a'})
                                        .Build());
  WriteFile(home / "Skin" / "c.MK", {'c'});  // damaged: still deleted
  const std::vector<InstalledPack> installed = InstallSkinPacks(home);
  ASSERT_EQ(installed.size(), 3u);
  EXPECT_EQ(installed[0].name, "a.mk");
  EXPECT_EQ(installed[1].name, "b.mk");
  EXPECT_FALSE(installed[2].result.completed);
  for (const InstalledPack& pack : installed) EXPECT_TRUE(pack.deleted) << pack.name;
  EXPECT_EQ(ReadFile(home / "Skin" / "Novy" / "okno.bmp"), testing::Bytes{'B'});
  EXPECT_EQ(ReadFile(home / "Skin" / "Novy" / "spodok.bmp"), testing::Bytes{'a'});
  for (const char* pack : {"a.mk", "b.mk", "c.MK"}) EXPECT_FALSE(fs::exists(home / "Skin" / pack));
}

TEST_F(SkinFolders, AHostilePackWritesNothingOutsideSkin) {
  fs::create_directories(home / "skin");
  const std::string outside = (scratch.Path() / "mimo.txt").string();
  PackBuilder pack;  // each twice: named once
  for (const std::string name : {"..\\mimo.txt", outside.c_str(), "C:\\Windows\\mimo.txt",
                                 "Data\\zorna.mk", "strom.trv", "Skin\\..\\zorna"}) {
    pack.Stored(name, {'1'}).Stored(name, {'1'});
  }
  WriteFile(home / "skin" / "zly.mk", pack.Stored("C:\\Zorna\\Skin\\Dobry\\okno.bmp", {'4'})
                                          .Stored("Skin\\Zl\x81\\okno.bmp", {'5'})
                                          .Build());
  const std::vector<InstalledPack> installed = InstallSkinPacks(home);
  ASSERT_EQ(installed.size(), 1u);
  EXPECT_EQ(installed[0].result.skipped.size(), 12u);
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), {}), 1);  // home alone
  EXPECT_EQ(std::distance(fs::directory_iterator(home), {}), 1);            // skin alone
  // A full path from another computer's program folder lands in this one's skins.
  EXPECT_EQ(ReadFile(home / "skin" / "Dobry" / "okno.bmp"), testing::Bytes{'4'});
  // A byte that code page 1250 does not define still names a skin of its own.
  EXPECT_EQ(ListSkinFolders(home), (std::vector<std::string>{"Dobry", "Zl\uFFFD"}));
  EXPECT_TRUE(installed[0].deleted);
  const std::string said = SkippedSkinEntriesText(installed, InterfaceLanguage::kSlovak);
  EXPECT_EQ(said.find("\nstrom.trv\n"), said.rfind("\nstrom.trv\n"));
  EXPECT_NE(said.find("\nData\\zorna.mk\n"), std::string::npos);
}

}  // namespace
}  // namespace zorna
