#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zorna {

// The leading integer of a text as the desktop reads numbers: an optional sign, then decimal
// digits, or hexadecimal ones after "$" or "0x". Scanning stops at the first other character.
struct ScannedNumber {
  bool negative = false;
  bool hexadecimal = false;
  uint64_t magnitude = 0;  // saturates far above 32 bits
  uint32_t low32 = 0;      // the value modulo 2^32, as a 32-bit reader accumulates it
  size_t digits = 0;       // how many digits were read
  size_t end = 0;          // index just past the number
};
ScannedNumber ScanNumber(std::string_view text);

}  // namespace zorna
