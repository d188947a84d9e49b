#include "support/error.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>

namespace zorna {

std::string ReasonEnglish(int error_number) {
  return std::strerror(error_number);
}

std::string ReasonSlovak(int error_number) {
  switch (error_number) {
    case ENOENT:
      return "taký súbor alebo priečinok neexistuje";
    case EACCES:
    case EPERM:
      return "chýba povolenie";
    case ENOSPC:
      return "na disku nie je miesto";
    case EDQUOT:
      return "prekročená kvóta disku";
    case EROFS:
      return "disk je len na čítanie";
    case EISDIR:
      return "je to priečinok, nie súbor";
    case ENOTDIR:
      return "časť cesty nie je priečinok";
    case EEXIST:
      return "súbor už existuje";
    case ENAMETOOLONG:
      return "názov je príliš dlhý";
    case EMFILE:
    case ENFILE:
      return "je otvorených príliš veľa súborov";
    case ENOMEM:
      return "nedostatok pamäte";
    case EIO:
      return "chyba pri čítaní alebo zápise na disk";
    case EFBIG:
      return "súbor je príliš veľký";
    case ENXIO:
    case ENODEV:
      return "zariadenie nie je dostupné";
    case EBUSY:
      return "súbor sa práve používa";
    case EXDEV:
      return "súbor nemožno presunúť na iný disk";
    case EINVAL:
      return "neplatný názov alebo údaj";
    case ELOOP:
      return "príliš veľa symbolických odkazov";
    default:
      return "systémová chyba " + std::to_string(error_number) + " (" +
             ReasonEnglish(error_number) + ")";
  }
}

namespace {

// What was tried on a file, in both wordings; the Slovak one names the file inside it.
struct Failure {
  const char* english;
  const char* slovak_before;
  const char* slovak_after;
};
constexpr Failure kOpen{"Cannot open file", "Súbor ", " sa nedá otvoriť"};
constexpr Failure kCreate{"Cannot create file", "Súbor ", " sa nedá vytvoriť"};
constexpr Failure kRead{"Cannot read file", "Súbor ", " sa nedá prečítať"};
constexpr Failure kWrite{"Cannot write file", "Do súboru ", " sa nedá zapisovať"};

Error FileFailure(const Failure& failure, const std::string& path,
                  const std::string& reason_english, const std::string& reason_slovak) {
  std::string en = std::string(failure.english) + " " + path;
  std::string sk = failure.slovak_before + path + failure.slovak_after;
  if (!reason_english.empty()) {
    en += ": " + reason_english;
    sk += ": " + reason_slovak;
  }
  return Error(en, sk);
}

Error FileFailure(const Failure& failure, const std::string& path, int error_number) {
  if (error_number == 0) return FileFailure(failure, path, "", "");
  return FileFailure(failure, path, ReasonEnglish(error_number), ReasonSlovak(error_number));
}

}  // namespace

Error CannotOpenFile(const std::string& path, int error_number) {
  return FileFailure(kOpen, path, error_number);
}
Error CannotCreateFile(const std::string& path, int error_number) {
  return FileFailure(kCreate, path, error_number);
}
Error CannotReadFile(const std::string& path, int error_number) {
  return FileFailure(kRead, path, error_number);
}
Error CannotWriteFile(const std::string& path, int error_number) {
  return FileFailure(kWrite, path, error_number);
}

Error NotARegularFile(const std::string& path, bool is_folder) {
  if (is_folder) return CannotOpenFile(path, EISDIR);
  return FileFailure(kOpen, path, "it is a device or a pipe, not a file",
                     "je to zariadenie alebo rúra, nie súbor");
}

Error FileTooLarge(const std::string& path, uint64_t max_bytes) {
  const bool mebibytes = max_bytes >= (uint64_t{1} << 20) && max_bytes % (uint64_t{1} << 20) == 0;
  const std::string amount = std::to_string(mebibytes ? max_bytes >> 20 : max_bytes);
  return FileFailure(kRead, path, "it holds more than " + amount + (mebibytes ? " MiB" : " bytes"),
                     "má viac ako " + amount + (mebibytes ? " MiB" : " bajtov"));
}

Error CannotDeleteFile(const std::string& path, int error_number) {
  // The English wording is the framework's file input/output error.
  return Error("I/O error " + std::to_string(error_number),
               "Súbor " + path + " sa nedá zmazať: " + ReasonSlovak(error_number));
}

Error InFile(const std::string& path, const Error& error) {
  std::string slovak = error.Slovak();
  // The reason follows a colon, so it goes on in lower case ("Obrázok" is ASCII at its start).
  if (!slovak.empty() && slovak[0] >= 'A' && slovak[0] <= 'Z') slovak[0] += 'a' - 'A';
  return Error(path + ": " + error.what(), "Súbor " + path + " sa nedá prečítať: " + slovak);
}

std::string SlovakMessage(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Error*>(&error)) return own->Slovak();
  if (dynamic_cast<const std::bad_alloc*>(&error)) return "Na túto prácu nie je dosť pamäte.";
  if (const auto* failure = dynamic_cast<const std::filesystem::filesystem_error*>(&error)) {
    const std::string reason = ReasonSlovak(failure->code().value());
    if (failure->path1().empty()) return "Chyba súborového systému: " + reason;
    return "Súbor " + failure->path1().string() + ": " + reason;
  }
  return std::string("Nečakaná chyba: ") + error.what();
}

std::string MessageFor(const std::exception& error, InterfaceLanguage language) {
  if (language == InterfaceLanguage::kSlovak) return SlovakMessage(error);
  if (dynamic_cast<const Error*>(&error) ||
      dynamic_cast<const std::filesystem::filesystem_error*>(&error)) {
    return error.what();
  }
  if (dynamic_cast<const std::bad_alloc*>(&error))
    return "There is not enough memory for this work.";
  return std::string("Unexpected error: ") + error.what();
}

}  // namespace zorna
