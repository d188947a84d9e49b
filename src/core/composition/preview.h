#pragma once
#include "picture/bitmap.h"
#include "picture/image_list.h"

namespace zorna {

// The eight ways of putting the picked square over the background (the mode list's indices).
enum CompositionMode {
  kCombineColours = 0,          // background AND square
  kCoverWithPicture = 1,        // the square covers the background
  kTransparentWhite = 2,        // white pixels show the background
  kTransparentTopLeft = 3,      // the colour of the top-left pixel does
  kTransparentBottomRight = 4,  // the colour of the bottom-right pixel does
  kCropFromTopLeft = 5,         // the uniform region touching the top-left pixel does
  kCropFromBottomRight = 6,     // the one touching the bottom-right pixel does
  kCropFromBoth = 7,            // both regions do
};
constexpr int kCompositionModeCount = 8;

// The texts of the mode list, in index order.
extern const char* const kCompositionModeNames[kCompositionModeCount];

// What a pick reads from the controls, all read afresh at every pick.
struct PickSettings {
  int input = 32;                // I: side of the picked square (0 for an unconfirmed custom size)
  int output = 32;               // O: side of the preview
  int mode = kCoverWithPicture;  // an index outside 0..7 composes as mode 1
  int background = 0;        // index into the tile list; outside it (-1: none) leaves plain white
  bool smooth = false;       // smooth enlargement on
  bool shrink_mode1 = true;  // the shrink button reads "mód 1"
  int x = 0;                 // pick point: top-left corner of the square in the screen picture
  int y = 0;
};

// Composes the square (x, y)-(x+I, y+I) of the screen picture into the preview over background
// tile `background` of `tiles` (the list for this output size, see BackgroundLists::ForOutput).
// `preview` is the O x O preview as the previous pick left it: mode 0 combines with what it
// shows, and the resampling cases replace it. `work` is the shared scratch picture; it is left
// holding the tile or the work picture. The square may reach past the screen picture's edges;
// what lies outside reads as white. Nothing outside any bitmap is read or written.
void ComposePreview(const Bitmap& screen, const ImageList& tiles, const PickSettings& settings,
                    Bitmap& preview, Bitmap& work);

}  // namespace zorna
