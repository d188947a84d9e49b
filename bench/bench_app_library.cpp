// The library panel on the offscreen platform: filling a full category (135 small and 40 large
// pictures, every button showing one) from the user's choice in the tree, with the time until
// the first picture's button has been painted; and the gallery update of a pack of 2 000
// pictures installed at the window's resize.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <filesystem>
#include <memory>

#include "gallery/gallery_bitmap.h"
#include "gallery/gallery_update.h"
#include "pack/pack_file.h"
#include "picture/picture_file.h"
#include "scratch_program.h"

namespace fs = std::filesystem;
using namespace zorna;
using zorna::app::TMainZorna;

namespace {

// Category 1 is full, 2 is empty (choosing it clears the toolbars between runs).
constexpr std::string_view kTree = "GALERIA\r\n\tPLNA\r\n\tPRAZDNA\r\n";

Bitmap Picture(int side, int number) {
  Bitmap b(side, side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      b.SetPixel(x, y, Rgb((x * 7 + number) & 255, (y * 5 + number) & 255, (x ^ y) & 127));
    }
  }
  return b;
}

class Program : public ScratchProgram {
 public:
  Program()
      : ScratchProgram("library", kTree, "1=2\r\n3=2\r\n10=2\r\n", QSize(1280, 1024),
                       [](const fs::path& home) {
                         for (int p = 0; p < 135; ++p) {
                           WriteGalleryPicture(home / "Data", 1, p, Picture(32, p));
                         }
                         for (int p = 500; p < 540; ++p) {
                           WriteGalleryPicture(home / "Data", 1, p, Picture(64, p));
                         }
                       }) {}
};

// Made by the first benchmark that needs it and gone before the application object is.
std::unique_ptr<Program> the_program;
Program& TheProgram() {
  if (!the_program) the_program = std::make_unique<Program>();
  return *the_program;
}

// Notes when a button is first painted after the choice.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QWidget* button) { button->installEventFilter(this); }
  void Arm(const QElapsedTimer* clock) {
    clock_ = clock;
    at_ns_ = -1;
  }
  int64_t AtNs() const { return at_ns_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && clock_ && at_ns_ < 0) at_ns_ = clock_->nsecsElapsed();
    return false;
  }

 private:
  const QElapsedTimer* clock_ = nullptr;
  int64_t at_ns_ = -1;
};

void BM_FillFullCategory(benchmark::State& state) {
  Program& program = TheProgram();
  TMainZorna& m = program.Main();
  FirstPaint first(PartsOf(m).ToolBar1->Button(0));
  double first_ms = 0;
  for (auto _ : state) {
    PartsOf(m).TreeView1->setCurrentItem(
        program.Node(2));  // the empty category clears the toolbars
    QApplication::processEvents();
    QElapsedTimer clock;
    first.Arm(&clock);
    clock.start();
    PartsOf(m).TreeView1->setCurrentItem(program.Node(1));
    const int64_t whole_ns = clock.nsecsElapsed();
    state.SetIterationTime(static_cast<double>(whole_ns) / 1e9);
    first_ms += static_cast<double>(first.AtNs()) / 1e6;
    if (PartsOf(m).ImageList3.Count() != 135 || PartsOf(m).ImageList4.Count() != 40 ||
        first.AtNs() < 0) {
      state.SkipWithError("the category was not filled and painted");
      break;
    }
  }
  state.counters["first_picture_ms"] =
      benchmark::Counter(first_ms / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_FillFullCategory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// 2 000 pictures in 20 categories, half small and half large, as the maintenance tool packs them.
fs::path MakeUpdatePack(const fs::path& root) {
  const fs::path made = root / "update";
  const fs::path pack = root / "update.mk";
  if (fs::exists(pack)) return pack;
  fs::create_directories(made);
  std::vector<std::string> names;
  for (int category = 1; category <= 20; ++category) {
    for (int i = 0; i < 50; ++i) {
      for (int p : {i, 500 + i}) {
        names.push_back(WriteGalleryPicture(made, category, p, Picture(p < 500 ? 32 : 64, p))
                            .filename()
                            .string());
      }
    }
  }
  const fs::path back = fs::current_path();
  fs::current_path(made);
  ZbalSubory(names, pack.string());
  fs::current_path(back);
  return pack;
}

// Times one way of installing the delivered pack; the last picture of the pack must be in
// place and the pack gone afterwards.
template <typename Install>
void TimeImports(benchmark::State& state, Install install) {
  Program& program = TheProgram();
  const fs::path pack = MakeUpdatePack(program.Root());
  const fs::path delivered = program.Home() / "Data" / "zorna.mk";
  for (auto _ : state) {
    fs::copy_file(pack, delivered, fs::copy_options::overwrite_existing);
    QElapsedTimer clock;
    clock.start();
    install(program);
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    if (fs::exists(delivered) || !fs::exists(program.Home() / "Data" / "20549.iko")) {
      state.SkipWithError("the update was not installed");
      break;
    }
  }
}

void BM_ImportUpdate2000(benchmark::State& state) {
  TimeImports(state, [](Program& program) { program.Main().FormResize(); });
}
BENCHMARK(BM_ImportUpdate2000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The same import without the window: what the pumping and the progress panel add.
void BM_ImportUpdate2000WithoutWindow(benchmark::State& state) {
  TimeImports(state, [](Program& program) { InstallGalleryUpdate(program.Home()); });
}
BENCHMARK(BM_ImportUpdate2000WithoutWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  return RunWindowBenchmarks(argc, argv, [] { the_program.reset(); });
}
