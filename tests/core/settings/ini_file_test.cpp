#include "settings/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "core/test_folder.h"
#include "settings/settings.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

using testing::TestFolder;

void WriteRaw(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(IniFile, MissingFileGivesDefaultsAndSaveCreatesIt) {
  TestFolder dir;
  const auto path = dir / "sub" / "Zorna.ini";
  IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Obrázok", "Výstup", 3), 3);
  EXPECT_EQ(ini.ReadString("Obrázok", "Uložiť ako", "jpg"), "jpg");
  EXPECT_TRUE(ini.ReadBool("Obrázok", "Zámok", true));
  ini.WriteInteger("Obrázok", "Výstup", 2);
  ini.Save();
  IniFile again(path);
  EXPECT_EQ(again.ReadInteger("Obrázok", "Výstup", 3), 2);
}

TEST(IniFile, NamesAreStoredInCodePage1250AndMatchedWithoutCase) {
  TestFolder dir;
  const auto path = dir / "Zorna.ini";
  {
    IniFile ini(path);
    ini.WriteString("Veľkosti okien", "Vstup", "120");
    ini.WriteBool("Obrázok", "Zväčšiť", true);
    ini.Save();
  }
  const std::string raw = ReadWholeFileText(path);
  EXPECT_NE(raw.find("[Ve\xBEkosti okien]\r\nVstup=120\r\n"), std::string::npos);
  EXPECT_NE(raw.find("[Obr\xE1zok]\r\nZv\xE4\xE8\x9Ai\x9D=1\r\n"), std::string::npos);
  IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("VEĽKOSTI OKIEN", "vstup", 0), 120);
  EXPECT_TRUE(ini.ReadBool("obrázok", "ZVÄČŠIŤ", false));
}

TEST(IniFile, WritesKeepEveryOtherLine) {
  TestFolder dir;
  const auto path = dir / "Zorna.ini";
  WriteRaw(path,
           "; user's note\r\n[Skin]\r\n\xC8\xEDslo=1\r\nfoo=bar\r\n\r\n[Other]\r\nkeep=me\r\n");
  IniFile ini(path);
  ini.WriteInteger("Skin", "Číslo", 0);
  ini.WriteInteger("Skin", "new", 5);
  ini.WriteString("Third", "k", "v");
  ini.Save();
  EXPECT_EQ(
      ReadWholeFileText(path),
      "; user's note\r\n[Skin]\r\n\xC8\xEDslo=0\r\nfoo=bar\r\nnew=5\r\n\r\n[Other]\r\nkeep=me\r\n"
      "\r\n[Third]\r\nk=v\r\n");
}

TEST(IniFile, HugeFileIsKeptAsideInsteadOfLost) {
  TestFolder dir;
  const auto path = dir / "Zorna.ini";
  WriteRaw(path, std::string(IniFile::kMaxSize + 10, 'x'));
  IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Obrázok", "Výstup", 3), 3);
  ini.WriteInteger("Obrázok", "Výstup", 1);
  ini.Save();
  EXPECT_EQ(std::filesystem::file_size(dir / "Zorna.ini.old"), IniFile::kMaxSize + 10);
  EXPECT_EQ(IniFile(path).ReadInteger("Obrázok", "Výstup", 3), 1);
}

TEST(IniFile, FailedSaveThrowsAndKeepsTheOldFile) {
  if (geteuid() == 0) {
    // root writes anywhere; simulate an unwritable place with a folder standing in the way
    TestFolder dir;
    std::filesystem::create_directories(dir / "Zorna.ini");
    IniFile ini(dir / "Zorna.ini");
    ini.WriteInteger("A", "b", 1);
    EXPECT_THROW(ini.Save(), Error);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Zorna.ini"));
    return;
  }
  TestFolder dir;
  const auto path = dir / "Zorna.ini";
  WriteRaw(path, "[A]\r\nb=7\r\n");
  std::filesystem::permissions(
      dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  IniFile ini(path);
  ini.WriteInteger("A", "b", 1);
  EXPECT_THROW(ini.Save(), Error);
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadWholeFileText(path), "[A]\r\nb=7\r\n");
}

// An existing file whose reading fails (here with an I/O error) holds the user's keys: it reads
// as defaults but is never replaced by the few keys of one group.
TEST(IniFile, AFileThatCannotBeReadIsNeverOverwritten) {
  TestFolder dir;
  const auto path = dir / "Zorna.ini";
  std::filesystem::create_symlink("/proc/self/mem", path);
  IniFile ini(path);
  EXPECT_TRUE(ini.Unreadable());
  EXPECT_EQ(ini.ReadInteger("Obrázok", "Výstup", 3), 3);
  ini.WriteInteger("Obrázok", "Výstup", 2);
  EXPECT_THROW(ini.Save(), Error);
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_FALSE(IniFile(dir / "missing.ini").Unreadable());
}

TEST(HintCounter, ShownTwiceThenNeverAndOddValuesLeftAlone) {
  TestFolder dir;
  const auto path = dir / "Zorna.ini";
  auto ask = [&](int n) {
    IniFile ini(path);
    const bool shown = UzZobrazene(ini, n);
    ini.Save();
    return shown;
  };
  EXPECT_FALSE(ask(1));
  EXPECT_FALSE(ask(1));
  EXPECT_TRUE(ask(1));
  EXPECT_TRUE(ask(1));
  {
    IniFile ini(path);
    ini.WriteInteger("Dialóg", "2", 7);
    ini.Save();
  }
  EXPECT_FALSE(ask(2));
  EXPECT_FALSE(ask(2));
  EXPECT_EQ(IniFile(path).ReadInteger("Dialóg", "2", 0), 7);
  EXPECT_EQ(IniFile(path).ReadInteger("Dialóg", "1", 0), 2);
}

TEST(SettingsLocation, FollowsTheEnvironment) {
  setenv("ZORNA_CONFIG_DIR", "/some/where", 1);
  EXPECT_EQ(SettingsFilePath(), std::filesystem::path("/some/where/Zorna.ini"));
  unsetenv("ZORNA_CONFIG_DIR");
  setenv("XDG_CONFIG_HOME", "/xdg", 1);
  EXPECT_EQ(SettingsFilePath(), std::filesystem::path("/xdg/zorna/Zorna.ini"));
  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", "/home/u", 1);
  EXPECT_EQ(SettingsFilePath(), std::filesystem::path("/home/u/.config/zorna/Zorna.ini"));
}

}  // namespace
}  // namespace zorna
