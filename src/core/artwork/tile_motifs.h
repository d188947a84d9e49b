#pragma once
#include "picture/drawing.h"

namespace zorna {

// The little drawings the background tiles are made of. Each one fits itself into the given
// rectangle, so the 32 x 32 and 64 x 64 tiles share them at different sizes.

// Objects with a transparent surround.
struct FolderLook {
  enum class Flap { kGradient, kDithered, kStriped };
  Flap flap;  // how the front flap mixes its two colours
  Colorref light;
  Colorref dark;
  Colorref back;
  Colorref outline;
};
FolderLook YellowFolder();
FolderLook DitheredBlueFolder();
FolderLook StripedBlueFolder();
void DrawFolder(Canvas& canvas, const Rect& r, const FolderLook& look);

enum class DiscKind { kCompact, kRainbow, kDark };
void DrawDisc(Canvas& canvas, const Rect& r, DiscKind kind);

void DrawAppWindow(Canvas& canvas, const Rect& r, bool table_grid);
void DrawDesktopComputer(Canvas& canvas, const Rect& r);
void DrawAllInOneComputer(Canvas& canvas, const Rect& r);
void DrawPage(Canvas& canvas, const Rect& r, bool filled);  // unfilled: only its outline

// Buttons and surfaces.
enum class ButtonState { kNormal, kFocused, kPressed };
void DrawWhiteButton(Canvas& canvas, const Rect& r, ButtonState state);
void DrawBlueButton(Canvas& canvas, const Rect& r);
void DrawRoundDarkBlueButton(Canvas& canvas, const Rect& r);
void DrawRainbowEllipse(Canvas& canvas, const Rect& r);
void DrawMarbledBar(Canvas& canvas, const Rect& r);
void DrawBevelledGradient(Canvas& canvas, const Rect& r, Colorref from, Colorref to);
void DrawStone(Canvas& canvas, const Rect& r);
// A square of one colour inside a frame `frame` pixels wide, raised and bevelled or flat.
void DrawFramedSquare(Canvas& canvas, const Rect& r, int frame, Colorref inner,
                      Colorref frame_colour, bool bevelled);
void DrawCreamSquare(Canvas& canvas, const Rect& r, int radius);

// The user's slot before the user puts a picture there: the words Vlastné pozadie.
void DrawUserSlotPlaceholder(Canvas& canvas, int scale);

constexpr Colorref kLavender = Rgb(230, 230, 250);
constexpr Colorref kCream = 0xF0FBFF;

}  // namespace zorna
