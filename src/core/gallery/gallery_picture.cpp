#include "gallery/gallery_picture.h"

#include <algorithm>
#include <string_view>

#include "pack/block_codec.h"
#include "pack/block_codec_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

constexpr std::string_view kDroppedStart = "BM6";
static_assert(kGalleryPictureFileLimit == 4 + kBlockSize);

}  // namespace

std::vector<uint8_t> EncodeGalleryPictureBytes(std::span<const uint8_t> bitmap_file,
                                               const std::string& shown_name) {
  if (bitmap_file.size() < kDroppedStart.size() ||
      !std::equal(kDroppedStart.begin(), kDroppedStart.end(), bitmap_file.begin())) {
    throw Error(shown_name +
                    " does not start with \"BM6\" (a 24-bit bitmap of 32 x 32, 64 x 64 or "
                    "128 x 128 pixels), so the gallery cannot keep it",
                "Súbor " + shown_name +
                    " nezačína „BM6“ (24-bitová bitmapa s rozmerom 32 x 32, 64 x 64 alebo "
                    "128 x 128 bodov), preto ho galéria nemôže uchovať");
  }
  if (bitmap_file.size() > kBlockSize) {
    const std::string size = std::to_string(bitmap_file.size());
    throw Error(shown_name + " has " + size + " bytes; a gallery picture keeps at most " +
                    std::to_string(kBlockSize),
                "Súbor " + shown_name + " má " + size + " bajtov; obrázok galérie má najviac " +
                    std::to_string(kBlockSize));
  }
  return EncodeBlockFile(bitmap_file.subspan(kDroppedStart.size()));
}

GalleryPictureContents DecodeGalleryPictureBytes(std::span<const uint8_t> iko_file) {
  const BlockFileContents contents = DecodeBlockFile(iko_file);
  GalleryPictureContents picture;
  picture.bitmap_file.reserve(kDroppedStart.size() + contents.block.size());
  picture.bitmap_file.assign(kDroppedStart.begin(), kDroppedStart.end());
  picture.bitmap_file.insert(picture.bitmap_file.end(), contents.block.begin(),
                             contents.block.end());
  picture.complete = contents.complete;
  return picture;
}

void EncodeGalleryPicture(const std::filesystem::path& bmp_path,
                          const std::filesystem::path& iko_path) {
  const std::vector<uint8_t> bitmap = ReadWholeFile(bmp_path, kBlockSize);
  WriteFileAtomically(iko_path, EncodeGalleryPictureBytes(bitmap, bmp_path.string()));
  ZmazSubor(bmp_path.string());
}

bool DecodeGalleryPicture(const std::filesystem::path& iko_path,
                          const std::filesystem::path& bmp_path) {
  const GalleryPictureContents picture =
      DecodeGalleryPictureBytes(ReadFileStart(iko_path, kGalleryPictureFileLimit));
  WriteFileAtomically(bmp_path, picture.bitmap_file);
  return picture.complete;
}

}  // namespace zorna
