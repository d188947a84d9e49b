// Time from starting the program to the first painted frame of its main window, with a
// 1920 x 1080 screen picture and hint 1 already used up, against the same time for a bare Qt
// program that only shows that picture full screen (startup_floor, built beside this benchmark).
// Both run under one private Xvfb of 1920 x 1080; their starts interleave in random order, and the
// ratios of the medians (wall clock to the first paint, processor time of the whole run) are
// printed at the end.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "picture/bitmap.h"
#include "picture/picture_file.h"
#include "private_x_server.h"

extern char** environ;
namespace fs = std::filesystem;

namespace {

using zorna::bench::ReadLine;
using zorna::bench::XServer;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

struct Scratch {
  fs::path root = fs::temp_directory_path() / ("zorna-bench-" + std::to_string(getpid()));
  Scratch() {
    fs::create_directories(root / "home" / "Skin");
    fs::create_directories(root / "config");
    fs::create_directories(root / "runtime");
    fs::permissions(root / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    zorna::Bitmap screen(kScreenWidth, kScreenHeight);
    for (int y = 0; y < kScreenHeight; ++y) {
      for (int x = 0; x < kScreenWidth; ++x)
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

// The scratch folders and the X server, made once for all runs; the environment is what both
// programs see.
struct Session {
  Scratch scratch;
  XServer server{scratch.root / "xvfb.log", kScreenWidth, kScreenHeight};
  Session() {
    setenv("ZORNA_HOME", (scratch.root / "home").c_str(), 1);
    setenv("ZORNA_CONFIG_DIR", (scratch.root / "config").c_str(), 1);
    setenv("ZORNA_SCREEN_IMAGE", (scratch.root / "screen.bmp").c_str(), 1);
    setenv("ZORNA_REPORT_FIRST_PAINT", "1", 1);
    setenv("XDG_RUNTIME_DIR", (scratch.root / "runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("DISPLAY", (":" + server.Display()).c_str(), 1);
  }
};

Session& TheSession() {
  static Session session;
  return session;
}

fs::path BenchFolder() {
  return fs::canonical("/proc/self/exe").parent_path();
}

fs::path ZornaPath() {
  if (const char* dir = std::getenv("ZORNA_PROGRAM_DIR")) return fs::path(dir) / "zorna";
  return BenchFolder().parent_path() / "program" / "zorna";
}

struct StartTimes {
  double to_paint = 0;  // wall clock, start to "painted"
  double cpu = 0;       // the program's own processor time, start to exit
};

// Starts the program and times it until it says "painted"; returns what went wrong, if anything.
std::string TimeStart(const fs::path& program, StartTimes& times) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) return "pipe";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  const std::string path = program.string();
  char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int started = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string line;
  if (started == 0) line = ReadLine(out[0], 60000);
  const auto painted = std::chrono::steady_clock::now();
  close(out[0]);
  if (started != 0) return "cannot start " + path;
  if (line != "painted") kill(pid, SIGKILL);  // hung or failed: do not wait for it forever
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (line != "painted") return path + " ended without painting";
  times.to_paint = std::chrono::duration<double>(painted - start).count();
  times.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  return {};
}

void MeasureStart(benchmark::State& state, const fs::path& program) {
  const Session& session = TheSession();
  if (!session.server.Error().empty()) {
    state.SkipWithError(session.server.Error().c_str());
    return;
  }
  for (auto _ : state) {
    StartTimes times;
    const std::string error = TimeStart(program, times);
    if (!error.empty()) {
      state.SkipWithError(error.c_str());
      break;
    }
    state.SetIterationTime(times.to_paint);
    // On a shared machine the processor time varies less than the wall clock.
    state.counters["cpu_ms"] = times.cpu * 1000;
  }
}

void BM_ZornaStartToFirstPaint(benchmark::State& state) {
  MeasureStart(state, ZornaPath());
}
void BM_FloorStartToFirstPaint(benchmark::State& state) {
  MeasureStart(state, BenchFolder() / "startup_floor");
}
// One start per repetition, so that random interleaving alternates the two programs.
BENCHMARK(BM_ZornaStartToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FloorStartToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

// The console report, followed by the ratios of the program's medians to the floor's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median" || run.error_occurred)
        continue;
      const auto cpu = run.counters.find("cpu_ms");
      medians_[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                              cpu == run.counters.end() ? 0.0 : cpu->second.value};
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto zorna = medians_.find("BM_ZornaStartToFirstPaint");
    const auto floor = medians_.find("BM_FloorStartToFirstPaint");
    if (zorna == medians_.end() || floor == medians_.end()) return;
    const Medians& z = zorna->second;
    const Medians& f = floor->second;
    std::printf("to first paint: Zorna %.1f ms, floor %.1f ms, ratio %.2f\n", z.wall, f.wall,
                z.wall / f.wall);
    std::printf("processor time: Zorna %.1f ms, floor %.1f ms, ratio %.2f\n", z.cpu, f.cpu,
                z.cpu / f.cpu);
  }

 private:
  struct Medians {
    double wall, cpu;
  };
  std::map<std::string, Medians> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  // Interleaving is the default here; a later flag on the command line still overrides it.
  std::vector<char*> args{argv[0],
                          const_cast<char*>("--benchmark_enable_random_interleaving=true")};
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
