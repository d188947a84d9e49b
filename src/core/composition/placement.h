#pragma once
#include "picture/bitmap.h"
#include "picture/image_list.h"
#include "picture/raster.h"

// The placement slot of the screen picture: pictures from a file, the gallery, the paint program
// and a line of typed text are painted there and then picked like anything else on the screen.
namespace zorna {

inline constexpr Rect kPlacementSlot{320, 10, 437, 127};
// Widened to the right for a line of typed text.
inline constexpr Rect kTextSlot{320, 10, 537, 127};
// A small (32 x 32) and a large (64 x 64) picture share the slot's centre (378, 68).
inline constexpr int kSmallPictureX = 362;
inline constexpr int kSmallPictureY = 52;
inline constexpr int kLargePictureX = 346;
inline constexpr int kLargePictureY = 36;

// Paints the area blank as the program does it: the blank tile (entry 0 of the 64 x 64
// background list) is drawn into scratch and its top-left side x side square stretched over the
// area. Past the tile's 64 pixels the stretch reads white, so the area is plain white at any
// side. scratch keeps the tile.
void PaintBlank(Bitmap& screen, const Rect& area, const ImageList& backgrounds64, int side,
                Bitmap& scratch);

// Copies the picture's top-left corner, at most max_side square, one to one with its top-left
// at (x, y): only the picture's own pixels, so a smaller picture leaves the rest as it was.
void PastePicture(Bitmap& screen, int x, int y, const Bitmap& picture, int max_side);

// Where the result itself is put back on the screen picture: a white area that grows with the
// output side, and the point of the result's top-left corner in it.
Rect ResultPlacementArea(int side);
int ResultPlacementX(int side);
int ResultPlacementY(int side);

}  // namespace zorna
