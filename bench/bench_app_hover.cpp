// Hover latency: from a pointer move over the screen picture to the preview, the magnifier and
// the marker painted and on the X server, with screen copies of 1920 x 1080 and 3840 x 2160
// device pixels and an output of 128 x 128. The window is as large as the copy, on a private
// Xvfb; each move goes one pixel along a line, as a slow hand does. The cost must not grow with
// the screen copy beyond the painting of what changed.
// With ZORNA_BENCH_SESSION=1 and WAYLAND_DISPLAY set it runs in that Wayland session instead
// (bench/hover_on_desktops.sh starts GNOME's and KDE's compositors for it): each move is then
// painted, committed and followed by a round trip to the compositor. The label says which wait
// was used and how large the window and the screen picture really became.
#include <benchmark/benchmark.h>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
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

// Waits until what a move changed is painted and where the screen shows it. On X11 sync() paints
// the posted updates, sends them and waits until the X server has processed them. On Wayland
// sync() only paints and commits; a round trip to the compositor follows, on a queue of our own
// (libwayland wraps the display for it), so Qt's own reading of the connection is not disturbed.
class PaintedWait {
 public:
  void StartWayland() {
    display_ = static_cast<wl_display*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
    if (display_ != nullptr) queue_ = wl_display_create_queue(display_);
  }
  bool OnWayland() const { return queue_ != nullptr; }
  void operator()() const {
    QGuiApplication::sync();
    if (queue_ != nullptr) wl_display_roundtrip_queue(display_, queue_);
  }
  // A compositor answers a window's new size with one of its own, perhaps a moment later: the
  // moves are measured in the window it settled on.
  void AwaitSize() const {
    if (queue_ == nullptr) return;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (std::chrono::steady_clock::now() < until) {
      (*this)();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

 private:
  wl_display* display_ = nullptr;
  wl_event_queue* queue_ = nullptr;
};

PaintedWait& Settle() {
  static PaintedWait wait;
  return wait;
}

// Counts the paintings of a widget, to tell that each move was painted before its wait ended.
class PaintCount : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

std::string SizeOf(const QSize& size) {
  return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

void BM_HoverToPainted(benchmark::State& state) {
  using namespace zorna::app;
  TMainZorna& main = *TheForms().MainZorna;
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  main.setGeometry(0, 0, width, height);
  PartsOf(main).bitmapa->SetPicture(ScreenCopy(width, height));
  PartsOf(main).bitmapa->resize(width, height);
  Settle()();
  Settle().AwaitSize();
  const std::string window_at_start = SizeOf(main.windowHandle()->size());
  PaintCount preview;
  PartsOf(main).Image1->installEventFilter(&preview);
  const QPoint start(width / 2, height / 4);
  int step = 0;
  int unpainted = 0;
  std::vector<double> times;
  for (auto _ : state) {
    const QPointF at(start.x() + (step % 400), start.y() + (step % 400) / 2);
    ++step;
    const int paints = preview.paints;
    const auto begin = std::chrono::steady_clock::now();
    QMouseEvent move(QEvent::MouseMove, at, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(PartsOf(main).bitmapa, &move);
    Settle()();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    state.SetIterationTime(seconds);
    if (preview.paints == paints) ++unpainted;
    times.push_back(seconds);
  }
  // The median move: a shared machine's stalls do not drag it as they drag the mean.
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  state.counters["median_us"] = times.empty() ? 0 : times[times.size() / 2] * 1e6;
  PartsOf(main).Image1->removeEventFilter(&preview);
  state.counters["unpainted_moves"] = unpainted;
  // A compositor may keep a window smaller than asked (no larger than its output, say), or
  // give the size asked only later.
  const std::string window_at_end = SizeOf(main.windowHandle()->size());
  state.SetLabel(std::string(Settle().OnWayland() ? "wayland round trip" : "x11 sync") +
                 ", window " + window_at_start +
                 (window_at_end == window_at_start ? "" : " then " + window_at_end) + ", picture " +
                 SizeOf(PartsOf(main).bitmapa->size()));
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
  const char* session = std::getenv("ZORNA_BENCH_SESSION");
  const bool in_session = session != nullptr && std::string(session) == "1";
  std::optional<zorna::bench::XServer> server;
  if (in_session) {
    if (std::getenv("WAYLAND_DISPLAY") == nullptr) {
      std::fprintf(stderr, "ZORNA_BENCH_SESSION=1 needs a Wayland session (WAYLAND_DISPLAY)\n");
      return 1;
    }
    setenv("QT_QPA_PLATFORM", "wayland", 1);
  } else {
    server.emplace(scratch.root / "xvfb.log", kLargestWidth, kLargestHeight);
    if (!server->Error().empty()) {
      std::fprintf(stderr, "%s\n", server->Error().c_str());
      return 1;
    }
    setenv("DISPLAY", (":" + server->Display()).c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("XDG_RUNTIME_DIR", (scratch.root / "runtime").c_str(), 1);
  }
  QApplication app(argc, argv);
  if (in_session) {
    Settle().StartWayland();
    if (!Settle().OnWayland()) {
      std::fprintf(stderr, "no Wayland connection to wait on\n");
      return 1;
    }
  }
  if (!zorna::app::CreateForms(TheForms())) return 1;
  zorna::app::TMainZorna& main = *TheForms().MainZorna;
  // Output 128 x 128 (the size lock makes the picked square follow), the magnifier open.
  PartsOf(main).ComboBox1->setCurrentIndex(4);
  main.ComboBox1Change(PartsOf(main).ComboBox1);
  main.ImageVstupMinClick(PartsOf(main).Panel("Lupa").hlavicka_image);
  main.show();
  Settle()();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  zorna::app::DestroyForms(TheForms());
  return 0;
}
