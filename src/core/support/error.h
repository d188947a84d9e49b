#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

#include "text/interface_language.h"

namespace zorna {

// A failing file or picture operation. It carries two wordings of the same facts: what() in
// English for the command-line tool, Slovak() for the window, which shows it in a message box
// and skips the rest of the handler. An error made from one text uses it for both.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message), slovak_(message) {}
  Error(const std::string& english, const std::string& slovak)
      : std::runtime_error(english), slovak_(slovak) {}
  const std::string& Slovak() const { return slovak_; }

 private:
  std::string slovak_;
};

// Why a system call failed, in words: errno's own text in English, and Slovak words for the
// reasons a user meets (no such file, no permission, disk full, not a file, ...).
std::string ReasonEnglish(int error_number);
std::string ReasonSlovak(int error_number);

// The common file failures, naming the file and, where error_number is not 0, the reason.
Error CannotOpenFile(const std::string& path, int error_number = 0);
Error CannotCreateFile(const std::string& path, int error_number = 0);
Error CannotReadFile(const std::string& path, int error_number = 0);
Error CannotWriteFile(const std::string& path, int error_number = 0);
// A folder, a device or a pipe where a file is to be read.
Error NotARegularFile(const std::string& path, bool is_folder);
// A file larger than its reader takes, refused before it is read.
Error FileTooLarge(const std::string& path, uint64_t max_bytes);
// A file that could not be deleted.
Error CannotDeleteFile(const std::string& path, int error_number);

// An error in a file's contents, told with the file's name in front in both wordings.
Error InFile(const std::string& path, const Error& error);

// The wording the window shows for anything a handler threw: Slovak() of our own errors; for a
// library's (memory, a file system call) Slovak words and its own text.
std::string SlovakMessage(const std::exception& error);
// The same in the window's language: in English what() of our own errors and of a file system
// call's, which name the file and the reason themselves.
std::string MessageFor(const std::exception& error, InterfaceLanguage language);

}  // namespace zorna
