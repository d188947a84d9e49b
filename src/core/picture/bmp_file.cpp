#include "picture/bmp_file.h"

#include <algorithm>
#include <array>
#include <limits>

#include "picture/jpeg_file.h"
#include "support/error.h"

namespace zorna {

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

[[noreturn]] void NotValid() {
  throw Error("Bitmap image is not valid", "Obrázok BMP nie je platný");
}

// Little-endian reads that never step outside the file.
struct Bytes {
  const uint8_t* data;
  size_t size;

  void Need(size_t offset, size_t count) const {
    if (offset > size || count > size - offset) NotValid();
  }
  uint16_t U16(size_t offset) const {
    Need(offset, 2);
    return static_cast<uint16_t>(data[offset] | (data[offset + 1] << 8));
  }
  uint32_t U32(size_t offset) const {
    Need(offset, 4);
    return static_cast<uint32_t>(data[offset]) | (static_cast<uint32_t>(data[offset + 1]) << 8) |
           (static_cast<uint32_t>(data[offset + 2]) << 16) |
           (static_cast<uint32_t>(data[offset + 3]) << 24);
  }
  int32_t I32(size_t offset) const { return static_cast<int32_t>(U32(offset)); }
};

// One colour channel of a masked pixel, widened or narrowed to 8 bits. Narrow channels repeat
// their bits downwards (5 bits abcde give abcdeabc), so full scale stays full scale.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(uint32_t m) : mask(m) {
    if (m == 0) return;
    while (((m >> shift) & 1) == 0) ++shift;
    int top = 31;
    while (((m >> top) & 1) == 0) --top;
    bits = top - shift + 1;
  }
  uint8_t Of(uint32_t pixel) const {
    if (bits == 0) return 0;
    const uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
    uint32_t out = 0;
    for (int s = 8 - bits; s > -bits; s -= bits) out |= s >= 0 ? v << s : v >> -s;
    return static_cast<uint8_t>(out);
  }
};

struct Header {
  int width = 0;
  int height = 0;
  bool top_down = false;
  int bits_per_pixel = 0;
  uint32_t compression = kRgb;
  uint32_t image_size = 0;
  size_t pixel_offset = 0;
  std::vector<Colorref> palette;
  std::array<uint32_t, 3> masks{};  // red, green, blue
};

void ReadPalette(const Bytes& file, size_t offset, size_t count, size_t entry_size,
                 Header& header) {
  file.Need(offset, count * entry_size);
  header.palette.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* entry = file.data + offset + i * entry_size;
    header.palette[i] = Rgb(entry[2], entry[1], entry[0]);
  }
}

Header ReadHeader(const Bytes& file) {
  if (file.size < kFileHeaderSize + kCoreHeaderSize || file.data[0] != 'B' || file.data[1] != 'M')
    NotValid();
  Header header;
  const uint32_t declared_offset = file.U32(10);
  const uint32_t info_size = file.U32(kFileHeaderSize);
  const size_t info = kFileHeaderSize;
  int64_t width = 0, height = 0;
  size_t palette_offset = 0, entry_size = 4, colours_used = 0;
  if (info_size == kCoreHeaderSize) {
    width = file.U16(info + 4);
    height = file.U16(info + 6);
    header.bits_per_pixel = file.U16(info + 10);
    palette_offset = info + kCoreHeaderSize;
    entry_size = 3;
  } else if (info_size >= kInfoHeaderSize && info_size <= file.size - info) {
    width = file.I32(info + 4);
    height = file.I32(info + 8);
    header.bits_per_pixel = file.U16(info + 14);
    header.compression = file.U32(info + 16);
    header.image_size = file.U32(info + 20);
    colours_used = file.U32(info + 32);
    palette_offset = info + info_size;
    if (header.compression == kBitfields || header.compression == kAlphaBitfields) {
      // Newer headers carry the masks; the 40-byte one is followed by them.
      const size_t masks_at = info + kInfoHeaderSize;
      if (info_size == kInfoHeaderSize)
        palette_offset += header.compression == kBitfields ? 12 : 16;
      for (size_t i = 0; i < 3; ++i) header.masks[i] = file.U32(masks_at + 4 * i);
    }
  } else {
    NotValid();
  }
  if (height < 0) {
    header.top_down = true;
    height = -height;
  }
  if (width < 0 || width > kMaxPictureSide || height > kMaxPictureSide) NotValid();
  header.width = static_cast<int>(width);
  header.height = static_cast<int>(height);

  const int bpp = header.bits_per_pixel;
  switch (header.compression) {
    case kRgb:
      if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) NotValid();
      if (bpp == 16) header.masks = {0x7C00, 0x03E0, 0x001F};
      if (bpp == 24 || bpp == 32) header.masks = {0xFF0000, 0x00FF00, 0x0000FF};
      break;
    case kRle8:
      if (bpp != 8 || header.top_down) NotValid();
      break;
    case kRle4:
      if (bpp != 4 || header.top_down) NotValid();
      break;
    case kBitfields:
    case kAlphaBitfields:
      if (bpp != 16 && bpp != 32) NotValid();
      break;
    default:
      NotValid();  // embedded JPEG or PNG, or unknown
  }
  if (bpp <= 8) {
    const size_t most = size_t{1} << bpp;
    ReadPalette(file, palette_offset, colours_used == 0 ? most : std::min(colours_used, most),
                entry_size, header);
    palette_offset += (colours_used == 0 ? most : colours_used) * entry_size;
  } else {
    palette_offset += colours_used * entry_size;  // an optional palette that we do not need
  }
  // Pixels start where the file header says; some writers leave that 0.
  if (declared_offset == 0) {
    header.pixel_offset = palette_offset;
  } else if (declared_offset >= kFileHeaderSize + std::min<size_t>(info_size, kInfoHeaderSize)) {
    header.pixel_offset = declared_offset;
  } else {
    NotValid();
  }
  if (header.pixel_offset > file.size) NotValid();
  return header;
}

Colorref PaletteColour(const Header& header, uint32_t index) {
  return index < header.palette.size() ? header.palette[index] : kBlack;
}

Bitmap ReadUncompressed(const Bytes& file, const Header& header) {
  const int w = header.width, h = header.height, bpp = header.bits_per_pixel;
  const size_t row_bytes = (static_cast<size_t>(w) * bpp + 7) / 8;
  const size_t stride = (static_cast<size_t>(w) * bpp + 31) / 32 * 4;
  // Every row must be in the file; only the last row's padding may be missing.
  file.Need(header.pixel_offset, stride * (h - 1) + row_bytes);
  Bitmap picture(w, h, kBlack);
  const Channel red(header.masks[0]), green(header.masks[1]), blue(header.masks[2]);
  for (int r = 0; r < h; ++r) {
    const uint8_t* in = file.data + header.pixel_offset + stride * r;
    Colorref* out = picture.Row(header.top_down ? r : h - 1 - r);
    switch (bpp) {
      case 1:
      case 4:
      case 8: {
        const int per_byte = 8 / bpp;
        const uint32_t index_mask = (1u << bpp) - 1;
        for (int x = 0; x < w; ++x) {
          const int shift = 8 - bpp * (x % per_byte + 1);
          out[x] = PaletteColour(header, (in[x / per_byte] >> shift) & index_mask);
        }
        break;
      }
      case 16:
        for (int x = 0; x < w; ++x) {
          const uint32_t p = in[2 * x] | (in[2 * x + 1] << 8);
          out[x] = Rgb(red.Of(p), green.Of(p), blue.Of(p));
        }
        break;
      case 24:
        for (int x = 0; x < w; ++x) out[x] = Rgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
        break;
      case 32:
        for (int x = 0; x < w; ++x) {
          const uint8_t* q = in + 4 * x;
          const uint32_t p =
              q[0] | (q[1] << 8) | (q[2] << 16) | (static_cast<uint32_t>(q[3]) << 24);
          out[x] = Rgb(red.Of(p), green.Of(p), blue.Of(p));
        }
        break;
    }
  }
  return picture;
}

// Encoded runs cover at most 255 pixels per two bytes; a picture much larger than its runs can
// paint is a lying header, not worth the memory it asks for.
constexpr int64_t kRlePixelsPerByte = 256;
constexpr int64_t kRleAlwaysAllowedPixels = int64_t{1} << 20;

Bitmap ReadRunLength(const Bytes& file, const Header& header) {
  const int w = header.width, h = header.height;
  const bool four_bits = header.compression == kRle4;
  size_t end = file.size;
  if (header.image_size != 0 && header.image_size <= file.size - header.pixel_offset)
    end = header.pixel_offset + header.image_size;
  const int64_t encoded = static_cast<int64_t>(end - header.pixel_offset);
  if (int64_t{w} * h > std::max(kRleAlwaysAllowedPixels, encoded * kRlePixelsPerByte)) NotValid();

  // Pixels that no run paints keep the first palette colour.
  Bitmap picture(w, h, PaletteColour(header, 0));
  int64_t x = 0, y = 0;  // y counts file rows, bottom row first
  auto put = [&](uint32_t index) {
    if (x < w && y < h) picture.Row(h - 1 - static_cast<int>(y))[x] = PaletteColour(header, index);
    ++x;
  };
  size_t at = header.pixel_offset;
  while (true) {
    if (end - at < 2) {
      if (y >= h) break;  // the end-of-bitmap mark is missing after the last row: tolerated
      NotValid();
    }
    const uint8_t count = file.data[at], value = file.data[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i)
        put(four_bits ? (i % 2 == 0 ? value >> 4 : value & 15) : value);
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (end - at < 2) NotValid();
      x += file.data[at];
      y += file.data[at + 1];
      at += 2;
    } else {
      const size_t bytes = four_bits ? (value + 1) / 2 : value;
      if (end - at < bytes) NotValid();
      for (int i = 0; i < value; ++i) {
        const uint8_t b = file.data[at + (four_bits ? i / 2 : i)];
        put(four_bits ? (i % 2 == 0 ? b >> 4 : b & 15) : b);
      }
      at += bytes + (bytes % 2);  // absolute runs are padded to a 16-bit boundary
      at = std::min(at, end);
    }
  }
  return picture;
}

void PutU16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = v & 0xFF;
  out[at + 1] = (v >> 8) & 0xFF;
}
void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  PutU16(out, at, v & 0xFFFF);
  PutU16(out, at + 2, v >> 16);
}

}  // namespace

Bitmap DecodeBmp(const uint8_t* data, size_t size) {
  const Bytes file{data, data == nullptr ? 0 : size};
  const Header header = ReadHeader(file);
  if (header.width == 0 || header.height == 0) return Bitmap(header.width, header.height);
  if (header.compression == kRle8 || header.compression == kRle4)
    return ReadRunLength(file, header);
  return ReadUncompressed(file, header);
}

std::vector<uint8_t> EncodeBmp24(const Bitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  const size_t stride = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
  const size_t pixel_bytes = stride * h;
  const size_t header_size = kFileHeaderSize + kInfoHeaderSize;
  if (pixel_bytes > std::numeric_limits<uint32_t>::max() - header_size) NotValid();
  std::vector<uint8_t> out(header_size + pixel_bytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  PutU32(out, 2, static_cast<uint32_t>(out.size()));
  PutU32(out, 10, static_cast<uint32_t>(header_size));
  PutU32(out, 14, static_cast<uint32_t>(kInfoHeaderSize));
  PutU32(out, 18, static_cast<uint32_t>(w));
  PutU32(out, 22, static_cast<uint32_t>(h));
  PutU16(out, 26, 1);   // planes
  PutU16(out, 28, 24);  // bits per pixel; compression stays BI_RGB (0)
  PutU32(out, 34, static_cast<uint32_t>(pixel_bytes));
  for (int y = 0; y < h; ++y) {
    const Colorref* in = picture.Row(y);
    uint8_t* row = out.data() + header_size + stride * (h - 1 - y);
    for (int x = 0; x < w; ++x) {
      row[3 * x] = BlueOf(in[x]);
      row[3 * x + 1] = GreenOf(in[x]);
      row[3 * x + 2] = RedOf(in[x]);
    }
  }
  return out;
}

}  // namespace zorna
