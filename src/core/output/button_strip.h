#pragma once
#include "picture/bitmap.h"

namespace zorna {

// Colours of the two-state button strip.
constexpr Colorref kButtonTransparent = Rgb(0x80, 0x80, 0x00);  // olive #808000
constexpr Colorref kButtonGrey = Rgb(0x80, 0x80, 0x80);
constexpr Colorref kButtonMediumGrey = Rgb(0xA0, 0xA0, 0xA4);
constexpr Colorref kButtonSilver = Rgb(0xC0, 0xC0, 0xC0);

// The two-state button strip of a result picture of side s: 2s x s, the normal glyph on the
// left (pure white turned olive, the strips' transparent colour) and the greyed, disabled glyph
// on the right (olive stays, black becomes grey, grey becomes #A0A0A4, the rest silver).
Bitmap ZmenNaBtn(const Bitmap& result);

}  // namespace zorna
