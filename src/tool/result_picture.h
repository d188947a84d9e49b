#pragma once
#include <optional>
#include <string>

#include "picture/bitmap.h"

namespace zornatool {

// The result picture of a command, or nothing after one line on stderr when it is not square.
// Unreadable files throw zorna::Error, which main reports.
std::optional<zorna::Bitmap> ReadResultPicture(const std::string& path);

}  // namespace zornatool
