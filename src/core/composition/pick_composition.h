#pragma once
#include "picture/bitmap.h"

namespace zorna {

// What a pick reads from the window at every mouse move.
struct PickSettings {
  int input = 32;            // side I of the picked square
  int output = 32;           // side O of the preview and the result
  int mode = 1;              // 0..7, the order of the mode list
  bool smooth = false;       // smooth enlargement on
  bool shrink_mode1 = true;  // the shrink button reads "mód 1"
  int x = 0;
  int y = 0;
};

// Composes the square at (x, y) of the screen picture over the background tile into the preview
// (O x O; it keeps what it showed in mode 0, where everything composed since its last
// replacement is ANDed together). `work` is the scratch picture. Nothing is read or written
// outside a picture; an output side of 0 draws nothing.
void ComposePick(const Bitmap& screen, const Bitmap& tile, const PickSettings& pick,
                 Bitmap& preview, Bitmap& work);

// The four transforms of the result, in place.
void PreklopZvislo(Bitmap& picture);
void PreklopVodorovne(Bitmap& picture);
void OtocDolava(Bitmap& picture, Bitmap& work);
void OtocDoprava(Bitmap& picture, Bitmap& work);

}  // namespace zorna
