#pragma once
#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>

namespace zorna {

// How far a long job (packing, unpacking, installing the gallery update) got: `position` of
// `maximum`, in the job's own units (names packed, bytes of the pack read, pictures installed).
struct Progress {
  int32_t position = 0;
  int32_t maximum = 0;
};

// Told by a long job after every block or step how far it got, so that the window can show it
// and let its events through meanwhile; an empty one lets the job just run.
using ProgressStep = std::function<void(const Progress&)>;

// A count as the progress bar holds it.
inline int32_t ProgressValue(uint64_t value) {
  return static_cast<int32_t>(std::min<uint64_t>(value, std::numeric_limits<int32_t>::max()));
}

}  // namespace zorna
