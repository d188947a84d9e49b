#include "support/error.h"

namespace zorna {

Error CannotOpenFile(const std::string& path) { return Error("Cannot open file " + path); }
Error CannotCreateFile(const std::string& path) { return Error("Cannot create file " + path); }

}  // namespace zorna
