#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "picture/bitmap.h"
#include "settings/skin_layout.h"

// The skins that ship with the program, drawn by code: every picture a skin needs, the glyphs of
// all fifteen buttons, the layout file and the author's link.
namespace zorna {

struct SkinPalette {
  Colorref caption_top, caption_bottom;  // the caption bar's gradient
  Colorref caption_light, caption_dark;  // its top and bottom rows
  Colorref caption_text, caption_text_shadow;
  Colorref accent;               // the caption's small picture, the author's mark
  Colorref body_top, body;       // a panel body fades from the first into the second
  Colorref strip_top, strip;     // the strip likewise
  Colorref well;                 // the hollow behind each of the strip's buttons
  Colorref ink, ink_fill;        // the strip's glyphs: strokes and what they enclose
  Colorref body_ink, body_fill;  // the glyphs on the panel bodies
  Colorref warm;                 // the close button's cross, the sun of the gallery picture
  Colorref paper;                // sheets and labels inside glyphs
};

struct SkinDesign {
  std::string name;  // the skin's folder
  int caption_height = 19;
  int strip_width = 60;
  bool strip_right = true;
  SkinPalette colours;
};

// Light blue and white, 19-pixel caption bars, the strip on the right.
SkinDesign JazeroSkin();
// Graphite with amber, 23-pixel caption bars, the strip on the left.
SkinDesign BridlicaSkin();
// Both, in the order of their folder names; the second is the one a first start dresses in.
std::vector<SkinDesign> OurSkins();

struct DrawnSkin {
  std::vector<std::pair<std::string, Bitmap>> pictures;  // path in the skin folder, picture
  SkinLayout layout;
};
DrawnSkin DrawSkin(const SkinDesign& design);

// Writes the skin into its folder (created when missing): the pictures as bitmaps,
// "rozmiestnenie.ini" and "Skin_Vyrobil.txt" holding the author's link. Throws CannotCreateFile.
void WriteSkinFolder(const std::filesystem::path& folder, const DrawnSkin& skin,
                     std::string_view author_link);

}  // namespace zorna
