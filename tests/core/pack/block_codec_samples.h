#pragma once
// Blocks for the codec's tests and benchmark: noise, runs, short periods, small alphabets and a
// 24-bit bitmap file of a small drawn scene (sky, sun, house, textured ground).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace zorna::samples {

using Bytes = std::vector<uint8_t>;

inline Bytes Random(size_t n, uint64_t seed) {
  std::mt19937_64 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

inline Bytes SmallAlphabet(size_t n, unsigned letters, uint64_t seed) {
  std::mt19937_64 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng() % letters);
  return b;
}

// Runs of 1 to 300 bytes from a few values, some of them the likely escape bytes 0 and 1.
inline Bytes Runs(size_t n, uint64_t seed) {
  std::mt19937_64 rng(seed);
  Bytes b;
  while (b.size() < n) {
    const size_t length = rng() % 4 == 0 ? 1 + rng() % 300 : 1 + rng() % 8;
    b.insert(b.end(), length, static_cast<uint8_t>(rng() % 6));
  }
  b.resize(n);
  return b;
}

// Stretches with period 1, 2 or 3 between short literal stretches.
inline Bytes Periodic(size_t n, uint64_t seed) {
  std::mt19937_64 rng(seed);
  Bytes b;
  while (b.size() < n) {
    const size_t period = 1 + rng() % 3;
    uint8_t pattern[3];
    for (auto& p : pattern) p = static_cast<uint8_t>(rng() % 5);
    const size_t length = 1 + rng() % 40;
    for (size_t m = 0; m < length; ++m) b.push_back(pattern[m % period]);
    for (size_t m = rng() % 4; m > 0; --m) b.push_back(static_cast<uint8_t>(rng()));
  }
  b.resize(n);
  return b;
}

// No two zero bytes in a row, so the escape pair is (0, 0) and zeros sit in front of records.
inline Bytes WithoutDoubleZero(size_t n, uint64_t seed) {
  std::mt19937_64 rng(seed);
  Bytes b;
  while (b.size() < n) {
    if (b.empty() || b.back() != 0) b.push_back(0);
    const uint8_t value = static_cast<uint8_t>(1 + rng() % 3);
    const size_t length = rng() % 3 == 0 ? 2 + rng() % 30 : 1 + rng() % 3;
    if (rng() % 3 == 0) {
      for (size_t m = 0; m < length + 8; ++m) b.push_back(m % 2 ? value : 4);
    } else {
      b.insert(b.end(), length, value);
    }
  }
  b.resize(n);
  if (n >= 2 && b[n - 1] == 0 && b[n - 2] == 0) b[n - 1] = 1;
  return b;
}

// A 24-bit bottom-up bitmap file of a little landscape, as the gallery stores its pictures.
inline Bytes Bitmap24(int width, int height, uint64_t seed) {
  std::mt19937_64 rng(seed);
  const int stride = (width * 3 + 3) / 4 * 4;
  const uint32_t image_size = static_cast<uint32_t>(stride * height);
  const uint32_t file_size = 54 + image_size;
  Bytes b(file_size, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, file_size);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  put32(34, image_size);
  const double sun_x = width * 0.72, sun_y = height * 0.25, sun_r = width * 0.13;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = b.data() + 54 + static_cast<size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      int r, g, bl;
      const double horizon = height * (0.62 + 0.04 * std::sin(x * 0.15));
      if (y < horizon) {  // sky: a vertical gradient, in steps as a 256-colour picture would
        const int t = y * 8 / height * 8;
        r = 90 + t, g = 150 + t / 2, bl = 235;
      } else {  // ground: green with some texture
        r = 40, g = 140 - static_cast<int>(y - horizon), bl = 30;
        if (rng() % 5 == 0) g += static_cast<int>(rng() % 24) - 12;
      }
      if (std::hypot(x - sun_x, y - sun_y) < sun_r) r = 255, g = 220, bl = 40;
      const bool wall = x >= width / 5 && x < width / 2 && y >= height / 2 && y < height * 0.8;
      const bool roof = y >= height * 0.33 && y < height / 2 &&
                        std::abs(x - width * 0.35) < (y - height * 0.33) * 1.1;
      const bool door = x >= width * 0.3 && x < width * 0.38 && y >= height * 0.62 && wall;
      if (wall) r = 200, g = 190, bl = 160;
      if (roof) r = 170, g = 40, bl = 30;
      if (door) r = 90, g = 60, bl = 30;
      row[x * 3 + 0] = static_cast<uint8_t>(std::clamp(bl, 0, 255));
      row[x * 3 + 1] = static_cast<uint8_t>(std::clamp(g, 0, 255));
      row[x * 3 + 2] = static_cast<uint8_t>(std::clamp(r, 0, 255));
    }
  }
  return b;
}

}  // namespace zorna::samples
