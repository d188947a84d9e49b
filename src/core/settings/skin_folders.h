#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "pack/pack_file.h"
#include "text/interface_language.h"

// The skin folders of the program folder ("Skin/" + name), the packs that bring new skins in
// ("skin/*.mk", installed at start-up) and the packs made of them.
namespace zorna {

// The folder holding the skins, "Skin" found without regard to letter case.
std::filesystem::path SkinsFolder(const std::filesystem::path& program_folder);

// Names of the skins: the folders of "Skin" (no plain files, none whose name starts with "."),
// sorted by name so that a stored index keeps meaning the same skin.
// Names are as on disk, also when they are not valid UTF-8.
std::vector<std::string> ListSkinFolders(const std::filesystem::path& program_folder);

// Every file of a skin, named relative to the program folder ("Skin/Modrý/okno.bmp"), depth
// first: each folder's subfolders (by name) before its own files (by name); folders whose name
// starts with "." are left out. Symbolic links are never followed, to files or to folders: a
// pack handed on would carry whatever they point at. They are named in `links` instead.
struct SkinFiles {
  std::vector<std::string> files;
  std::vector<std::string> links;
};
SkinFiles SkinPackFiles(const std::filesystem::path& program_folder, const std::string& skin_name);

// Packs every skin folder into its own pack to hand on, NAME.mk in the packs folder (by default
// PacksFolder's "Balíky"), in name order, each file stored under its name relative to the
// program folder ("Skin\NAME\..."), where the program unpacks it. A pack is replaced only once
// the new one is complete. A skin folder that is itself a link is not packed (`pack` stays
// empty) and is named in `links`.
struct SkinPackJob {
  std::string name;
  std::filesystem::path pack;
  size_t files = 0;
  std::vector<std::string> links;
  PackResult result;
};
std::vector<SkinPackJob> PackSkins(const std::filesystem::path& program_folder,
                                   const ProgressStep& after_each_block = {},
                                   const std::filesystem::path& packs_folder = {});

// Installs the skin packs dropped into "skin/": each "*.mk" there, in name order, is unpacked
// with the program folder as the current folder, and is then deleted whether or not it unpacked
// whole. A pack comes from elsewhere: an entry that would land anywhere but inside "Skin" (the
// gallery's "Data", the tree, the program itself) is skipped.
struct InstalledPack {
  std::string name;
  PackResult result;
  bool deleted = false;
};
std::vector<InstalledPack> InstallSkinPacks(const std::filesystem::path& program_folder,
                                            const ProgressStep& after_each_block = {});
// The text naming, once each, the entries that the installed packs had to skip, in the window's
// language; empty when none did.
std::string SkippedSkinEntriesText(const std::vector<InstalledPack>& installed,
                                   InterfaceLanguage language);

}  // namespace zorna
