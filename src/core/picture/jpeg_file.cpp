#include "picture/jpeg_file.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "support/error.h"

namespace zorna {

// Rows are handed to libjpeg as RGBX bytes, which on a little-endian machine is exactly the
// Colorref layout 0x00BBGGRR (with the X byte on top).
static_assert(std::endian::native == std::endian::little,
              "pixel rows are passed to libjpeg as RGBX");

namespace {

// libjpeg reports fatal errors through error_exit, which must not return. It runs inside C
// frames that C++ exceptions may not cross, so it jumps back to the frame that set the trap,
// which then cleans up and reports the code.
struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  int code = 0;
  int warnings = 0;
};

// A damaged scan gives warnings and a partly grey picture, as libjpeg intends; a flood of them
// means the data is garbage, and decoding it further only costs time.
constexpr int kMaxWarnings = 100;
// Real progressive pictures have about ten scans; thousands of tiny ones only burn time.
constexpr int kMaxScans = 500;
// libjpeg's own working memory (the whole-picture buffer of progressive pictures).
constexpr long kMaxLibjpegMemory = 1L << 30;
// Pixel rows are taken in steps, so a header that claims a huge picture over a few bytes of
// data fails at the end of the data instead of taking memory for pixels that never come.
constexpr int64_t kEagerPixels = 1 << 20;

[[noreturn]] void JumpBack(j_common_ptr common, int code) {
  ErrorTrap* trap = reinterpret_cast<ErrorTrap*>(common->err);
  trap->code = code;
  std::longjmp(trap->jump, 1);
}

[[noreturn]] void JumpBackWithCode(j_common_ptr common) {
  JumpBack(common, common->err->msg_code);
}

void CountWarning(j_common_ptr common, int level) {
  if (level >= 0) return;  // trace messages
  // Data that ends early (the file, or a scan before all its blocks) is a truncated file or a
  // header claiming more than there is: an error, not a grey-padded picture.
  const int code = common->err->msg_code;
  if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) JumpBack(common, code);
  ErrorTrap* trap = reinterpret_cast<ErrorTrap*>(common->err);
  if (++trap->warnings > kMaxWarnings) JumpBackWithCode(common);
}

void PrintNothing(j_common_ptr) {}

void InstallTrap(ErrorTrap& trap, jpeg_error_mgr*& err) {
  err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpBackWithCode;
  trap.manager.emit_message = CountWarning;
  trap.manager.output_message = PrintNothing;
}

void LimitScans(j_common_ptr common) {
  const auto* cinfo = reinterpret_cast<j_decompress_ptr>(common);
  if (cinfo->input_scan_number > kMaxScans) JumpBack(common, JERR_BAD_PROGRESSION);
}

Error JpegError(int code) {
  return Error("JPEG error #" + std::to_string(code));
}

void ClearTopBytes(Colorref* row, int width) {
  for (int x = 0; x < width; ++x) row[x] &= 0xFFFFFF;
}

// Adobe writes CMYK inverted (0 = full ink); other writers store plain ink amounts.
void CmykRowToColorref(const uint8_t* cmyk, Colorref* row, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4) {
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    row[x] =
        Rgb(static_cast<uint8_t>((c * k + 127) / 255), static_cast<uint8_t>((m * k + 127) / 255),
            static_cast<uint8_t>((y * k + 127) / 255));
  }
}

// Where the compressed bytes come from: memory, or the file when it is set.
struct Source {
  const uint8_t* data = nullptr;
  size_t size = 0;
  std::FILE* file = nullptr;
};

// What is kept of the picture: its top-left corner of at most this size.
struct Corner {
  int max_width = INT_MAX;
  int max_height = INT_MAX;
};

// Columns right of the corner are left undecoded, but a margin past it is still decoded:
// smoothing the colour planes at a crop's edge would take the edge for the picture's own.
constexpr int kCropMargin = 32;

// Returns 0 on success or libjpeg's message code. Only trivially destructible objects and the
// ones declared before setjmp live in this frame, so the jump back skips no destructor.
int DecodeInto(const Source& source, int64_t max_pixels, Corner corner, Bitmap& out) {
  jpeg_decompress_struct cinfo;
  jpeg_progress_mgr progress{};
  ErrorTrap trap;
  std::vector<uint8_t> line;
  InstallTrap(trap, cinfo.err);
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return trap.code;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
  progress.progress_monitor = LimitScans;
  cinfo.progress = &progress;
  if (source.file != nullptr) {
    jpeg_stdio_src(&cinfo, source.file);
  } else {
    jpeg_mem_src(&cinfo, source.data, static_cast<unsigned long>(source.size));
  }
  jpeg_read_header(&cinfo, TRUE);
  const int64_t width = cinfo.image_width, height = cinfo.image_height;
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > max_pixels) {
    jpeg_destroy_decompress(&cinfo);
    return JERR_IMAGE_TOO_BIG;
  }
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBX;
  jpeg_start_decompress(&cinfo);
  const int w = std::min(static_cast<int>(cinfo.output_width), corner.max_width);
  const int h = std::min(static_cast<int>(cinfo.output_height), corner.max_height);
  if (w + kCropMargin < static_cast<int>(cinfo.output_width)) {
    JDIMENSION left = 0, crop_width = static_cast<JDIMENSION>(w + kCropMargin);
    jpeg_crop_scanline(&cinfo, &left, &crop_width);
  }
  // Rows are decoded straight into the picture when it keeps them whole.
  const bool direct = !cmyk && w == static_cast<int>(cinfo.output_width);
  int rows_taken = static_cast<int>(std::min<int64_t>(h, std::max<int64_t>(1, kEagerPixels / w)));
  try {
    out = Bitmap(w, rows_taken, kWhite);
    if (!direct) line.resize(size_t{cinfo.output_width} * 4);
  } catch (...) {
    jpeg_destroy_decompress(&cinfo);
    throw;
  }
  while (static_cast<int>(cinfo.output_scanline) < h) {
    const int y = static_cast<int>(cinfo.output_scanline);
    if (y == rows_taken) {
      rows_taken = std::min(h, rows_taken * 2);
      try {
        out.SetSize(w, rows_taken);
      } catch (...) {
        jpeg_destroy_decompress(&cinfo);
        throw;
      }
    }
    JSAMPROW row = direct ? reinterpret_cast<JSAMPROW>(out.Row(y)) : line.data();
    jpeg_read_scanlines(&cinfo, &row, 1);
    if (cmyk) {
      CmykRowToColorref(line.data(), out.Row(y), w, cinfo.saw_Adobe_marker);
    } else {
      if (!direct) std::memcpy(out.Row(y), line.data(), size_t(w) * 4);
      ClearTopBytes(out.Row(y), w);
    }
  }
  // A picture read to its last row is read to its end, where a cut file shows; one of which
  // only the top rows are kept is left unread past them.
  if (h == static_cast<int>(cinfo.output_height)) jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return 0;
}

// Returns 0 on success or libjpeg's message code; *buffer is malloc'ed by libjpeg.
int EncodeInto(const Bitmap& picture, int quality, unsigned char** buffer, unsigned long* size) {
  jpeg_compress_struct cinfo;
  ErrorTrap trap;
  InstallTrap(trap, cinfo.err);
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&cinfo);
    return trap.code;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, buffer, size);
  cinfo.image_width = static_cast<JDIMENSION>(picture.Width());
  cinfo.image_height = static_cast<JDIMENSION>(picture.Height());
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_EXT_RGBX;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    // libjpeg only reads the rows; its row type is not const.
    JSAMPROW row = reinterpret_cast<JSAMPROW>(
        const_cast<Colorref*>(picture.Row(static_cast<int>(cinfo.next_scanline))));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return 0;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const Bitmap& picture, int quality) {
  if (picture.Empty()) return {};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const int code = EncodeInto(picture, quality, &buffer, &size);
  const std::unique_ptr<unsigned char, decltype(&std::free)> owner(buffer, &std::free);
  if (code != 0) throw JpegError(code);
  return std::vector<uint8_t>(buffer, buffer + size);
}

Bitmap DecodeJpeg(const uint8_t* data, size_t size, int64_t max_pixels) {
  Bitmap picture;
  const int code = DecodeInto(Source{data, size}, max_pixels, Corner{}, picture);
  if (code != 0) throw JpegError(code);
  return picture;
}

Bitmap ReadJpegRegion(std::FILE* file, int max_width, int max_height) {
  Bitmap picture;
  const int code = DecodeInto(Source{nullptr, 0, file}, int64_t{kMaxPictureSide} * kMaxPictureSide,
                              Corner{std::max(1, max_width), std::max(1, max_height)}, picture);
  if (code != 0) throw JpegError(code);
  return picture;
}

Bitmap DecodeJpeg(const uint8_t* data, size_t size) {
  return DecodeJpeg(data, size, int64_t{kMaxPictureSide} * kMaxPictureSide);
}

}  // namespace zorna
