#pragma once
// Scalable pictures (SVG) rendered for the gallery with librsvg, linked into the tool only: the
// core stays free of such libraries.
#include <filesystem>

#include "picture/bitmap.h"

namespace zornatool {

// The picture rendered into side x side pixels (its own proportions kept, centred) and
// flattened over white, the gallery's transparent colour. Throws zorna::Error for a file that
// cannot be read or rendered.
zorna::Bitmap RenderSvgPicture(const std::filesystem::path& path, int side);

}  // namespace zornatool
