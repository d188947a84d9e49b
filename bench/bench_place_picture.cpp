// Placing a picture file on the screen picture (Ctrl+O) when the file is a huge photograph:
// 20000 x 20000 pixels as PNG and as JPEG, of which only the top-left square of the output side
// is used. Goal: each placement under 100 ms, and the process's peak memory grown by under
// 50 MiB. The counter peak_growth_MiB is the growth of the peak resident size (VmHWM) over a
// run; run with --benchmark_report_aggregates_only=true for the medians.
//
// The two files are made once in a scratch folder, row by row, and kept for the next run.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "composition/placement.h"
#include "picture/picture_file.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSide = 20000;
constexpr int kOutputSide = 128;

// One RGB row of a photograph-like picture that still compresses: soft bands with a sprinkle
// of noise.
void FillRow(int y, std::vector<uint8_t>& rgb) {
  for (int x = 0; x < kSide; ++x) {
    const uint32_t noise = (x * 73856093u ^ y * 19349663u) * 0x5bd1e995u;
    uint8_t* p = rgb.data() + 3 * static_cast<size_t>(x);
    p[0] = static_cast<uint8_t>(x / 80);
    p[1] = static_cast<uint8_t>(y / 80);
    p[2] = static_cast<uint8_t>((noise >> 28) == 0 ? noise >> 20 : (x + y) / 160);
  }
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

void WritePng(std::FILE* file) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) std::abort();  // a scratch file that cannot be written
  png_init_io(png, file);
  png_set_compression_level(png, 1);
  png_set_filter(png, 0, PNG_FILTER_UP);
  png_set_IHDR(png, info, kSide, kSide, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<uint8_t> row(3 * static_cast<size_t>(kSide));
  for (int y = 0; y < kSide; ++y) {
    FillRow(y, row);
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
}

void WriteJpeg(std::FILE* file) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);  // exits on failure: the benchmark cannot go on anyway
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = kSide;
  cinfo.image_height = kSide;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 85, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(3 * static_cast<size_t>(kSide));
  while (cinfo.next_scanline < cinfo.image_height) {
    FillRow(static_cast<int>(cinfo.next_scanline), row);
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
}

// The scratch file, made under a temporary name first, so that a run cut short leaves none.
fs::path HugePicture(const std::string& name, void (*write)(std::FILE*)) {
  const fs::path folder = fs::temp_directory_path() / "zorna-bench-place-picture";
  const fs::path path = folder / name;
  if (fs::exists(path)) return path;
  fs::create_directories(folder);
  const fs::path part = folder / (name + ".part");
  {
    const File file(std::fopen(part.c_str(), "wb"), &std::fclose);
    if (!file) std::abort();
    write(file.get());
  }
  fs::rename(part, path);
  return path;
}

// A value in kB from /proc/self/status.
double StatusKilobytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == key + ":") {
      double kb = 0;
      status >> kb;
      return kb;
    }
  }
  return 0;
}

// Lets the peak resident size start again from the present one.
void ResetPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

void PlaceHugePicture(benchmark::State& state, const fs::path& path) {
  zorna::Bitmap screen(1920, 1080, zorna::kWhite);
  zorna::Bitmap scratch;
  ResetPeakMemory();
  const double before = StatusKilobytes("VmHWM");
  for (auto _ : state) {
    scratch = zorna::ReadPictureRegion(path, kOutputSide, kOutputSide);
    zorna::PastePicture(screen, zorna::kSmallPictureX, zorna::kSmallPictureY, scratch, kOutputSide);
    benchmark::DoNotOptimize(screen.Data());
  }
  state.counters["peak_growth_MiB"] = (StatusKilobytes("VmHWM") - before) / 1024;
  if (scratch.Width() != kOutputSide || scratch.Height() != kOutputSide) {
    state.SkipWithError("the corner was not read");
  }
}

void BM_PlaceFromHugePng(benchmark::State& state) {
  PlaceHugePicture(state, HugePicture("huge.png", WritePng));
}
BENCHMARK(BM_PlaceFromHugePng)->Unit(benchmark::kMillisecond)->Repetitions(9);

void BM_PlaceFromHugeJpeg(benchmark::State& state) {
  PlaceHugePicture(state, HugePicture("huge.jpg", WriteJpeg));
}
BENCHMARK(BM_PlaceFromHugeJpeg)->Unit(benchmark::kMillisecond)->Repetitions(9);

}  // namespace

BENCHMARK_MAIN();
