#include "shell/skin_folders.h"

#include <algorithm>

#include "support/error.h"
#include "support/file_names.h"
#include "support/files.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

// A link to a folder inside a skin could lead back to the skin itself.
bool IsFolderNotLink(const fs::directory_entry& entry) {
  std::error_code ec;
  return entry.is_directory(ec) && !entry.is_symlink(ec);
}

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

void CollectDepthFirst(const fs::path& folder, const std::string& named,
                       std::vector<std::string>& files) {
  const std::vector<fs::directory_entry> entries = SortedEntries(folder);
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (IsFolderNotLink(entry) && !StartsWithDot(name)) {
      CollectDepthFirst(entry.path(), named + "/" + name, files);
    }
  }
  std::error_code ec;
  for (const fs::directory_entry& entry : entries) {
    if (entry.is_regular_file(ec)) files.push_back(named + "/" + entry.path().filename().string());
  }
}

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

std::vector<std::string> SkinPackFiles(const fs::path& program_folder,
                                       const std::string& skin_name) {
  const fs::path skins = SkinsFolder(program_folder);
  std::vector<std::string> files;
  CollectDepthFirst(skins / skin_name, skins.filename().string() + "/" + skin_name, files);
  return files;
}

fs::path SkinPackPath(const fs::path& program_folder, const std::string& skin_name) {
  return SkinsFolder(program_folder) / (skin_name + ".mk");
}

std::vector<SkinPackJob> PackSkins(const fs::path& program_folder,
                                   const std::function<void()>& after_each_block) {
  std::vector<SkinPackJob> jobs;
  for (const std::string& name : ListSkinFolders(program_folder)) {
    const std::vector<std::string> files = SkinPackFiles(program_folder, name);
    jobs.push_back({name, files.size(),
                    ZbalSubory(files, SkinPackPath(program_folder, name).string(), after_each_block,
                               program_folder)});
  }
  return jobs;
}

std::vector<InstalledPack> InstallSkinPacks(const fs::path& program_folder,
                                            const std::function<void()>& after_each_block) {
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
    InstalledPack done{
        name, RozbalArchiv(pack.string(), program_folder, program_folder, after_each_block)};
    try {
      done.deleted = ZmazSubor(pack.string());
    } catch (const Error&) {
      done.deleted = false;  // it is installed again at the next start
    }
    installed.push_back(std::move(done));
  }
  return installed;
}

}  // namespace zorna
