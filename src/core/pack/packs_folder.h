#pragma once
#include <filesystem>
#include <string_view>

// Packs made to hand on to others (the gallery's, the skins') go into the program folder's
// "Balíky", never where the program installs packs from ("Data/zorna.mk", "Skin/*.mk"): the next
// start would take such a pack in, over the author's own later work, and delete it.
namespace zorna {

inline constexpr std::string_view kPacksFolder = "Balíky";

// That folder, its name found without regard to letter case, or the folder the user chose
// instead; created when it is missing. Throws CannotCreateFile.
std::filesystem::path PacksFolder(const std::filesystem::path& program_folder,
                                  const std::filesystem::path& chosen = {});

// How a pack's place is shown: relative to the program folder when it lies inside it
// ("Balíky/zorna.mk"), else as it is.
std::filesystem::path ShownPackPath(const std::filesystem::path& pack,
                                    const std::filesystem::path& program_folder);

}  // namespace zorna
