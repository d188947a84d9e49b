// Any bytes given to the BMP reader give a picture or zorna::Error, never a crash.
#include <cstddef>
#include <cstdint>

#include "picture/bmp_file.h"
#include "support/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const zorna::Bitmap picture = zorna::DecodeBmp(data, size);
    // Touch the corners so a wrong size would show up under the sanitizers.
    if (!picture.Empty()) {
      volatile zorna::Colorref sink =
          picture.Pixel(0, 0) ^ picture.Row(picture.Height() - 1)[picture.Width() - 1];
      (void)sink;
    }
  } catch (const zorna::Error&) {
  }
  return 0;
}
