#include "settings/user_data_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "support/files.h"

namespace zorna {
namespace fs = std::filesystem;
namespace {

constexpr const char* kSeedingMark = ".seeding-";

bool NonEmptyFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && !fs::is_empty(folder, ec) && !ec;
}

// The copies belong to the user: the installed files may be read-only for everyone.
void MakeOwnerWritable(const fs::path& path, std::error_code& ec) {
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
}

// Copies the contents of one folder into another that exists. Links are followed, so the user
// gets the files themselves; anything that is neither a file nor a folder (a broken link, a
// device) has nothing to copy and is left out.
void CopyContents(const fs::path& from, const fs::path& to, std::error_code& ec) {
  for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path target = to / it->path().filename();
    std::error_code unknown;
    const fs::file_status status = fs::status(it->path(), unknown);
    if (fs::is_directory(status)) {
      fs::create_directory(target, ec);
      if (!ec) fs::permissions(target, fs::perms::owner_all, fs::perm_options::add, ec);
      if (!ec) CopyContents(it->path(), target, ec);
    } else if (fs::is_regular_file(status)) {
      fs::copy_file(it->path(), target, ec);
      if (!ec) MakeOwnerWritable(target, ec);
    }
    if (ec) return;
  }
}

// Removes the copies that earlier starts left beside the user's folder when they ended midway.
void RemoveBrokenCopies(const fs::path& user) {
  const std::string prefix = user.filename().string() + kSeedingMark;
  std::error_code ec;
  for (fs::directory_iterator it(user.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().rfind(prefix, 0) != 0) continue;
    std::error_code ignored;
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(it->path(), ignored);
  }
}

std::string ReasonText(std::error_code error, bool english) {
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
      error == std::errc::read_only_file_system) {
    return english ? "the folder cannot be written to" : "do priečinka sa nedá zapisovať";
  }
  if (error == std::errc::no_space_on_device || error.value() == EDQUOT) {
    return english ? "there is not enough room on the disk" : "na disku nie je dosť miesta";
  }
  if (error == std::errc::not_a_directory || error == std::errc::file_exists) {
    return english ? "a file stands in its path instead of a folder"
                   : "v jeho ceste je súbor namiesto priečinka";
  }
  return (english ? "system error: " : "chyba systému: ") + error.message();
}

}  // namespace

bool HoldsProgramData(const fs::path& folder) {
  std::error_code ec;
  for (const char* name : {"Skin", "Data", "strom.trv"}) {
    if (fs::exists(FindPathIgnoringCase(folder / name), ec)) return true;
  }
  return false;
}

fs::path UserDataFolder(const char* xdg_data_home, const char* home) {
  if (xdg_data_home && fs::path(xdg_data_home).is_absolute()) {
    return fs::path(xdg_data_home) / "zorna";
  }
  if (home && fs::path(home).is_absolute()) return fs::path(home) / ".local" / "share" / "zorna";
  return {};
}

SeedResult SeedUserDataFolder(const fs::path& installed, const fs::path& user) {
  using Outcome = SeedResult::Outcome;
  if (NonEmptyFolder(user)) {
    RemoveBrokenCopies(user);
    return {Outcome::kKept, {}};
  }
  std::error_code ec;
  fs::create_directories(user.parent_path(), ec);
  if (ec) return {Outcome::kFailed, ec};
  std::string pattern = (user.parent_path() / (user.filename().string() + kSeedingMark)).string();
  pattern += "XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    return {Outcome::kFailed, std::error_code(errno, std::generic_category())};
  }
  const fs::path copy = pattern;
  CopyContents(installed, copy, ec);
  // A rename replaces a missing or empty folder at once, and never one that holds anything.
  if (!ec && std::rename(copy.c_str(), user.c_str()) != 0) {
    ec = std::error_code(errno, std::generic_category());
  }
  if (ec) {
    std::error_code ignored;
    fs::remove_all(copy, ignored);
    // Another start of the program may have put its copy in place meanwhile.
    if (NonEmptyFolder(user)) return {Outcome::kKept, {}};
    return {Outcome::kFailed, ec};
  }
  RemoveBrokenCopies(user);
  return {Outcome::kSeeded, {}};
}

namespace {

// The read-only start's message in one language.
struct ReadOnlyWords {
  const char* no_home;
  const char* folder_before;  // the folder's name, then
  const char* folder_after;   // the reason
  const char* what_is_lost;
};

constexpr ReadOnlyWords kSlovakWords{
    "Nie je známy váš domovský priečinok, a tak sa priečinok pre vaše údaje nedá pripraviť.",
    "Priečinok pre vaše údaje „", "“ sa nedá pripraviť: ",
    "\n\nZorna sa spustí z nainštalovaných údajov, ktoré sú len na čítanie. Neuloží sa preto nič, "
    "čo program zapisuje do svojho priečinka: obrázky pridané do galérie, skiny a aktualizácie "
    "galérie, súbory panela údržby, zoznam hľadaní, ktoré galéria nenašla, ani obrázok "
    "upravovaný v kresliacom programe."};

constexpr ReadOnlyWords kEnglishWords{
    "Your home folder is not known, so the folder for your data cannot be prepared.",
    "The folder for your data “", "” cannot be prepared: ",
    "\n\nZorna starts from the installed data, which are read-only. So nothing that the program "
    "writes into its folder will be kept: pictures added to the gallery, skins and gallery "
    "updates, the maintenance panel's files, the list of searches the gallery found nothing "
    "for, or the picture being edited in the paint program."};

}  // namespace

std::string ReadOnlyStartMessage(const fs::path& user, std::error_code error,
                                 InterfaceLanguage language) {
  const bool english = language == InterfaceLanguage::kEnglish;
  const ReadOnlyWords& words = english ? kEnglishWords : kSlovakWords;
  const std::string where = user.empty()
                                ? std::string(words.no_home)
                                : words.folder_before + PridajLomitko(user.string()) +
                                      words.folder_after + ReasonText(error, english) + ".";
  return where + words.what_is_lost;
}

}  // namespace zorna
