#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "picture/bitmap.h"

namespace zorna {

// How the icon is to be transparent; one value per radio button of the icon dialog.
enum class IconTransparency {
  kWhite,        // RadioButton2, "priehľadnú (biela farba)", the dialog's start choice
  kTopLeft,      // RadioButton3, key = pixel (0,0)
  kBottomRight,  // RadioButton4, key = pixel (max,max)
  kOpaque,       // RadioButton1, "nepriehľadnú"
};

// Stands in for the picture's black pixels while the mask is built, so that they do not match
// the key: #FAF9F8.
constexpr Colorref kIconMarkerColor = Rgb(250, 249, 248);

// The one colour that becomes transparent, or kInvalidColor (matches no pixel) for kOpaque.
Colorref IconKeyColor(const Bitmap& result, IconTransparency choice);

// The icon made from a result picture: the colour image and its mask, both of the picture's
// size. Mask pixels are white where the icon is transparent and black where it is opaque;
// transparent pixels are black in the colour image.
struct Icon {
  Bitmap color;
  Bitmap mask;
};

Icon MakeIcon(const Bitmap& result, IconTransparency choice);

// The icon dialog's preview: the result drawn over the background picture (the top-left of a
// control `control_side` wide) at o = control_side / 2 - side / 2, opaque for kOpaque, else
// with the choice's key colour left transparent; clipped to the background picture.
Bitmap IconDialogPreview(const Bitmap& background, const Bitmap& result, IconTransparency choice,
                         int control_side = 73);

// The icon file's 16 colours (the standard VGA colours) and the nearest-colour rule that maps
// every pixel to one of them.
const std::array<Colorref, 16>& IconPalette();
int NearestIconPaletteIndex(Colorref color);

// The icon file byte for byte: one 4-bit image with a 1-bit mask, of the icon's own side
// (5 to 128). Throws zorna::Error for another size.
std::vector<uint8_t> EncodeIconFile(const Icon& icon);

// Writes the icon file through a temporary file, so a failed save keeps the earlier file.
// Throws CannotCreateFile.
void WriteIconFile(const std::filesystem::path& path, const Icon& icon);

}  // namespace zorna
