// Time from starting the program to the first painted frame of its main window, with a
// 1920 x 1080 screen picture and hint 1 already used up. Runs the real program under the
// current X display, or Qt's offscreen platform when there is none.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "picture/bitmap.h"
#include "picture/picture_file.h"

extern char** environ;
namespace fs = std::filesystem;

namespace {

struct Scratch {
  fs::path root = fs::temp_directory_path() / ("zorna-bench-" + std::to_string(getpid()));
  Scratch() {
    fs::create_directories(root / "home" / "Skin");
    fs::create_directories(root / "config");
    zorna::Bitmap screen(1920, 1080);
    for (int y = 0; y < 1080; ++y) {
      for (int x = 0; x < 1920; ++x)
        screen.SetPixel(x, y, zorna::Rgb(x & 255, y & 255, (x ^ y) & 255));
    }
    zorna::WriteBmpFile(root / "screen.bmp", screen);
    std::ofstream(root / "config" / "Zorna.ini", std::ios::binary) << "[Dial\xF3g]\r\n1=2\r\n";
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
};

fs::path ProgramPath() {
  if (const char* dir = std::getenv("ZORNA_PROGRAM_DIR")) return fs::path(dir) / "zorna";
  return fs::canonical("/proc/self/exe").parent_path().parent_path() / "program" / "zorna";
}

void BM_StartToFirstPaint(benchmark::State& state) {
  Scratch scratch;
  const std::string program = ProgramPath().string();
  setenv("ZORNA_HOME", (scratch.root / "home").c_str(), 1);
  setenv("ZORNA_CONFIG_DIR", (scratch.root / "config").c_str(), 1);
  setenv("ZORNA_SCREEN_IMAGE", (scratch.root / "screen.bmp").c_str(), 1);
  setenv("ZORNA_REPORT_FIRST_PAINT", "1", 1);
  if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  for (auto _ : state) {
    int out[2];
    if (pipe(out) != 0) state.SkipWithError("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start the program");
      break;
    }
    close(out[1]);
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    const auto painted = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (line != "painted") {
      state.SkipWithError("the program ended without painting");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(painted - start).count());
  }
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
