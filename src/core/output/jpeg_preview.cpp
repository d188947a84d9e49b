#include "output/jpeg_preview.h"

#include <fstream>

#include "picture/mimage.h"
#include "support/error.h"
#include "support/files.h"
#include "text/text_helpers.h"

namespace zorna {

namespace {

// The trial file lives for a moment only, so it is written plainly, without the flush to disk
// of the program's saves.
void WriteTrialFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    // What could not be opened is not ours to delete.
    if (!out) throw CannotCreateFile(path);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (out.flush()) return;
  }
  // A part written before the disk filled up.
  try {
    ZmazSubor(path);
  } catch (const Error&) {
  }
  throw CannotCreateFile(path);
}

}  // namespace

JpegPreview MakeJpegPreview(const Bitmap& picture, int quality, const std::string& folder,
                            InterfaceLanguage language) {
  const std::string path = PridajLomitko(folder) + kJpegTrialFileName;
  WriteTrialFile(path, ObrazokNaJpeg(picture, quality));
  std::vector<uint8_t> loaded;
  try {
    loaded = ReadWholeFile(path);
  } catch (...) {
    ZmazSubor(path);
    throw;
  }
  JpegPreview preview;
  preview.file_size = VelkostSuboru(path);
  preview.size_text = SizeText(preview.file_size, language);
  ZmazSubor(path);
  preview.picture = JpegNaBitmapu(loaded);
  return preview;
}

}  // namespace zorna
