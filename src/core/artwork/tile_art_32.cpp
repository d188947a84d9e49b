// The 32 x 32 background pictures.
#include "artwork/tile_art.h"
#include "artwork/tile_motifs.h"

namespace zorna {

std::vector<Canvas> DrawTileArt32() {
  constexpr int kSide = 32;
  std::vector<Canvas> tiles(19, Canvas(kSide, kSide));
  const Rect all{0, 0, kSide, kSide};
  FillRect(tiles[0], all, kWhite);
  FillRect(tiles[1], all, kLavender);
  DrawFolder(tiles[2], Rect{1, 4, 31, 28}, YellowFolder());
  DrawFolder(tiles[3], Rect{1, 4, 31, 28}, DitheredBlueFolder());
  DrawFolder(tiles[4], Rect{1, 4, 31, 28}, StripedBlueFolder());
  DrawAppWindow(tiles[5], Rect{1, 3, 31, 29}, false);
  DrawDisc(tiles[6], Rect{1, 1, 31, 31}, DiscKind::kCompact);
  DrawDisc(tiles[7], Rect{1, 1, 31, 31}, DiscKind::kRainbow);
  DrawDisc(tiles[8], Rect{1, 1, 31, 31}, DiscKind::kDark);
  DrawDesktopComputer(tiles[9], Rect{2, 2, 30, 30});
  DrawAllInOneComputer(tiles[10], Rect{3, 1, 29, 31});
  DrawAppWindow(tiles[11], Rect{1, 3, 31, 29}, true);
  DrawPage(tiles[12], Rect{6, 2, 26, 30}, true);
  DrawPage(tiles[13], Rect{6, 2, 26, 30}, false);
  DrawWhiteButton(tiles[14], Rect{2, 7, 30, 25}, ButtonState::kNormal);
  DrawWhiteButton(tiles[15], Rect{2, 7, 30, 25}, ButtonState::kFocused);
  DrawWhiteButton(tiles[16], Rect{2, 7, 30, 25}, ButtonState::kPressed);
  DrawBlueButton(tiles[17], Rect{2, 7, 30, 25});
  DrawUserSlotPlaceholder(tiles[18], 1);
  return tiles;
}

}  // namespace zorna
