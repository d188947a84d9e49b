#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

#include "picture/alpha_picture.h"

namespace zorna {

// The sides an icon with alpha holds for a picture of this side: its own, then each standard
// side below it of 128, 64, 48, 32, 24 and 16, largest first.
std::vector<int> AlphaIconSides(int side);

// The largest side an icon file can hold (its directory stores 256 as 0).
constexpr int kMaxAlphaIconSide = 256;
// Sides up to this one are written as bitmap entries; larger ones as PNG entries, which is
// how readers expect such sizes.
constexpr int kMaxBitmapEntrySide = 128;

// One icon file holding the square picture at each of the sides (largest first, each written
// once), every entry 32 bits a pixel with the picture's alpha; a smaller side is the picture
// reduced by area averaging. A bitmap entry also carries the 1-bit mask of older readers
// (1 where alpha is below half). Throws zorna::Error for a picture that is not square, or a
// side below 1, above the picture's own or above kMaxAlphaIconSide.
std::vector<uint8_t> EncodeAlphaIconFile(const AlphaPicture& picture, std::vector<int> sides);

// Writes the file through a temporary file, so a failed save keeps the earlier file. Throws
// CannotCreateFile.
void WriteAlphaIconFile(const std::filesystem::path& path, const AlphaPicture& picture,
                        const std::vector<int>& sides);

}  // namespace zorna
