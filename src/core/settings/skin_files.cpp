#include "settings/skin_files.h"

#include "support/files.h"
#include "text/cp1250.h"

namespace zorna {

std::string SkinPanelFile(std::string_view panel, std::string_view file) {
  return "okno/" + std::string(panel) + "/" + std::string(file);
}

std::string SkinGlyphFile(std::string_view button) {
  return "buttons/" + std::string(button) + ".bmp";
}

bool HasTwoGlyphCells(std::string_view button) {
  return button == "Save" || button == "Copy";
}

bool IsStripButton(std::string_view button) {
  for (const char* body : {"Odomknute", "Zamknute", "OtocDoprava", "OtocDolava", "PreklopVodorovne",
                           "PreklopZvislo"}) {
    if (button == body) return false;
  }
  return true;
}

std::filesystem::path FindSkinFile(const std::filesystem::path& skin_folder,
                                   std::string_view relative) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path found = FindPathIgnoringCase(skin_folder / fs::path(std::string(relative)));
  if (fs::exists(found, ec)) return found;
  const std::string cp1250 = Utf8ToCp1250(relative);
  if (cp1250 == relative) return found;
  const fs::path as_cp1250 = FindPathIgnoringCase(skin_folder / fs::path(cp1250));
  return fs::exists(as_cp1250, ec) ? as_cp1250 : found;
}

}  // namespace zorna
