// The save command's costs at the largest result side: the icon conversion with its file
// write, the JPEG dialog's change step (encode, write "Trap.jpg", read back, decode), the icon
// with alpha in all its sizes and the PNG.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "output/alpha_icon_file.h"
#include "output/icon_file.h"
#include "output/jpeg_preview.h"
#include "output/transparent_result.h"
#include "picture/png_file.h"
#include "support/files.h"

namespace {

// A result picture with smooth and sharp parts, white background for the icon key.
zorna::Bitmap ResultPicture(int side) {
  zorna::Bitmap b(side, side, zorna::kWhite);
  for (int y = 8; y < side - 8; ++y) {
    for (int x = 8; x < side - 8; ++x) {
      b.SetPixel(x, y, zorna::Rgb(x * 2, y * 2, (x ^ y) & 0xFF));
    }
  }
  for (int i = 0; i < side; ++i) b.SetPixel(i, i, zorna::kBlack);
  return b;
}

std::string ScratchFolder() {
  const auto folder = std::filesystem::temp_directory_path() / "zorna-bench-output";
  std::filesystem::create_directories(folder);
  return folder.string() + "/";
}

void BM_IconConversion128(benchmark::State& state) {
  const zorna::Bitmap result = ResultPicture(128);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        zorna::EncodeIconFile(zorna::MakeIcon(result, zorna::IconTransparency::kWhite)));
  }
}
BENCHMARK(BM_IconConversion128)->Unit(benchmark::kMicrosecond);

// Saving under a new name: the usual case.
void BM_IconConversionAndFileWrite128(benchmark::State& state) {
  const zorna::Bitmap result = ResultPicture(128);
  const std::string folder = ScratchFolder();
  int n = 0;
  for (auto _ : state) {
    zorna::WriteIconFile(folder + "bench-" + std::to_string(n++) + ".ico",
                         zorna::MakeIcon(result, zorna::IconTransparency::kWhite));
  }
  zorna::ZmazSuboryMaskou(folder, "bench-*.ico");
}
BENCHMARK(BM_IconConversionAndFileWrite128)->Unit(benchmark::kMicrosecond);

// Saving over an earlier file: its successor is flushed to the disk before it replaces it.
void BM_IconConversionAndFileReplace128(benchmark::State& state) {
  const zorna::Bitmap result = ResultPicture(128);
  const std::string path = ScratchFolder() + "bench.ico";
  for (auto _ : state) {
    zorna::WriteIconFile(path, zorna::MakeIcon(result, zorna::IconTransparency::kWhite));
  }
  zorna::ZmazSubor(path);
}
BENCHMARK(BM_IconConversionAndFileReplace128)->Unit(benchmark::kMicrosecond);

void BM_JpegDialogChangeStep128(benchmark::State& state) {
  const zorna::Bitmap result = ResultPicture(128);
  const std::string folder = ScratchFolder();
  const int quality = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(zorna::MakeJpegPreview(result, quality, folder));
}
BENCHMARK(BM_JpegDialogChangeStep128)->Arg(100)->Arg(50)->Unit(benchmark::kMicrosecond);

// The whole save of the icon with alpha: transparency, the five reductions and the file's
// bytes (goal: under 2 ms).
void BM_AlphaIconAllSizes128(benchmark::State& state) {
  const zorna::Bitmap result = ResultPicture(128);
  for (auto _ : state) {
    benchmark::DoNotOptimize(zorna::EncodeAlphaIconFile(
        zorna::TransparentResult(result, zorna::IconTransparency::kWhite),
        zorna::AlphaIconSides(128)));
  }
}
BENCHMARK(BM_AlphaIconAllSizes128)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_Png128(benchmark::State& state) {
  const zorna::Bitmap result = ResultPicture(128);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        zorna::EncodePng(zorna::TransparentResult(result, zorna::IconTransparency::kWhite)));
  }
}
BENCHMARK(BM_Png128)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
