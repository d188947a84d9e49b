// Any bytes given to the BMP reader give a picture or zorna::Error, never a crash.
#include <cstddef>
#include <cstdint>

#include "picture/bmp_file.h"
#include "support/error.h"
#include "touch_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    TouchCorners(zorna::DecodeBmp(data, size));
  } catch (const zorna::Error&) {
  }
  return 0;
}
