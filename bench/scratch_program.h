#pragma once
// The real program's windows on the offscreen platform over a scratch program folder, for the
// window benchmarks: a tree file, a settings file whose hints are used up, a screen picture, and
// whatever else the benchmark puts into the program folder before the windows are made. The
// library panel is open.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidgetItemIterator>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/messages.h"
#include "app/program.h"
#include "app_bench_folders.h"

// A window benchmark's main: the offscreen application around the benchmarks; `ready` makes
// what the benchmarks share once the application object is there, and `done` lets the
// benchmark's windows go before the application object does.
inline int RunWindowBenchmarks(int argc, char** argv, const std::function<void()>& done,
                               const std::function<void()>& ready = {}) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (ready) ready();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  done();
  benchmark::Shutdown();
  return 0;
}

// The windows that ShowProgramWindows makes, kept for the whole benchmark program.
inline zorna::app::Forms& BenchForms() {
  static zorna::app::Forms forms;
  return forms;
}
inline void DestroyBenchForms() {
  zorna::app::DestroyForms(BenchForms());
}

// The real program's windows over the folders that the environment names, the main window
// shown at full HD, for a benchmark that makes its own scratch folders. Nothing is painted yet.
inline zorna::app::TMainZorna& ShowProgramWindows() {
  zorna::app::CreateForms(BenchForms());
  zorna::app::TMainZorna& main = *BenchForms().MainZorna;
  main.resize(1920, 1080);
  main.show();
  return main;
}

class ScratchProgram {
 public:
  ScratchProgram(const std::string& name, std::string_view tree, std::string_view dialog_hints,
                 QSize screen, const std::function<void(const std::filesystem::path&)>& fill)
      : folders_(name, dialog_hints, screen.width(), screen.height()) {
    std::filesystem::create_directories(folders_.home / "Data");
    std::ofstream(folders_.home / "strom.trv", std::ios::binary) << tree;
    fill(folders_.home);
    zorna::app::SetMessagePresenter([](const QString&, bool) {});
    zorna::app::SetModalRunner([](QDialog*) { return 0; });
    zorna::app::CreateForms(forms_);
    Main().setGeometry(0, 0, screen.width(), screen.height());
    Main().show();
    QApplication::processEvents();
    Main().BtnGalleryClick(nullptr);
    QApplication::processEvents();
  }
  ~ScratchProgram() { zorna::app::DestroyForms(forms_); }
  zorna::app::TMainZorna& Main() { return *forms_.MainZorna; }
  QTreeWidgetItem* Node(int n) {
    QTreeWidgetItemIterator it(PartsOf(Main()).TreeView1);
    for (int i = 0; i < n && *it; ++i) ++it;
    return *it;
  }
  const std::filesystem::path& Root() const { return folders_.root; }
  const std::filesystem::path& Home() const { return folders_.home; }

 private:
  AppBenchFolders folders_;
  zorna::app::Forms forms_;
};
