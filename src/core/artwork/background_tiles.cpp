#include "artwork/background_tiles.h"

#include <vector>

#include "artwork/tile_art.h"

namespace zorna {
namespace {

ImageList ListOf(int side, const std::vector<Canvas>& art) {
  ImageList list(side, side);
  for (const Canvas& tile : art) list.Add(tile.picture, &tile.mask);
  return list;
}

}  // namespace

ImageList MakeImageList1() {
  return ListOf(32, DrawTileArt32());
}
ImageList MakeImageList2() {
  return ListOf(64, DrawTileArt64());
}

int BackgroundIndexFromSettings(int stored) {
  return stored >= 0 && stored < kUserBackground ? stored : 0;
}

int BackgroundTileSize(int output) {
  return output <= 32 ? 32 : 64;
}

void SetUserBackground(ImageList& list, const Bitmap& picture) {
  list.Replace(kUserBackground, picture);
}

void SetUserBackgroundOwnMask(ImageList& list, const Bitmap& picture) {
  list.Replace(kUserBackground, picture, &picture);
}

}  // namespace zorna
