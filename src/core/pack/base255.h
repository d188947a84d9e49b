#pragma once
#include <cstdint>

namespace zorna {

// Every length and count of the pack and gallery files is a two-byte base-255 number: the
// first byte is the value mod 255, the second the value div 255. The largest value that the
// program writes, 65 025, is stored as 0, 255. A damaged file can hold a first byte of 255,
// so a read value may reach 65 280.
inline void WriteBase255(uint8_t* out, uint32_t value) {
  out[0] = static_cast<uint8_t>(value % 255);
  out[1] = static_cast<uint8_t>(value / 255);
}

inline uint32_t ReadBase255(uint8_t low, uint8_t high) {
  return static_cast<uint32_t>(low) + 255u * static_cast<uint32_t>(high);
}

// The largest value two base-255 bytes written by the program can carry.
constexpr uint32_t kBase255Max = 255u * 255u;

}  // namespace zorna
