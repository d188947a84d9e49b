#pragma once
#include <stdexcept>
#include <string>

namespace zorna {

// A failing file or picture operation. The window layer shows what() in a message box and
// skips the rest of the handler; the command-line tool prints it on one line.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The framework's wording for the common file failures.
Error CannotOpenFile(const std::string& path);
Error CannotCreateFile(const std::string& path);

}  // namespace zorna
