// The 64 x 64 background pictures.
#include "artwork/tile_art.h"
#include "artwork/tile_motifs.h"

namespace zorna {

std::vector<Canvas> DrawTileArt64() {
  constexpr int kSide = 64;
  std::vector<Canvas> tiles(19, Canvas(kSide, kSide));
  const Rect all{0, 0, kSide, kSide};
  FillRect(tiles[0], all, kWhite);
  FillRect(tiles[1], all, kLavender);
  DrawFolder(tiles[2], Rect{16, 19, 48, 45}, YellowFolder());
  DrawFolder(tiles[3], Rect{2, 7, 62, 57}, YellowFolder());
  DrawMarbledBar(tiles[4], Rect{2, 20, 62, 44});
  DrawBevelledGradient(tiles[5], all, Rgb(120, 220, 214), Rgb(0, 96, 110));
  DrawDisc(tiles[6], Rect{2, 2, 62, 62}, DiscKind::kRainbow);
  DrawRoundDarkBlueButton(tiles[7], Rect{4, 4, 60, 60});
  DrawRainbowEllipse(tiles[8], Rect{2, 12, 62, 52});
  DrawBevelledGradient(tiles[9], all, Rgb(255, 226, 150), Rgb(214, 108, 24));
  DrawStone(tiles[10], all);
  DrawFramedSquare(tiles[11], all, 9, kBlack, Rgb(176, 178, 184), true);
  DrawFramedSquare(tiles[12], all, 7, kBlack, Rgb(150, 152, 158), false);
  DrawFramedSquare(tiles[13], all, 7, kCream, Rgb(150, 120, 84), true);
  DrawWhiteButton(tiles[14], Rect{4, 14, 60, 50}, ButtonState::kNormal);
  DrawWhiteButton(tiles[15], Rect{4, 14, 60, 50}, ButtonState::kFocused);
  DrawCreamSquare(tiles[16], Rect{3, 3, 61, 61}, 10);
  DrawCreamSquare(tiles[17], Rect{20, 20, 44, 44}, 3);
  DrawUserSlotPlaceholder(tiles[18], 2);
  return tiles;
}

}  // namespace zorna
