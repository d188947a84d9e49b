#include <benchmark/benchmark.h>

#include "picture/jpeg_file.h"
#include "picture/mimage.h"

namespace {
using namespace zorna;

Bitmap Photo(int side) {
  Bitmap p(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) p.SetPixel(x, y, Rgb(x * 7, y * 5, (x * y) & 0xFF));
  return p;
}

void BM_ZmenVelkost16To64(benchmark::State& state) {
  const Bitmap source = Photo(16);
  for (auto _ : state) {
    Bitmap p = source;
    ZmenVelkost(p, 64, 64);
    benchmark::DoNotOptimize(p.Data());
  }
}
BENCHMARK(BM_ZmenVelkost16To64);

void BM_ZmenVelkost128To32(benchmark::State& state) {
  const Bitmap source = Photo(128);
  for (auto _ : state) {
    Bitmap p = source;
    ZmenVelkost(p, 32, 32);
    benchmark::DoNotOptimize(p.Data());
  }
}
BENCHMARK(BM_ZmenVelkost128To32);

void BM_NepouzitaFarbaAllTwentyPresent(benchmark::State& state) {
  Bitmap p(128, 128, 0x123456);
  const Colorref all[] = {0xFFFF00, 0x000000, 0xFF0000, 0xF0FBFF, 0x808080, 0xFF00FF, 0x008000,
                          0x00FF00, 0xC0C0C0, 0x000080, 0xA4A0A0, 0xC0DCC0, 0x800000, 0x008080,
                          0x800080, 0x0000FF, 0xF0CAA6, 0x808000, 0xFFFFFF, 0x00FFFF};
  for (int i = 0; i < 20; ++i) p.SetPixel(127 - i, 127, all[i]);
  for (auto _ : state) benchmark::DoNotOptimize(NepouzitaFarba(p));
}
BENCHMARK(BM_NepouzitaFarbaAllTwentyPresent);

void BM_VyplnOblast128(benchmark::State& state) {
  Bitmap p(128, 128, kWhite);
  Colorref c = 0;
  for (auto _ : state) {
    VyplnOblast(64, 64, p, ++c & 0xFFFFFF);
    benchmark::DoNotOptimize(p.Data());
  }
}
BENCHMARK(BM_VyplnOblast128);

void BM_KresliPriehladne128(benchmark::State& state) {
  const Bitmap source = Photo(128);
  Bitmap canvas(128, 128, 0x336699);
  for (auto _ : state) {
    KresliPriehladne(canvas, 0, 0, 128, 128, source, 0x000000);
    benchmark::DoNotOptimize(canvas.Data());
  }
}
BENCHMARK(BM_KresliPriehladne128);

void BM_DecodeJpeg64(benchmark::State& state) {
  const std::vector<uint8_t> jpeg = EncodeJpeg(Photo(64), 90);
  for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(jpeg.data(), jpeg.size()).Data());
}
BENCHMARK(BM_DecodeJpeg64);
}  // namespace

BENCHMARK_MAIN();
