// Any bytes given to the PNG reader give a picture or zorna::Error, never a crash.
#include <cstddef>
#include <cstdint>

#include "picture/png_file.h"
#include "support/error.h"
#include "touch_picture.h"

namespace {
// Keeps each run's memory small; the side limit itself is tested by the unit tests.
constexpr int64_t kMostPixels = 4 << 20;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    TouchCorners(zorna::DecodePng(data, size, kMostPixels));
  } catch (const zorna::Error&) {
  }
  return 0;
}
