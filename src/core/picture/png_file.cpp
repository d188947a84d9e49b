#include "picture/png_file.h"

#include <png.h>
#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "picture/jpeg_file.h"
#include "support/error.h"

namespace zorna {

// libpng hands rows over as R, G, B, A bytes, which on a little-endian machine is the Colorref
// layout 0x00BBGGRR with alpha in the top byte.
static_assert(std::endian::native == std::endian::little, "pixel rows are read as RGBA bytes");

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Deflate cannot give more than about 1032 bytes for each byte it reads: a header claiming
// more pixels than that over the whole file describes data that is not there.
constexpr uint64_t kMostInflation = 1032;
// Pixel rows are taken in steps, so a picture that stops early fails at the end of its data
// instead of taking memory for rows that never come.
constexpr int64_t kEagerPixels = 1 << 20;
// Ancillary chunks are only skipped, but libpng would still take memory for each one read.
constexpr png_alloc_size_t kMostChunkBytes = 8 << 20;

// Chunks that say nothing about the pixels as the program shows them: text, colour
// management, time, histogram, suggested palettes, physical size.
constexpr png_byte kSkippedChunks[] =
    "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0"
    "sBIT\0sCAL\0sPLT\0sRGB\0tEXt\0tIME\0zTXt";

// The bytes come from memory or, when file is set, from the file.
struct Reading {
  const uint8_t* data;
  size_t size;
  std::FILE* file = nullptr;
  size_t at = 0;
  uint64_t source_size = size;  // of the whole file, for the check against lying headers
  int64_t max_pixels = int64_t{kMaxPictureSide} * kMaxPictureSide;
  // Only the top-left max_width x max_height corner is kept.
  int max_width = INT_MAX;
  int max_height = INT_MAX;
  Bitmap picture;
  std::vector<Colorref> line;  // a whole row, of which only the kept part goes into the picture
  char failure[200] = {};
};

[[noreturn]] void Fail(png_structp png, png_const_charp message) {
  Reading* reading = static_cast<Reading*>(png_get_error_ptr(png));
  std::snprintf(reading->failure, sizeof reading->failure, "%s", message);
  png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

void ReadBytes(png_structp png, png_bytep out, png_size_t count) {
  Reading* reading = static_cast<Reading*>(png_get_io_ptr(png));
  if (reading->file != nullptr) {
    if (std::fread(out, 1, count, reading->file) != count) png_error(png, "the file is cut short");
    return;
  }
  if (reading->size - reading->at < count) png_error(png, "the file is cut short");
  std::memcpy(out, reading->data + reading->at, count);
  reading->at += count;
}

uint32_t BigEndian32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | p[3];
}

// The header as the file states it, looked at before libpng sees the file: it must come first
// (libpng would let skipped chunks pass before it), and a picture too large to hold is refused
// in the program's words. Empty when the header may go on to libpng.
std::string HeaderFault(const uint8_t* data, size_t size) {
  if (size < 24 || std::memcmp(data + 12, "IHDR", 4) != 0)
    return "the file does not start with IHDR";
  const uint32_t width = BigEndian32(data + 16), height = BigEndian32(data + 20);
  if (width <= kMaxPictureSide && height <= kMaxPictureSide) return "";
  return std::to_string(width) + " x " + std::to_string(height) + " pixels, more than " +
         std::to_string(kMaxPictureSide) + " on a side";
}

// Premultiplies over white: the program's transparent colour.
void FlattenOverWhite(Colorref* row, int width) {
  for (int x = 0; x < width; ++x) {
    const uint32_t p = row[x], a = p >> 24;
    if (a == 0xFF) {
      row[x] = p & 0xFFFFFF;
      continue;
    }
    auto over = [a](uint32_t c) { return (c * a + 255 * (255 - a) + 127) / 255; };
    row[x] = over(p & 0xFF) | over((p >> 8) & 0xFF) << 8 | over((p >> 16) & 0xFF) << 16;
  }
}

// Every pass of an interlaced file adds pixels all over the picture, so each is read through;
// only the last can stop after the rows kept. Rows below them pass through one scratch row.
void ReadInterlacedRows(png_structp png, Reading& r, int width, int height, int passes) {
  const int kept = std::min(height, r.max_height);
  // The size was checked against the data.
  r.picture = Bitmap(width, kept, kWhite);
  if (kept < height) r.line.assign(static_cast<size_t>(width), kWhite);
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < height && (pass + 1 < passes || y < kept); ++y) {
      Colorref* row = y < kept ? r.picture.Row(y) : r.line.data();
      png_read_row(png, reinterpret_cast<png_bytep>(row), nullptr);
    }
  }
  r.picture.SetSize(std::min(width, r.max_width), kept);
}

void ReadRows(png_structp png, Reading& r, int width, int height, int passes) {
  if (passes > 1) {
    ReadInterlacedRows(png, r, width, height, passes);
  } else {
    const int w = std::min(width, r.max_width), h = std::min(height, r.max_height);
    if (w < width) r.line.resize(static_cast<size_t>(width));
    int rows_taken = static_cast<int>(std::min<int64_t>(h, std::max<int64_t>(1, kEagerPixels / w)));
    r.picture = Bitmap(w, rows_taken, kWhite);
    for (int y = 0; y < h; ++y) {
      if (y == rows_taken) {
        rows_taken = std::min(h, rows_taken * 2);
        r.picture.SetSize(w, rows_taken);
      }
      Colorref* row = w < width ? r.line.data() : r.picture.Row(y);
      png_read_row(png, reinterpret_cast<png_bytep>(row), nullptr);
      if (w < width) std::copy_n(row, w, r.picture.Row(y));
    }
  }
  for (int y = 0; y < r.picture.Height(); ++y)
    FlattenOverWhite(r.picture.Row(y), r.picture.Width());
}

// Returns false with r.failure set. Only trivially destructible locals live in this frame, so
// libpng's jump back skips no destructor; what changes while reading lives in *r.
bool DecodeInto(Reading& r) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r, Fail, IgnoreWarning);
  if (png == nullptr) throw std::bad_alloc();
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    throw std::bad_alloc();
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &r, ReadBytes);
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_malloc_max(png, kMostChunkBytes);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kSkippedChunks,
                              static_cast<int>(sizeof kSkippedChunks / 5));
  png_read_info(png, info);
  png_uint_32 width = 0, height = 0;
  int bit_depth = 0, color_type = 0, interlace = 0;
  png_get_IHDR(png, info, &width, &height, &bit_depth, &color_type, &interlace, nullptr, nullptr);
  const uint64_t pixel_bytes =
      (uint64_t{width} * png_get_channels(png, info) * bit_depth + 7) / 8 * height;
  if (int64_t{width} * height > r.max_pixels) png_error(png, "the picture is too large");
  if (pixel_bytes / kMostInflation > r.source_size) {
    png_error(png, "the header claims more pixels than the file holds");
  }
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != size_t{width} * 4) png_error(png, "unexpected row layout");
  try {
    ReadRows(png, r, static_cast<int>(width), static_cast<int>(height), passes);
  } catch (...) {
    png_destroy_read_struct(&png, &info, nullptr);
    throw;
  }
  // The chunks after the pixels up to IEND, with their checksums: a file cut there is cut. A
  // reading that kept only the top rows leaves the rest of the file unread.
  if (height <= static_cast<png_uint_32>(r.max_height)) png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

Error NotValid(const std::string& why) {
  return Error("PNG image is not valid: " + why);
}

struct Writing {
  std::vector<uint8_t> out;
  std::vector<png_byte> row;
  char failure[200] = {};
};

[[noreturn]] void FailWriting(png_structp png, png_const_charp message) {
  Writing* writing = static_cast<Writing*>(png_get_error_ptr(png));
  std::snprintf(writing->failure, sizeof writing->failure, "%s", message);
  png_longjmp(png, 1);
}

void WriteBytes(png_structp png, png_bytep data, png_size_t count) {
  Writing* writing = static_cast<Writing*>(png_get_io_ptr(png));
  // No exception may cross libpng's frames: the failure is reported its way, outside the
  // handler.
  bool grown = true;
  try {
    writing->out.insert(writing->out.end(), data, data + count);
  } catch (const std::bad_alloc&) {
    grown = false;
  }
  if (!grown) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

void RgbaRow(const AlphaPicture& picture, int y, std::vector<png_byte>& row) {
  const Colorref* colors = picture.color.Row(y);
  const uint8_t* alphas = picture.alpha.data() + static_cast<size_t>(y) * picture.Width();
  for (int x = 0; x < picture.Width(); ++x) {
    row[4 * x] = RedOf(colors[x]);
    row[4 * x + 1] = GreenOf(colors[x]);
    row[4 * x + 2] = BlueOf(colors[x]);
    row[4 * x + 3] = alphas[x];
  }
}

// Returns false with w.failure set; as for reading, what changes lives in *w.
bool EncodeInto(const AlphaPicture& picture, Writing& w) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &w, FailWriting, IgnoreWarning);
  if (png == nullptr) throw std::bad_alloc();
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    throw std::bad_alloc();
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &w, WriteBytes, FlushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()),
               static_cast<png_uint_32>(picture.Height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < picture.Height(); ++y) {
    RgbaRow(picture, y, w.row);
    png_write_row(png, w.row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool LooksLikePng(const uint8_t* data, size_t size) {
  return size >= sizeof kSignature && std::memcmp(data, kSignature, sizeof kSignature) == 0;
}

Bitmap DecodePng(const uint8_t* data, size_t size, int64_t max_pixels) {
  if (!LooksLikePng(data, size)) throw NotValid("no PNG signature");
  if (const std::string fault = HeaderFault(data, size); !fault.empty()) throw NotValid(fault);
  Reading reading{data, size};
  reading.max_pixels = max_pixels;
  if (!DecodeInto(reading)) throw NotValid(reading.failure);
  return std::move(reading.picture);
}

Bitmap ReadPngRegion(std::FILE* file, int max_width, int max_height) {
  uint8_t start[24];
  const size_t got = std::fread(start, 1, sizeof start, file);
  if (!LooksLikePng(start, got)) throw NotValid("no PNG signature");
  if (const std::string fault = HeaderFault(start, got); !fault.empty()) throw NotValid(fault);
  std::rewind(file);
  struct stat status {};
  Reading reading{nullptr, 0, file};
  reading.source_size =
      fstat(fileno(file), &status) == 0 ? static_cast<uint64_t>(status.st_size) : 0;
  reading.max_width = std::max(1, max_width);
  reading.max_height = std::max(1, max_height);
  if (!DecodeInto(reading)) throw NotValid(reading.failure);
  return std::move(reading.picture);
}

Bitmap DecodePng(const uint8_t* data, size_t size) {
  return DecodePng(data, size, int64_t{kMaxPictureSide} * kMaxPictureSide);
}

std::vector<uint8_t> EncodePng(const AlphaPicture& picture) {
  if (picture.color.Empty() ||
      picture.alpha.size() != static_cast<size_t>(picture.Width()) * picture.Height()) {
    throw Error("A PNG file needs a picture with an alpha value for each pixel");
  }
  Writing writing;
  writing.row.resize(static_cast<size_t>(picture.Width()) * 4);
  if (!EncodeInto(picture, writing)) throw Error(std::string("PNG error: ") + writing.failure);
  return std::move(writing.out);
}

}  // namespace zorna
