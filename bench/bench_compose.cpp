// One pick composed into the preview, as every mouse move over the screen picture does, and
// one redraw of the shadow editor's preview.
#include <benchmark/benchmark.h>

#include "artwork/background_tiles.h"
#include "composition/preview.h"
#include "composition/shadow_frame.h"

namespace {

// A screen-sized picture with varied content, so the transparent modes find real regions.
const zorna::Bitmap& Screen() {
  static const zorna::Bitmap screen = [] {
    zorna::Bitmap b(1920, 1080);
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        b.SetPixel(
            x, y, ((x / 24 + y / 24) % 3 == 0) ? zorna::kWhite : zorna::Rgb(x % 256, y % 256, 128));
    return b;
  }();
  return screen;
}

const zorna::BackgroundLists& Lists() {
  static const zorna::BackgroundLists lists;
  return lists;
}

void ComposeOnePick(benchmark::State& state, int input, int output, int mode, bool smooth,
                    bool shrink_mode1) {
  zorna::PickSettings pick;
  pick.input = input;
  pick.output = output;
  pick.mode = mode;
  pick.background = 7;
  pick.smooth = smooth;
  pick.shrink_mode1 = shrink_mode1;
  zorna::Bitmap preview(output, output), work;
  const zorna::ImageList& tiles = Lists().ForOutput(output);
  int step = 0;
  for (auto _ : state) {
    // Move along the screen as the mouse would.
    pick.x = 300 + step % 500;
    pick.y = 200 + step % 300;
    ++step;
    zorna::ComposePreview(Screen(), tiles, pick, preview, work);
    benchmark::DoNotOptimize(preview.Data());
  }
}

void BM_Mode128(benchmark::State& state) {
  ComposeOnePick(state, 128, 128, static_cast<int>(state.range(0)), false, true);
}
BENCHMARK(BM_Mode128)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

void BM_Smooth16Into64(benchmark::State& state) {
  ComposeOnePick(state, 16, 64, 1, true, true);
}
BENCHMARK(BM_Smooth16Into64)->Unit(benchmark::kMicrosecond);

void BM_Shrink128Into32(benchmark::State& state) {
  ComposeOnePick(state, 128, 32, 1, false, state.range(0) == 1);
}
BENCHMARK(BM_Shrink128Into32)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Every change in the shadow editor redraws from the unchanged result: the shadow, then the frame.
void BM_ShadowAndFrame128(benchmark::State& state) {
  zorna::Bitmap result(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x)
      if ((x / 16 + y / 16) % 2 == 0) result.SetPixel(x, y, zorna::Rgb(x * 2, y * 2, 90));
  zorna::ShadowFrameSettings settings;
  settings.direction = zorna::ShadowDirection::kLowerRight;
  settings.offset = 2;
  settings.shadow_color = zorna::Rgb(128, 128, 128);
  settings.frame = 2;
  for (auto _ : state) {
    zorna::Bitmap shown = zorna::ShadowAndFrame(result, 128, settings);
    benchmark::DoNotOptimize(shown.Data());
  }
}
BENCHMARK(BM_ShadowAndFrame128)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
