// Our picture files against tools nobody here wrote: ImageMagick's convert and Pillow.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "picture/bmp_file.h"
#include "picture/jpeg_file.h"
#include "picture/picture_file.h"
#include "support/files.h"

namespace zorna {
namespace {

namespace fs = std::filesystem;

bool RunShell(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

std::string Quote(const fs::path& path) {
  return "'" + path.string() + "'";
}

// The first python that has Pillow (a pyenv shim may shadow the system one).
std::string PythonWithPillow() {
  for (const char* candidate : {"python3", "/usr/bin/python3"}) {
    if (RunShell(std::string(candidate) + " -c 'import PIL' >/dev/null 2>&1")) return candidate;
  }
  return "";
}

// A binary PPM, the plainest format both tools read and write.
void WritePpm(const fs::path& path, const Bitmap& picture) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << picture.Width() << " " << picture.Height() << "\n255\n";
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const Colorref c = picture.Pixel(x, y);
      out.put(static_cast<char>(RedOf(c))).put(static_cast<char>(GreenOf(c)));
      out.put(static_cast<char>(BlueOf(c)));
    }
}

Bitmap ReadPpm(const fs::path& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  std::string text(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 64));
  std::istringstream header(text);
  std::string magic;
  int w = 0, h = 0, max = 0;
  header >> magic >> w >> h >> max;
  const size_t start = static_cast<size_t>(header.tellg()) + 1;
  if (magic != "P6" || max != 255 || bytes.size() < start + size_t(w) * h * 3) return Bitmap();
  Bitmap picture(w, h);
  const uint8_t* p = bytes.data() + start;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x, p += 3) picture.SetPixel(x, y, Rgb(p[0], p[1], p[2]));
  return picture;
}

int LargestChannelDifference(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return 1000;
  int most = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const Colorref p = a.Pixel(x, y), q = b.Pixel(x, y);
      most = std::max({most, std::abs(RedOf(p) - RedOf(q)), std::abs(GreenOf(p) - GreenOf(q)),
                       std::abs(BlueOf(p) - BlueOf(q))});
    }
  return most;
}

// Many colours, sharp edges and an odd width, so palettes, masks and row padding all matter.
Bitmap Pattern(int w, int h) {
  Bitmap picture(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      picture.SetPixel(x, y,
                       Rgb(x * 255 / (w - 1), y * 255 / (h - 1), ((x / 4 + y / 3) % 2) * 200));
  return picture;
}

// A smooth picture, on which different JPEG decoders agree closely.
Bitmap Gradient(int w, int h) {
  Bitmap picture(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) picture.SetPixel(x, y, Rgb(40 + x * 3, 200 - y * 2, 90 + x + y));
  return picture;
}

class PictureInterop : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(RunShell("convert -version >/dev/null 2>&1")) << "ImageMagick's convert is needed";
    folder_ =
        fs::temp_directory_path() / ("zorna-picture-interop-" + std::to_string(getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path In(const std::string& name) const { return folder_ / name; }

  // What ImageMagick sees in a file, as RGB pixels.
  Bitmap ImageMagickReads(const fs::path& file) {
    const fs::path out = In(file.filename().string() + ".im.ppm");
    EXPECT_TRUE(RunShell("convert " + Quote(file) + " -depth 8 ppm:" + Quote(out)));
    return ReadPpm(out);
  }
  Bitmap PillowReads(const fs::path& file) {
    const std::string python = PythonWithPillow();
    EXPECT_FALSE(python.empty()) << "python3 with Pillow is needed";
    const fs::path out = In(file.filename().string() + ".pil.ppm");
    EXPECT_TRUE(RunShell(python +
                         " -c 'import sys; from PIL import Image; "
                         "Image.open(sys.argv[1]).convert(\"RGB\").save(sys.argv[2], \"PPM\")' " +
                         Quote(file) + " " + Quote(out)));
    return ReadPpm(out);
  }

  fs::path folder_;
};

struct BmpKind {
  const char* name;
  const char* convert_options;  // between the source and the output
  int bits;
  int compression;
  int header_size;
};

TEST_F(PictureInterop, BmpFilesWrittenByImageMagickLoadWithItsPixels) {
  const fs::path source = In("source.ppm");
  WritePpm(source, Pattern(37, 23));
  const BmpKind kinds[] = {
      {"1bit", "-colors 2 -compress None BMP3:", 1, 0, 40},
      {"4bit", "-colors 16 -compress None BMP3:", 4, 0, 40},
      {"8bit", "-colors 200 -compress None BMP3:", 8, 0, 40},
      {"rle8", "-colors 200 -compress RLE BMP3:", 8, 1, 40},
      {"rgb555", "-define bmp:subtype=RGB555 BMP3:", 16, 3, 40},
      {"rgb565", "-define bmp:subtype=RGB565 BMP3:", 16, 3, 40},
      {"24bit", "-type TrueColor BMP3:", 24, 0, 40},
      {"24bit-v5", "-type TrueColor BMP:", 24, 0, 124},
      {"32bit-v5", "-alpha on BMP:", 32, 3, 124},
      {"core", "-type TrueColor BMP2:", 24, 0, 12},
  };
  for (const BmpKind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    const fs::path file = In(std::string(kind.name) + ".bmp");
    ASSERT_TRUE(RunShell("convert " + Quote(source) + " " + kind.convert_options + Quote(file)));
    const std::vector<uint8_t> bytes = ReadWholeFile(file);
    ASSERT_GE(bytes.size(), 34u);
    // Make sure ImageMagick wrote the kind this case is about.
    ASSERT_EQ(bytes[14], kind.header_size);
    if (kind.header_size == 12) {
      ASSERT_EQ(bytes[24], kind.bits);
    } else {
      ASSERT_EQ(bytes[28], kind.bits);
      ASSERT_EQ(bytes[30], kind.compression);
    }
    const Bitmap ours = DecodeBmp(bytes.data(), bytes.size());
    const Bitmap theirs = ImageMagickReads(file);
    ASSERT_FALSE(theirs.Empty());
    EXPECT_EQ(LargestChannelDifference(ours, theirs), 0);
  }
}

TEST_F(PictureInterop, OurBmpFilesReadTheSameInImageMagickAndPillow) {
  for (int w : {1, 2, 37, 64}) {
    SCOPED_TRACE(w);
    const Bitmap picture = Pattern(std::max(w, 2), 9);
    const fs::path file = In("ours" + std::to_string(w) + ".bmp");
    WriteBmpFile(file, picture);
    EXPECT_EQ(ImageMagickReads(file), picture);
    EXPECT_EQ(PillowReads(file), picture);
    EXPECT_EQ(ReadPictureFile(file), picture);
  }
}

TEST_F(PictureInterop, OurJpegFilesDecodeAlikeEverywhereWithTheQualityWeGave) {
  const Bitmap picture = Gradient(45, 30);
  for (int quality : {37, 100}) {
    SCOPED_TRACE(quality);
    const fs::path file = In("ours" + std::to_string(quality) + ".jpg");
    WriteJpegFile(file, picture, quality);
    const Bitmap ours = ReadPictureFile(file);
    EXPECT_LE(LargestChannelDifference(ours, ImageMagickReads(file)), 2);
    EXPECT_LE(LargestChannelDifference(ours, PillowReads(file)), 2);
    EXPECT_LE(LargestChannelDifference(ours, picture), quality == 100 ? 4 : 40);
    const fs::path reported = In("quality.txt");
    ASSERT_TRUE(RunShell("identify -format %Q " + Quote(file) + " > " + Quote(reported)));
    EXPECT_EQ(ReadWholeFileText(reported), std::to_string(quality));
  }
}

TEST_F(PictureInterop, JpegKindsWrittenByImageMagickDecodeLikeImageMagickReadsThem) {
  const fs::path source = In("source.ppm");
  WritePpm(source, Gradient(40, 24));
  const struct {
    const char* name;
    const char* options;
    uint8_t frame_marker;
    int components;
  } kinds[] = {
      {"baseline", "-quality 90", 0xC0, 3},
      {"progressive", "-quality 90 -interlace JPEG", 0xC2, 3},
      {"grey", "-colorspace Gray", 0xC0, 1},
      {"cmyk", "-colorspace CMYK", 0xC0, 4},
  };
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.name);
    const fs::path file = In(std::string(kind.name) + ".jpg");
    ASSERT_TRUE(RunShell("convert " + Quote(source) + " " + kind.options + " " + Quote(file)));
    const std::vector<uint8_t> bytes = ReadWholeFile(file);
    size_t frame = 0;
    for (size_t i = 2; i + 10 < bytes.size() && frame == 0; ++i)
      if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) frame = i;
    ASSERT_NE(frame, 0u);
    ASSERT_EQ(bytes[frame + 1], kind.frame_marker);
    ASSERT_EQ(bytes[frame + 9], kind.components);
    const Bitmap ours = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_LE(LargestChannelDifference(ours, ImageMagickReads(file)), 2);
  }
}

std::string ErrorReading(const fs::path& file) {
  try {
    ReadPictureFile(file);
  } catch (const std::exception& e) {
    // What is wrong with the contents follows the file's name.
    const std::string what = e.what(), named = file.string() + ": ";
    return what.rfind(named, 0) == 0 ? what.substr(named.size()) : "unnamed: " + what;
  }
  return "read";
}

TEST_F(PictureInterop, PictureFilesAreKnownByContentThenByExtension) {
  const Bitmap picture = Pattern(5, 4);
  // A JPEG under a .bmp name and a BMP without an extension still load.
  WriteFileAtomically(In("photo.bmp"), EncodeJpeg(picture, 100));
  EXPECT_EQ(ReadPictureFile(In("photo.bmp")).Width(), 5);
  WriteFileAtomically(In("plain"), EncodeBmp24(picture));
  EXPECT_EQ(ReadPictureFile(In("plain")), picture);

  WriteFileAtomically(In("broken.BMP"), std::string("not a picture"));
  EXPECT_EQ(ErrorReading(In("broken.BMP")), "Bitmap image is not valid");
  WriteFileAtomically(In("broken.jpeg"), std::string("not a picture"));
  EXPECT_EQ(ErrorReading(In("broken.jpeg")).rfind("JPEG error #", 0), 0u);
  WriteFileAtomically(In("icon.ico"), std::string("\0\0\1\0", 4));
  EXPECT_EQ(ErrorReading(In("icon.ico")), "Can only modify an image if it contains a bitmap");
  WriteFileAtomically(In("picture.png"), std::string("\x89PNG"));
  EXPECT_EQ(ErrorReading(In("picture.png")), "PNG image is not valid: no PNG signature");
  // A PNG under another picture's name is known by its signature.
  std::filesystem::copy_file(fs::path(ZORNA_TEST_DATA) / "png/valid/palette-8bit.png",
                             In("palette.jpg"));
  EXPECT_EQ(ReadPictureFile(In("palette.jpg")).Width(), 13);
  WriteFileAtomically(In("picture.gif"), std::string("GIF89a"));
  EXPECT_EQ(ErrorReading(In("picture.gif")), "Unknown picture file extension (.gif)");
  try {
    ReadPictureFile(In("missing.bmp"));
    ADD_FAILURE() << "a missing file was read";
  } catch (const std::exception& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file " + In("missing.bmp").string() + ": No such file or directory");
  }
}

TEST_F(PictureInterop, AFailedWriteKeepsThePreviousFile) {
  const fs::path file = In("kept.bmp");
  WriteBmpFile(file, Pattern(3, 3));
  EXPECT_THROW(WriteBmpFile(In("no-such-folder") / "x.bmp", Pattern(3, 3)), std::exception);
  // A picture libjpeg refuses (wider than a JPEG can be) leaves the old file in place.
  EXPECT_THROW(WriteJpegFile(file, Bitmap(70000, 1), 90), std::exception);
  EXPECT_EQ(ReadPictureFile(file), Pattern(3, 3));
}

}  // namespace
}  // namespace zorna
