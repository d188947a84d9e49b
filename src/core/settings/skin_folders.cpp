#include "settings/skin_folders.h"

#include <algorithm>
#include <optional>

#include "pack/packs_folder.h"
#include "support/error.h"
#include "support/file_names.h"
#include "support/files.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

bool StartsWithDot(const std::string& name) {
  return !name.empty() && name.front() == '.';
}

// The entries of a folder by name; a folder that cannot be read has none.
std::vector<fs::directory_entry> SortedEntries(const fs::path& folder) {
  std::vector<fs::directory_entry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    entries.push_back(*it);
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
  return entries;
}

bool IsLink(const fs::directory_entry& entry) {
  std::error_code ec;
  return entry.is_symlink(ec);
}

void CollectDepthFirst(const fs::path& folder, const std::string& named, SkinFiles& found) {
  const std::vector<fs::directory_entry> entries = SortedEntries(folder);
  std::error_code ec;
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (IsLink(entry)) {
      found.links.push_back(named + "/" + name);
    } else if (entry.is_directory(ec) && !StartsWithDot(name)) {
      CollectDepthFirst(entry.path(), named + "/" + name, found);
    }
  }
  for (const fs::directory_entry& entry : entries) {
    if (!IsLink(entry) && entry.is_regular_file(ec)) {
      found.files.push_back(named + "/" + entry.path().filename().string());
    }
  }
}

// So many names in one box would hide its end; the rest are counted.
constexpr size_t kMostNamesShown = 20;

}  // namespace

fs::path SkinsFolder(const fs::path& program_folder) {
  return FindPathIgnoringCase(program_folder / "Skin");
}

std::vector<std::string> ListSkinFolders(const fs::path& program_folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : SortedEntries(SkinsFolder(program_folder))) {
    const std::string name = entry.path().filename().string();
    std::error_code ec;
    if (entry.is_directory(ec) && !StartsWithDot(name)) names.push_back(name);
  }
  return names;
}

SkinFiles SkinPackFiles(const fs::path& program_folder, const std::string& skin_name) {
  const fs::path skins = SkinsFolder(program_folder);
  SkinFiles found;
  CollectDepthFirst(skins / skin_name, skins.filename().string() + "/" + skin_name, found);
  return found;
}

std::vector<SkinPackJob> PackSkins(const fs::path& program_folder,
                                   const ProgressStep& after_each_block,
                                   const fs::path& packs_folder) {
  std::vector<SkinPackJob> jobs;
  const fs::path skins = SkinsFolder(program_folder);
  // The packs folder is found (and made) once, when the first skin is packed.
  std::optional<fs::path> folder;
  std::optional<Error> no_folder;
  for (const std::string& name : ListSkinFolders(program_folder)) {
    SkinPackJob& job = jobs.emplace_back();
    job.name = name;
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(skins / name, ec))) {
      job.links.push_back(skins.filename().string() + "/" + name);
      continue;
    }
    SkinFiles found = SkinPackFiles(program_folder, name);
    job.links = std::move(found.links);
    if (!folder && !no_folder) {
      try {
        folder = PacksFolder(program_folder, packs_folder);
      } catch (const Error& e) {
        no_folder = e;
      }
    }
    if (no_folder) {
      job.result = {false, no_folder->what(), no_folder->Slovak()};
      continue;
    }
    job.pack = *folder / (name + ".mk");
    job.result = ZbalSubory(found.files, job.pack.string(), after_each_block, program_folder);
    job.files = found.files.size();
  }
  return jobs;
}

std::vector<InstalledPack> InstallSkinPacks(const fs::path& program_folder,
                                            const ProgressStep& after_each_block) {
  const fs::path folder = FindPathIgnoringCase(program_folder / "skin");
  std::vector<std::string> packs;
  std::error_code ec;
  for (const fs::directory_entry& entry : SortedEntries(folder)) {
    const std::string name = entry.path().filename().string();
    if (MatchesMask(name, "*.mk") && !entry.is_directory(ec)) packs.push_back(name);
  }
  std::vector<InstalledPack> installed;
  for (const std::string& name : packs) {
    const fs::path pack = folder / name;
    if (!fs::exists(fs::symlink_status(pack, ec))) continue;
    UnpackLimits limits;
    limits.only_inside = SkinsFolder(program_folder).filename().string();
    InstalledPack done{name, RozbalArchiv(pack.string(), program_folder, program_folder,
                                          after_each_block, limits)};
    try {
      done.deleted = ZmazSubor(pack.string());
    } catch (const Error&) {
      done.deleted = false;  // it is installed again at the next start
    }
    installed.push_back(std::move(done));
  }
  return installed;
}

std::string SkippedSkinEntriesText(const std::vector<InstalledPack>& installed,
                                   InterfaceLanguage language) {
  const bool english = language == InterfaceLanguage::kEnglish;
  std::string text;
  for (const InstalledPack& pack : installed) {
    std::vector<std::string> names;
    for (const std::string& name : pack.result.skipped_names) {
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    if (names.empty()) continue;
    if (!text.empty()) text += "\n\n";
    text += english ? "The skin pack " + pack.name +
                          " would have written outside the Skin folder or through a symbolic "
                          "link, so these files were not unpacked:"
                    : "Balík vzhľadu " + pack.name +
                          " by zapísal mimo priečinka Skin alebo cez symbolický odkaz; tieto "
                          "súbory sa preto nerozbalili:";
    for (size_t i = 0; i < names.size() && i < kMostNamesShown; ++i) text += "\n" + names[i];
    if (names.size() > kMostNamesShown) {
      text += (english ? "\n... and more (" : "\n... a ďalšie (") +
              std::to_string(names.size() - kMostNamesShown) + ")";
    }
  }
  return text;
}

}  // namespace zorna
