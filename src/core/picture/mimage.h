#pragma once
#include <cstdint>
#include <vector>

#include "picture/bitmap.h"

namespace zorna {

// The six picture routines that composition and output share.

// The picture becomes width x height: it passes one quality-100 JPEG encode and decode, and the
// decoded picture is stretched (nearest neighbour) over the new size. Sides of 0 or less give
// an empty picture; an empty source gives a white picture of the new size.
void ZmenVelkost(Bitmap& picture, int width, int height);

// The picture encoded as a JPEG of the given quality (0..100, as given to libjpeg).
std::vector<uint8_t> ObrazokNaJpeg(const Bitmap& picture, int quality);

// The JPEG decoded into a bitmap; no bytes (an empty JPEG image) give an empty bitmap.
Bitmap JpegNaBitmapu(const std::vector<uint8_t>& jpeg);

// Recolours the 4-connected region of exactly equal colour that holds (x, y). A start outside
// the picture changes nothing.
void VyplnOblast(int x, int y, Bitmap& picture, Colorref color);

// The first colour of a fixed list of twenty that no pixel of the picture has; teal 0x808000
// when all twenty occur.
Colorref NepouzitaFarba(const Bitmap& picture);

// Draws the source at (x, y) of the canvas, clipped to it; source pixels of the transparent
// colour leave the canvas unchanged. Callers pass the source's own width and height.
void KresliPriehladne(Bitmap& canvas, int x, int y, int width, int height, const Bitmap& source,
                      Colorref transparent);

}  // namespace zorna
