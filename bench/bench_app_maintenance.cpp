// The maintenance panel's "Načítaj ListBox" over a gallery folder of 2 000 pictures (and the
// tree, info.txt and a half-made pack beside them), filling the list widget each time; and the
// core's listing alone, which the tool shares. Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/program_folder.h"
#include "app_bench_folders.h"
#include "gallery/gallery_files.h"
#include "gallery/maintenance_list.h"
#include "scratch_program.h"

namespace fs = std::filesystem;

namespace {

constexpr int kCategories = 100;
constexpr int kPicturesEach = 20;  // ten small and ten large

struct Scratch : AppBenchFolders {
  Scratch() : AppBenchFolders("maintenance") {
    const fs::path data = home / "Data";
    fs::create_directories(data);
    for (int category = 1; category <= kCategories; ++category) {
      for (int i = 0; i < kPicturesEach / 2; ++i) {
        std::ofstream(data / zorna::GalleryFileName(category, i)) << "x";
        std::ofstream(data / zorna::GalleryFileName(category, 500 + i)) << "x";
      }
    }
    // (not "zorna.mk": a gallery update there would be installed at the first paint)
    for (const char* other : {"info.txt", "zorna.__"}) std::ofstream(data / other) << "x";
    std::ofstream(home / "strom.trv") << "A\r\n";
  }
};

void BM_NacitajListBox(benchmark::State& state) {
  zorna::app::TMainZorna& main = *BenchForms().MainZorna;
  for (auto _ : state) {
    main.Button8Click(nullptr);
    QApplication::processEvents();  // the shown panel paints the new list
  }
  if (PartsOf(main).ListBox1->count() != kCategories * kPicturesEach) {
    state.SkipWithError("the list does not hold every picture");
  }
}
BENCHMARK(BM_NacitajListBox)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_ListGalleryFiles(benchmark::State& state) {
  const fs::path data = zorna::GalleryFolder(zorna::app::AdresarProgramu);
  for (auto _ : state) benchmark::DoNotOptimize(zorna::ListGalleryFiles(data, 0, 200));
}
BENCHMARK(BM_ListGalleryFiles)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  Scratch scratch;
  return RunWindowBenchmarks(argc, argv, DestroyBenchForms, [] {
    // The panel is open, as when its button is clicked.
    ShowProgramWindows().Button666Click(nullptr);
    QApplication::processEvents();
  });
}
