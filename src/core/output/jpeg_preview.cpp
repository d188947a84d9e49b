#include "output/jpeg_preview.h"

#include "picture/mimage.h"
#include "support/files.h"
#include "support/text_helpers.h"

namespace zorna {

JpegPreview MakeJpegPreview(const Bitmap& picture, int quality, const std::string& folder) {
  const std::string path = PridajLomitko(folder) + kJpegTrialFileName;
  WriteFileAtomically(path, ObrazokNaJpeg(picture, quality));
  std::vector<uint8_t> loaded;
  try {
    loaded = ReadWholeFile(path);
  } catch (...) {
    ZmazSubor(path);
    throw;
  }
  JpegPreview preview;
  preview.file_size = VelkostSuboru(path);
  preview.size_text = SizeText(preview.file_size, "bajtov");
  ZmazSubor(path);
  preview.picture = JpegNaBitmapu(loaded);
  return preview;
}

}  // namespace zorna
