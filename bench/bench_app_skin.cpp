// Applying a skin from the skin dialog: the four panels, the fifteen buttons, the strip and the
// sizes, read from the skin's files each time, alternating between our two skins, and the
// shown window painted anew. Runs on Qt's offscreen platform with a 1920 x 1080 screen picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "app/dialogs/dlg_skin.h"
#include "app/main_window/main_zorna.h"
#include "app/platform/messages.h"
#include "app_bench_folders.h"
#include "artwork/skin_art.h"
#include "scratch_program.h"

namespace fs = std::filesystem;

namespace {

struct Scratch : AppBenchFolders {
  Scratch() : AppBenchFolders("skin") {
    for (const zorna::SkinDesign& design : zorna::OurSkins()) {
      zorna::WriteSkinFolder(home / "Skin" / design.name, zorna::DrawSkin(design),
                             "https://zorna.example.org/skiny/");
    }
    // A skin among thousands of stray files, some glyphs missing: each missing one is looked for
    // without regard to case through the whole folder.
    const fs::path big = home / "Skin" / "Velky";
    zorna::WriteSkinFolder(big, zorna::DrawSkin(zorna::JazeroSkin()), "");
    for (const char* button : {"Save", "Copy", "Theme"})
      fs::remove(big / "buttons" / (std::string(button) + ".bmp"));
    for (int i = 0; i < 3000; ++i) {
      std::ofstream(big / "buttons" / ("stray" + std::to_string(i) + ".bmp")) << "x";
      std::ofstream(big / ("stray" + std::to_string(i) + ".txt")) << "x";
    }
  }
};

// Alternates between the first skin and the one at the argument's row.
void BM_ApplySkin(benchmark::State& state) {
  using namespace zorna::app;
  zorna::app::TDlgSkin& dialog = *BenchForms().dialogs.DlgSkin;
  const int other = static_cast<int>(state.range(0));
  int row = 0;
  int shown = 0;
  SetMessagePresenter([&shown](const QString&, bool) { ++shown; });
  for (auto _ : state) {
    dialog.ListBox->setCurrentRow(row);  // applies the skin, as a click does
    QApplication::processEvents();       // and paints it
    row = row == 0 ? other : 0;
  }
  SetMessagePresenter({});
  if (shown > 0) state.SkipWithError("applying a skin reported a problem");
}
// Row 1: our two skins; row 2: our dark skin and the one among 6000 stray files.
BENCHMARK(BM_ApplySkin)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  Scratch scratch;
  return RunWindowBenchmarks(argc, argv, DestroyBenchForms, [] {
    ShowProgramWindows();
    QApplication::processEvents();
  });
}
