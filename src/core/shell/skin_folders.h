#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/pack_file.h"

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
// starts with "." are left out, and links to folders are not followed.
std::vector<std::string> SkinPackFiles(const std::filesystem::path& program_folder,
                                       const std::string& skin_name);
// Where the pack of a skin goes: "Skin/" + name + ".mk".
std::filesystem::path SkinPackPath(const std::filesystem::path& program_folder,
                                   const std::string& skin_name);

// Packs every skin folder into its pack, in name order, each file stored under its name
// relative to the program folder, where the program unpacks it. A pack is replaced only once
// the new one is complete.
struct SkinPackJob {
  std::string name;
  size_t files = 0;
  PackResult result;
};
std::vector<SkinPackJob> PackSkins(const std::filesystem::path& program_folder,
                                   const std::function<void()>& after_each_block = {});

// Installs the skin packs dropped into "skin/": each "*.mk" there, in name order, is unpacked
// with the program folder as the current folder and as the root that no entry may leave, and is
// then deleted whether or not it unpacked whole.
struct InstalledPack {
  std::string name;
  PackResult result;
  bool deleted = false;
};
std::vector<InstalledPack> InstallSkinPacks(const std::filesystem::path& program_folder,
                                            const std::function<void()>& after_each_block = {});

}  // namespace zorna
