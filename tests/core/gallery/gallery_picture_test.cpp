#include "gallery/gallery_picture.h"

#include <gtest/gtest.h>

#include "core/pack/block_codec_samples.h"
#include "core/test_folder.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

TEST(GalleryPicture, KeepsTheBitmapWithoutItsFirstThreeBytes) {
  const Bytes bitmap = samples::Bitmap24(64, 64, 5);
  const Bytes iko = EncodeGalleryPictureBytes(bitmap, "a.bmp");
  EXPECT_LT(iko.size(), bitmap.size() / 2);
  const GalleryPictureContents back = DecodeGalleryPictureBytes(iko);
  EXPECT_TRUE(back.complete);
  EXPECT_EQ(back.bitmap_file, bitmap);
  // Stored bytes come after the method code: "BM6" is not among them.
  const GalleryPictureContents stored = DecodeGalleryPictureBytes(Bytes{0, 'x', 'y'});
  EXPECT_EQ(stored.bitmap_file, (Bytes{'B', 'M', '6', 'x', 'y'}));
  const GalleryPictureContents cut = DecodeGalleryPictureBytes(Bytes{6, 1});
  EXPECT_FALSE(cut.complete);
  EXPECT_EQ(cut.bitmap_file, (Bytes{'B', 'M', '6'}));
}

TEST(GalleryPicture, RefusesWhatWouldNotComeBack) {
  const Bytes other = samples::Bitmap24(20, 20, 1);  // 1254 bytes: it starts with "BM\xE6"
  EXPECT_THROW(EncodeGalleryPictureBytes(other, "20.bmp"), Error);
  EXPECT_THROW(EncodeGalleryPictureBytes(Bytes{'B', 'M'}, "short.bmp"), Error);
  Bytes longest{'B', 'M', '6'};
  longest.resize(255 * 255, 7);
  EXPECT_NO_THROW(EncodeGalleryPictureBytes(longest, "longest.bmp"));
  longest.push_back(7);
  try {
    EncodeGalleryPictureBytes(longest, "long.bmp");
    ADD_FAILURE() << "a bitmap of 65026 bytes was accepted";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "long.bmp has 65026 bytes; a gallery picture keeps at most 65025");
  }
}

TEST(GalleryPicture, FileRoutinesDeleteTheBitmapOnlyOnceItIsKept) {
  testing::TestFolder dir;
  const Bytes bitmap = samples::Bitmap24(32, 32, 2);
  WriteFileAtomically(dir / "12000.bmp", bitmap);
  EncodeGalleryPicture(dir / "12000.bmp", dir / "12000.iko");
  EXPECT_FALSE(fs::exists(dir / "12000.bmp"));
  EXPECT_TRUE(DecodeGalleryPicture(dir / "12000.iko", dir / "back.bmp"));
  EXPECT_EQ(ReadWholeFile(dir / "back.bmp"), bitmap);

  WriteFileAtomically(dir / "zly.bmp", Bytes{'B', 'M', 'x'});
  EXPECT_THROW(EncodeGalleryPicture(dir / "zly.bmp", dir / "zly.iko"), Error);
  EXPECT_TRUE(fs::exists(dir / "zly.bmp"));
  EXPECT_FALSE(fs::exists(dir / "zly.iko"));
}

}  // namespace
}  // namespace zorna
