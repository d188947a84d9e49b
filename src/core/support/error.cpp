#include "support/error.h"

#include <cerrno>
#include <cstring>

namespace zorna {

std::string ReasonEnglish(int error_number) { return std::strerror(error_number); }

std::string ReasonSlovak(int error_number) {
  switch (error_number) {
    case ENOENT: return "taký súbor alebo priečinok neexistuje";
    case EACCES:
    case EPERM: return "chýba povolenie";
    case ENOSPC: return "na disku nie je miesto";
    case EDQUOT: return "prekročená kvóta disku";
    case EROFS: return "disk je len na čítanie";
    case EISDIR: return "je to priečinok, nie súbor";
    case ENOTDIR: return "časť cesty nie je priečinok";
    case EEXIST: return "súbor už existuje";
    case ENAMETOOLONG: return "názov je príliš dlhý";
    case EMFILE:
    case ENFILE: return "je otvorených príliš veľa súborov";
    case ENOMEM: return "nedostatok pamäte";
    case EIO: return "chyba pri čítaní alebo zápise na disk";
    case EFBIG: return "súbor je príliš veľký";
    case ENXIO:
    case ENODEV: return "zariadenie nie je dostupné";
    case EBUSY: return "súbor sa práve používa";
    case EXDEV: return "súbor nemožno presunúť na iný disk";
    case EINVAL: return "neplatný názov alebo údaj";
    default: return "systémová chyba " + std::to_string(error_number) + " (" +
                    ReasonEnglish(error_number) + ")";
  }
}

namespace {

Error FileFailure(const std::string& english, const std::string& slovak_before,
                  const std::string& slovak_after, const std::string& path, int error_number) {
  std::string en = english + " " + path;
  std::string sk = slovak_before + path + slovak_after;
  if (error_number != 0) {
    en += ": " + ReasonEnglish(error_number);
    sk += ": " + ReasonSlovak(error_number);
  }
  return Error(en, sk);
}

}  // namespace

Error CannotOpenFile(const std::string& path, int error_number) {
  return FileFailure("Cannot open file", "Súbor ", " sa nedá otvoriť", path, error_number);
}
Error CannotCreateFile(const std::string& path, int error_number) {
  return FileFailure("Cannot create file", "Súbor ", " sa nedá vytvoriť", path, error_number);
}
Error CannotReadFile(const std::string& path, int error_number) {
  return FileFailure("Cannot read file", "Súbor ", " sa nedá prečítať", path, error_number);
}
Error CannotWriteFile(const std::string& path, int error_number) {
  return FileFailure("Cannot write file", "Do súboru ", " sa nedá zapisovať", path, error_number);
}

}  // namespace zorna
