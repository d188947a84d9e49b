#pragma once
// The icons of a theme folder laid out as the desktop's icon themes are: SIZE/CONTEXT/NAME.EXT,
// for instance 32x32/devices/drive-harddisk.png and scalable/devices/drive-harddisk.svg.
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace zornatool {

class ThemeIcons {
 public:
  // Throws zorna::Error when the folder has neither a 32x32 nor a scalable folder.
  explicit ThemeIcons(const std::filesystem::path& theme);

  // The 32 x 32 PNG file and the SVG file of a name, where the theme has them.
  std::optional<std::filesystem::path> Small(const std::string& name) const;
  std::optional<std::filesystem::path> Large(const std::string& name) const;

 private:
  using Index = std::map<std::string, std::filesystem::path>;
  static Index Read(const std::filesystem::path& folder, const std::string& extension);
  static std::optional<std::filesystem::path> Find(const Index& index, const std::string& name);

  Index small_;
  Index large_;
};

}  // namespace zornatool
