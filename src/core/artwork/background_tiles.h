#pragma once
#include "picture/bitmap.h"
#include "picture/image_list.h"

namespace zorna {

// Both background lists hold this many pictures: 0 plain white, 1..17 decorative tiles and the
// last one the user's own background, which starts as a placeholder saying Vlastné pozadie.
constexpr int kBackgroundCount = 19;
constexpr int kUserBackground = kBackgroundCount - 1;

ImageList MakeImageList1();  // 32 x 32 pictures, for outputs up to 32
ImageList MakeImageList2();  // 64 x 64 pictures, for larger outputs

// The background index to select at start from the stored one: the user's picture is not
// stored, so its slot (or any index the list does not have) gives 0, plain white.
int BackgroundIndexFromSettings(int stored);

// Side of the background tile for an output side: 32 up to 32, else 64.
int BackgroundTileSize(int output);

// The two lists the program keeps for a whole run. Each keeps its own user picture, so a change
// of the output size across 32 also changes which user picture is in use.
struct BackgroundLists {
  ImageList list1 = MakeImageList1();
  ImageList list2 = MakeImageList2();

  ImageList& ForOutput(int output) { return output <= 32 ? list1 : list2; }
  const ImageList& ForOutput(int output) const { return output <= 32 ? list1 : list2; }
};

// Puts a picture into the user's slot, cut to the slot from its top-left corner. The result
// made a background is opaque; a picture chosen in the background dialog is its own mask, so
// its white pixels let the plain white background through.
void SetUserBackground(ImageList& list, const Bitmap& picture);
void SetUserBackgroundOwnMask(ImageList& list, const Bitmap& picture);

}  // namespace zorna
