// Hover latency: from a pointer move over the screen picture to the preview, the magnifier and
// the marker painted and on the X server, with screen copies of 1920 x 1080 and 3840 x 2160
// device pixels and an output of 128 x 128. The window is as large as the copy, on a private
// Xvfb; each move goes one pixel along a line, as a slow hand does. The cost must not grow with
// the screen copy beyond the painting of what changed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/program.h"
#include "app_bench_folders.h"
#include "private_x_server.h"

namespace fs = std::filesystem;

namespace {

constexpr int kLargestWidth = 3840;
constexpr int kLargestHeight = 2160;

// Every hint used up: no message box comes between the moves. The small screen picture stands
// in only until each benchmark lays its own copy.
struct Scratch : AppBenchFolders {
  Scratch() : AppBenchFolders("hover", "1=2\r\n2=2\r\n5=2\r\n", 64, 64) {
    fs::create_directories(home / "Skin");
    fs::create_directories(root / "runtime");
    fs::permissions(root / "runtime", fs::perms::owner_all, fs::perm_options::replace);
  }
};

// The program's windows, made by main and shared by the benchmarks.
zorna::app::Forms& TheForms() {
  static zorna::app::Forms forms;
  return forms;
}

// A screen copy whose every pixel differs from its neighbours, so each pick shows new pixels.
zorna::Bitmap ScreenCopy(int width, int height) {
  zorna::Bitmap copy(width, height);
  for (int y = 0; y < height; ++y) {
    zorna::Colorref* row = copy.Row(y);
    for (int x = 0; x < width; ++x) row[x] = zorna::Rgb(x & 255, y & 255, (x ^ y) & 255);
  }
  return copy;
}

void BM_HoverToPainted(benchmark::State& state) {
  using namespace zorna::app;
  TMainZorna& main = *TheForms().MainZorna;
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  main.setGeometry(0, 0, width, height);
  PartsOf(main).bitmapa->SetPicture(ScreenCopy(width, height));
  PartsOf(main).bitmapa->resize(width, height);
  QGuiApplication::sync();
  const QPoint start(width / 2, height / 4);
  int step = 0;
  std::vector<double> times;
  for (auto _ : state) {
    const QPointF at(start.x() + (step % 400), start.y() + (step % 400) / 2);
    ++step;
    const auto begin = std::chrono::steady_clock::now();
    QMouseEvent move(QEvent::MouseMove, at, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(PartsOf(main).bitmapa, &move);
    // Paints what the move changed, sends it to the X server and waits for the server.
    QGuiApplication::sync();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    state.SetIterationTime(seconds);
    times.push_back(seconds);
  }
  // The median move: a shared machine's stalls do not drag it as they drag the mean.
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  state.counters["median_us"] = times.empty() ? 0 : times[times.size() / 2] * 1e6;
}
BENCHMARK(BM_HoverToPainted)
    ->Args({1920, 1080})
    ->Args({kLargestWidth, kLargestHeight})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(2000);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Scratch scratch;
  zorna::bench::XServer server(scratch.root / "xvfb.log", kLargestWidth, kLargestHeight);
  if (!server.Error().empty()) {
    std::fprintf(stderr, "%s\n", server.Error().c_str());
    return 1;
  }
  setenv("DISPLAY", (":" + server.Display()).c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  setenv("XDG_RUNTIME_DIR", (scratch.root / "runtime").c_str(), 1);
  QApplication app(argc, argv);
  if (!zorna::app::CreateForms(TheForms())) return 1;
  zorna::app::TMainZorna& main = *TheForms().MainZorna;
  // Output 128 x 128 (the size lock makes the picked square follow), the magnifier open.
  PartsOf(main).ComboBox1->setCurrentIndex(4);
  main.ComboBox1Change(PartsOf(main).ComboBox1);
  main.ImageVstupMinClick(PartsOf(main).Panel("Lupa").hlavicka_image);
  main.show();
  QGuiApplication::sync();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  zorna::app::DestroyForms(TheForms());
  return 0;
}
