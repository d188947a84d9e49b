#include "settings/skin_layout.h"

#include <algorithm>
#include <string>

#include "settings/ini_file.h"

namespace zorna {
namespace {

constexpr const char* kStripSection = "Okno s tlačítkami";
constexpr const char* kStripWidth = "Šírka";
constexpr const char* kStripRight = "Je v pravo";
constexpr const char* kButtonsSection = "Tlačítka";

size_t ButtonIndex(std::string_view button) {
  for (size_t i = 0; i < kSkinButtons.size(); ++i) {
    if (button == kSkinButtons[i]) return i;
  }
  return kSkinButtons.size();
}

}  // namespace

SkinLayout::Position SkinLayout::ButtonPosition(std::string_view button) const {
  const size_t i = ButtonIndex(button);
  return i == buttons.size() ? Position{} : buttons[i];
}

void SkinLayout::SetButtonPosition(std::string_view button, Position position) {
  const size_t i = ButtonIndex(button);
  if (i < buttons.size()) buttons[i] = position;
}

SkinLayout ReadSkinLayout(const std::filesystem::path& ini_path) {
  const IniFile ini(ini_path);
  SkinLayout layout;
  layout.strip_width = ini.ReadInteger(kStripSection, kStripWidth, layout.strip_width);
  layout.strip_right = ini.ReadBool(kStripSection, kStripRight, layout.strip_right);
  for (size_t i = 0; i < kSkinButtons.size(); ++i) {
    const std::string name = kSkinButtons[i];
    SkinLayout::Position& p = layout.buttons[i];
    p.x = ini.ReadInteger(kButtonsSection, name + " X", p.x);
    p.y = ini.ReadInteger(kButtonsSection, name + " Y", p.y);
  }
  return layout;
}

void WriteSkinLayout(const std::filesystem::path& ini_path, const SkinLayout& layout) {
  IniFile ini(ini_path);
  ini.WriteInteger(kStripSection, kStripWidth, layout.strip_width);
  ini.WriteBool(kStripSection, kStripRight, layout.strip_right);
  for (size_t i = 0; i < kSkinButtons.size(); ++i) {
    const std::string name = kSkinButtons[i];
    ini.WriteInteger(kButtonsSection, name + " X", layout.buttons[i].x);
    ini.WriteInteger(kButtonsSection, name + " Y", layout.buttons[i].y);
  }
  ini.Save();
}

int KeepInside(int position, int size, int room) {
  return std::clamp(position, 0, std::max(0, room - size));
}

}  // namespace zorna
