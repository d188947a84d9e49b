// The user's own program folder of an installed program: seeded once from the installed data,
// never overwritten, completed after a broken start, and a clear word when it cannot be made.
#include "settings/user_data_folder.h"

#include <gtest/gtest.h>

#include "core/pack/pack_test_files.h"
#include "settings/help_page.h"

namespace zorna {
namespace {

using testing::FilesWithContents;
using testing::ReadFile;
using testing::WriteFile;
namespace fs = std::filesystem;
using Outcome = SeedResult::Outcome;

class UserDataFolderTest : public ::testing::Test {
 protected:
  UserDataFolderTest() {
    WriteFile(installed / "strom.trv", {'G', '\r', '\n'});
    WriteFile(installed / "Skin" / "Jazero" / "okno.bmp", {'B', 'M'});
    WriteFile(installed / "Data" / "1.iko", {1, 2, 3});
    // As a package installs them for everybody: nothing there is the user's to change.
    fs::create_directory_symlink(installed / "nikam", installed / "Data" / "zlomeny odkaz");
    for (const auto& entry : fs::recursive_directory_iterator(installed)) {
      if (!entry.is_symlink())
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::remove);
    }
  }
  ~UserDataFolderTest() override {
    for (const auto& entry : fs::recursive_directory_iterator(installed)) {
      if (!entry.is_symlink())
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    }
  }

  testing::ScratchFolder scratch;
  fs::path installed = scratch.Path() / "usr" / "share" / "zorna";
  fs::path user = scratch.Path() / "home" / ".local" / "share" / "zorna";
};

TEST_F(UserDataFolderTest, TheFirstStartCopiesTheInstalledDataAndLaterOnesKeepTheUsersOwn) {
  ASSERT_EQ(SeedUserDataFolder(installed, user).outcome, Outcome::kSeeded);
  EXPECT_EQ(FilesWithContents(user), FilesWithContents(installed));
  for (const auto& entry : fs::recursive_directory_iterator(user)) {
    EXPECT_FALSE(entry.is_symlink()) << entry.path();
    EXPECT_NE(fs::status(entry.path()).permissions() & fs::perms::owner_write, fs::perms::none)
        << entry.path();
  }
  EXPECT_TRUE(HoldsProgramData(user));

  // What the user changed, added or removed stays so.
  WriteFile(user / "strom.trv", {'M', 'o', 'j'});
  WriteFile(user / "Data" / "1000.iko", {9});
  fs::remove(user / "Data" / "1.iko");
  EXPECT_EQ(SeedUserDataFolder(installed, user).outcome, Outcome::kKept);
  EXPECT_EQ(ReadFile(user / "strom.trv"), (testing::Bytes{'M', 'o', 'j'}));
  EXPECT_TRUE(fs::exists(user / "Data" / "1000.iko"));
  EXPECT_FALSE(fs::exists(user / "Data" / "1.iko"));
}

TEST_F(UserDataFolderTest, AFolderOfAnOlderVersionIsKeptAsItIs) {
  WriteFile(user / "skin" / "Stary" / "okno.bmp", {'S'});
  EXPECT_EQ(SeedUserDataFolder(installed, user).outcome, Outcome::kKept);
  EXPECT_EQ(FilesWithContents(user).size(), 1u);
}

TEST_F(UserDataFolderTest, ACopyBrokenOffMidwayIsMadeAnewAndItsRemainsGo) {
  const fs::path broken = user.parent_path() / "zorna.seeding-Ab12Cd";
  WriteFile(broken / "strom.trv", {'G'});
  fs::create_directories(user);  // an empty folder holds nothing of the user's
  ASSERT_EQ(SeedUserDataFolder(installed, user).outcome, Outcome::kSeeded);
  EXPECT_EQ(FilesWithContents(user), FilesWithContents(installed));
  EXPECT_EQ(std::distance(fs::directory_iterator(user.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(UserDataFolderTest, AFolderThatCannotBeMadeIsReportedAndNothingIsLeft) {
  WriteFile(scratch.Path() / "home" / ".local", {'x'});  // a file where a folder must be
  const SeedResult result = SeedUserDataFolder(installed, user);
  ASSERT_EQ(result.outcome, Outcome::kFailed);
  const std::string message = ReadOnlyStartMessage(user, result.error);
  EXPECT_NE(message.find("„" + user.string() + "/“"), std::string::npos) << message;
  EXPECT_NE(message.find("súbor namiesto priečinka"), std::string::npos) << message;
  EXPECT_NE(message.find("obrázky pridané do galérie"), std::string::npos) << message;
  EXPECT_EQ(
      std::distance(fs::directory_iterator(scratch.Path() / "home"), fs::directory_iterator()), 1);
}

TEST(UserDataFolder, TheHelpPageIsEnglishUnderEnglishWhereTheFolderHasOne) {
  testing::ScratchFolder home;
  WriteFile(home.Path() / "pomoc" / "pomoc.htm", {'S'});  // as an older version copied it
  EXPECT_EQ(HelpPage(home.Path(), InterfaceLanguage::kEnglish).filename(), "pomoc.htm");
  WriteFile(home.Path() / "pomoc" / "help_en.htm", {'E'});
  EXPECT_EQ(HelpPage(home.Path(), InterfaceLanguage::kEnglish).filename(), "help_en.htm");
  EXPECT_EQ(HelpPage(home.Path(), InterfaceLanguage::kSlovak).filename(), "pomoc.htm");
}

TEST(UserDataFolder, FollowsTheDesktopsFolderRules) {
  EXPECT_EQ(UserDataFolder("/data", "/home/jana"), fs::path("/data/zorna"));
  EXPECT_EQ(UserDataFolder(nullptr, "/home/jana"), fs::path("/home/jana/.local/share/zorna"));
  EXPECT_EQ(UserDataFolder("relativny", "/home/jana"), fs::path("/home/jana/.local/share/zorna"));
  EXPECT_EQ(UserDataFolder("", nullptr), fs::path());
}

}  // namespace
}  // namespace zorna
