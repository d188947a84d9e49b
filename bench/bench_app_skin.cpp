// Applying a skin from the skin dialog: the four panels, the fifteen buttons, the strip and the
// sizes, read from the skin's files each time, alternating between our two skins, and the
// shown window painted anew. Runs on Qt's offscreen platform with a 1920 x 1080 screen picture.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "app/platform/messages.h"
#include "app/shell/dlg_skin.h"
#include "app/shell/forms.h"
#include "app/shell/main_zorna.h"
#include "artwork/skin_art.h"
#include "picture/picture_file.h"

namespace fs = std::filesystem;

namespace {

struct Scratch {
  fs::path root = fs::temp_directory_path() / ("zorna-bench-skin-" + std::to_string(getpid()));
  Scratch() {
    for (const zorna::SkinDesign& design : zorna::OurSkins()) {
      zorna::WriteSkinFolder(root / "home" / "Skin" / design.name, zorna::DrawSkin(design),
                             "https://zorna.example.org/skiny/");
    }
    // A skin among thousands of stray files, some glyphs missing: each missing one is looked for
    // without regard to case through the whole folder.
    const fs::path big = root / "home" / "Skin" / "Velky";
    zorna::WriteSkinFolder(big, zorna::DrawSkin(zorna::JazeroSkin()), "");
    for (const char* button : {"Save", "Copy", "Theme"})
      fs::remove(big / "buttons" / (std::string(button) + ".bmp"));
    for (int i = 0; i < 3000; ++i) {
      std::ofstream(big / "buttons" / ("stray" + std::to_string(i) + ".bmp")) << "x";
      std::ofstream(big / ("stray" + std::to_string(i) + ".txt")) << "x";
    }
    fs::create_directories(root / "config");
    std::ofstream(root / "config" / "Zorna.ini", std::ios::binary) << "[Dial\xF3g]\r\n1=2\r\n";
    zorna::WriteBmpFile(root / "screen.bmp", zorna::Bitmap(1920, 1080, zorna::Rgb(90, 110, 130)));
    setenv("ZORNA_HOME", (root / "home").c_str(), 1);
    setenv("ZORNA_CONFIG_DIR", (root / "config").c_str(), 1);
    setenv("ZORNA_SCREEN_IMAGE", (root / "screen.bmp").c_str(), 1);
  }
  ~Scratch() {
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(root, ec);
  }
};

// Alternates between the first skin and the one at the argument's row.
void BM_ApplySkin(benchmark::State& state) {
  using namespace zorna::app;
  zorna::app::TDlgSkin& dialog = *AllForms().DlgSkin;
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
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  Scratch scratch;
  QApplication app(argc, argv);
  zorna::app::CreateForms();
  zorna::app::AllForms().MainZorna->resize(1920, 1080);
  zorna::app::AllForms().MainZorna->show();
  QApplication::processEvents();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  zorna::app::DestroyForms();
  return 0;
}
