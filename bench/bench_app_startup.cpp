// Time from starting the program to the first painted frame of its main window, with a
// 1920 x 1080 screen picture and hint 1 already used up, against the same time for a bare Qt
// program that only shows that picture full screen (startup_floor, built beside this benchmark)
// and, where it is installed, for the screenshot tool Flameshot's "flameshot gui", which also
// starts by showing the whole screen to pick from. All run under one private Xvfb of
// 1920 x 1080 whose root window shows the same picture; their starts interleave in random order,
// and the medians and their ratios (wall clock to the first frame, processor time of the whole
// run) are printed at the end.
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
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "picture/bitmap.h"
#include "picture/picture_file.h"
#include "private_x_server.h"
#include "screen_watch.h"

extern char** environ;
namespace fs = std::filesystem;

namespace {

using zorna::bench::ReadLine;
using zorna::bench::ScreenWatch;
using zorna::bench::XServer;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

struct Scratch {
  fs::path root = fs::temp_directory_path() / ("zorna-bench-" + std::to_string(getpid()));
  std::vector<uint32_t> pixels;  // the screen picture as the X server holds it, 0x00RRGGBB
  Scratch() {
    fs::create_directories(root / "home" / "Skin");
    fs::create_directories(root / "config");
    fs::create_directories(root / "runtime");
    fs::permissions(root / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    fs::create_directories(root / "flameshot");
    zorna::Bitmap screen(kScreenWidth, kScreenHeight);
    pixels.reserve(static_cast<size_t>(kScreenWidth) * kScreenHeight);
    for (int y = 0; y < kScreenHeight; ++y) {
      for (int x = 0; x < kScreenWidth; ++x) {
        const int r = x & 255, g = y & 255, b = (x ^ y) & 255;
        screen.SetPixel(x, y, zorna::Rgb(r, g, b));
        pixels.push_back(static_cast<uint32_t>(r << 16 | g << 8 | b));
      }
    }
    zorna::WriteBmpFile(root / "screen.bmp", screen);
    std::ofstream(root / "config" / "Zorna.ini", std::ios::binary) << "[Dial\xF3g]\r\n1=2\r\n";
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
};

// The scratch folders and the X server, made once for all runs; the environment is what every
// program sees.
struct Session {
  Scratch scratch;
  XServer server{scratch.root / "xvfb.log", kScreenWidth, kScreenHeight};
  std::optional<ScreenWatch> watch;  // once the server runs
  Session() {
    // No program gets a session bus: none of them needs one to show its first frame.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("ZORNA_HOME", (scratch.root / "home").c_str(), 1);
    setenv("ZORNA_CONFIG_DIR", (scratch.root / "config").c_str(), 1);
    setenv("ZORNA_SCREEN_IMAGE", (scratch.root / "screen.bmp").c_str(), 1);
    setenv("ZORNA_REPORT_FIRST_PAINT", "1", 1);
    setenv("XDG_RUNTIME_DIR", (scratch.root / "runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("DISPLAY", (":" + server.Display()).c_str(), 1);
    if (server.Error().empty()) {
      watch.emplace(":" + server.Display());
      watch->SetBackground(kScreenWidth, kScreenHeight, scratch.pixels);
    }
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

// The program on PATH, or an empty path.
fs::path FindOnPath(const char* name) {
  const char* path = std::getenv("PATH");
  std::stringstream folders(path ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    const fs::path candidate = fs::path(folder.empty() ? "." : folder) / name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

// Where Flameshot's frame is looked for: the middle of the screen, which its help box covers,
// and two points of the darkened screen copy around it.
constexpr std::array<std::pair<int, int>, 3> kWatchedPoints{
    {{kScreenWidth / 2, kScreenHeight / 2}, {300, 300}, {kScreenWidth - 220, kScreenHeight - 180}}};
constexpr auto kSettled = std::chrono::milliseconds(100);

std::array<uint32_t, 3> BareScreen(const Scratch& scratch) {
  std::array<uint32_t, 3> bare{};
  for (size_t i = 0; i < kWatchedPoints.size(); ++i) {
    const auto [x, y] = kWatchedPoints[i];
    bare[i] = scratch.pixels[static_cast<size_t>(y) * kScreenWidth + static_cast<size_t>(x)];
  }
  return bare;
}

// Flameshot cannot say when it has painted, so its frame is seen from outside: it copies the
// screen (the root window, which shows the same picture as the others' windows) and covers it
// with a darkened copy and a help box in the middle. Its frame is there when the watched points
// no longer show the bare picture, and settled once they then keep their colours for 100 ms;
// its time is that of their last change. The points are read every millisecond with 1 x 1
// GetImage requests to the server (a small load that the other programs do not have); Flameshot
// is killed after, and the next start waits until its window has left the screen. It gets a
// configuration folder of its own, so that the user's settings play no part.
std::string TimeFlameshot(const fs::path& program, StartTimes& times) {
  Session& session = TheSession();
  ScreenWatch& watch = *session.watch;
  const auto bare = BareScreen(session.scratch);
  const auto wait_for_bare = [&] {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (watch.Sample(kWatchedPoints) != bare) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  };
  if (!wait_for_bare()) return "the screen does not show the bare picture";
  std::vector<std::string> env_text;
  for (char** e = environ; *e; ++e) {
    if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0) env_text.emplace_back(*e);
  }
  env_text.push_back("XDG_CONFIG_HOME=" + (session.scratch.root / "flameshot").string());
  std::vector<char*> env;
  for (std::string& e : env_text) env.push_back(e.data());
  env.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const std::string path = program.string();
  char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("gui"), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int started = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, env.data());
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return "cannot start " + path;
  auto seen = bare;
  std::optional<std::chrono::steady_clock::time_point> changed;
  const auto deadline = start + std::chrono::seconds(60);
  for (;;) {
    const auto now = std::chrono::steady_clock::now();
    if (now > deadline || (changed && now - *changed >= kSettled)) break;
    const auto sample = watch.Sample(kWatchedPoints);
    if (sample != seen) {
      seen = sample;
      changed = std::chrono::steady_clock::now();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  kill(pid, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!changed || seen == bare) return path + " showed no frame";
  if (!wait_for_bare()) return path + " stays on the screen after it was killed";
  times.to_paint = std::chrono::duration<double>(*changed - start).count();
  times.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  return {};
}

template <typename Timer>
void MeasureStart(benchmark::State& state, const Timer& time_start) {
  const Session& session = TheSession();
  if (!session.server.Error().empty()) {
    state.SkipWithError(session.server.Error().c_str());
    return;
  }
  for (auto _ : state) {
    StartTimes times;
    const std::string error = time_start(times);
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
  MeasureStart(state, [](StartTimes& times) { return TimeStart(ZornaPath(), times); });
}
void BM_FloorStartToFirstPaint(benchmark::State& state) {
  MeasureStart(state,
               [](StartTimes& times) { return TimeStart(BenchFolder() / "startup_floor", times); });
}
void BM_FlameshotStartToFirstFrame(benchmark::State& state, const fs::path& program) {
  const Session& session = TheSession();
  if (session.watch && !session.watch->Error().empty()) {
    state.SkipWithError(session.watch->Error().c_str());
    return;
  }
  MeasureStart(state, [&](StartTimes& times) { return TimeFlameshot(program, times); });
}

// One start per repetition, so that random interleaving alternates the programs.
template <typename Registered>
void OneStartPerRepetition(Registered* benchmark) {
  benchmark->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->Repetitions(21)
      ->ReportAggregatesOnly(true);
}

// The console report, followed by the medians and the ratios of the program's to the others'.
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
    if (zorna == medians_.end()) return;
    const Medians& z = zorna->second;
    for (const auto& [name, other] : {std::pair{"floor", "BM_FloorStartToFirstPaint"},
                                      std::pair{"Flameshot", "BM_FlameshotStartToFirstFrame"}}) {
      const auto found = medians_.find(other);
      if (found == medians_.end()) continue;
      const Medians& o = found->second;
      std::printf("to first frame: Zorna %.1f ms, %s %.1f ms, Zorna/%s %.2f\n", z.wall, name,
                  o.wall, name, z.wall / o.wall);
      std::printf("processor time: Zorna %.1f ms, %s %.1f ms, Zorna/%s %.2f\n", z.cpu, name, o.cpu,
                  name, z.cpu / o.cpu);
    }
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
  OneStartPerRepetition(
      benchmark::RegisterBenchmark("BM_ZornaStartToFirstPaint", BM_ZornaStartToFirstPaint));
  OneStartPerRepetition(
      benchmark::RegisterBenchmark("BM_FloorStartToFirstPaint", BM_FloorStartToFirstPaint));
  // Flameshot is measured only where it is installed; its time is the settled frame on the screen.
  if (const fs::path flameshot = FindOnPath("flameshot"); !flameshot.empty()) {
    OneStartPerRepetition(benchmark::RegisterBenchmark(
        "BM_FlameshotStartToFirstFrame",
        [flameshot](benchmark::State& state) { BM_FlameshotStartToFirstFrame(state, flameshot); }));
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
