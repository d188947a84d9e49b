#pragma once
#include <cstdint>
#include <string>

#include "picture/bitmap.h"
#include "text/interface_language.h"

namespace zorna {

// What the JPEG dialog shows for one quality: the picture after encoding and decoding, and the
// encoded size.
struct JpegPreview {
  Bitmap picture;
  int64_t file_size = 0;
  std::string size_text;  // "999 bajtov", "1,46 KB"
};

// The name of the dialog's temporary file.
inline constexpr const char* kJpegTrialFileName = "Trap.jpg";

// The JPEG dialog's change step: encodes the picture at the quality (0..100, passed on as
// given), writes "Trap.jpg" into `folder` (ending in "/"), reads it back, measures and deletes
// it, and decodes what was read. The size is told in the window's language. A file that cannot
// be written or read throws CannotCreateFile / CannotOpenFile.
JpegPreview MakeJpegPreview(const Bitmap& picture, int quality, const std::string& folder,
                            InterfaceLanguage language = InterfaceLanguage::kSlovak);

}  // namespace zorna
