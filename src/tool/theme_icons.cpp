#include "theme_icons.h"

#include <system_error>

#include "support/error.h"

namespace zornatool {
namespace fs = std::filesystem;

ThemeIcons::ThemeIcons(const fs::path& theme)
    : small_(Read(theme / "32x32", ".png")), large_(Read(theme / "scalable", ".svg")) {
  std::error_code ec;
  if (!fs::is_directory(theme / "32x32", ec) && !fs::is_directory(theme / "scalable", ec)) {
    throw zorna::Error(theme.string() +
                       " is not an icon theme: it has no 32x32 or scalable folder");
  }
}

ThemeIcons::Index ThemeIcons::Read(const fs::path& folder, const std::string& extension) {
  Index index;
  std::error_code ec;
  for (fs::directory_iterator context(folder, ec), end; !ec && context != end;
       context.increment(ec)) {
    if (!context->is_directory(ec)) continue;
    std::error_code inner;
    for (fs::directory_iterator it(context->path(), inner); !inner && it != end;
         it.increment(inner)) {
      if (it->path().extension() == extension)
        index.emplace(it->path().stem().string(), it->path());
    }
  }
  return index;
}

std::optional<fs::path> ThemeIcons::Find(const Index& index, const std::string& name) {
  const auto found = index.find(name);
  if (found == index.end()) return std::nullopt;
  return found->second;
}

std::optional<fs::path> ThemeIcons::Small(const std::string& name) const {
  return Find(small_, name);
}

std::optional<fs::path> ThemeIcons::Large(const std::string& name) const {
  return Find(large_, name);
}

}  // namespace zornatool
