#pragma once
#include <array>
#include <filesystem>
#include <string_view>

#include "settings/skin_files.h"

namespace zorna {

// A skin's "rozmiestnenie.ini": the strip's width and side and where each button sits in its own
// panel. Missing keys (or a missing file) give the defaults: a strip 60 wide on the right,
// every button at (10, 10).
struct SkinLayout {
  struct Position {
    int x = 10;
    int y = 10;
  };
  int strip_width = 60;
  bool strip_right = true;  // "Je v pravo": the strip right of the column
  std::array<Position, kSkinButtons.size()> buttons{};

  // The position of a button named as in kSkinButtons; the default for any other name.
  Position ButtonPosition(std::string_view button) const;
  void SetButtonPosition(std::string_view button, Position position);
};

SkinLayout ReadSkinLayout(const std::filesystem::path& ini_path);
// Writes every value, so that the file says the whole layout. Throws CannotCreateFile.
void WriteSkinLayout(const std::filesystem::path& ini_path, const SkinLayout& layout);

// A position that keeps something `size` long inside a room `room` long, as far as it fits:
// a skin's layout file comes from elsewhere and may send a button or the strip off the screen.
int KeepInside(int position, int size, int room);

}  // namespace zorna
