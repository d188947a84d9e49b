#pragma once
// The real program's windows on the offscreen platform over a scratch program folder, for the
// window benchmarks: a tree file, a settings file whose hints are used up, a screen picture, and
// whatever else the benchmark puts into the program folder before the windows are made. The
// library panel is open.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTreeWidgetItemIterator>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/platform/messages.h"
#include "app/shell/forms.h"
#include "app/shell/main_zorna.h"
#include "picture/picture_file.h"

// A window benchmark's main: the offscreen application around the benchmarks; `done` lets the
// benchmark's windows go before the application object does.
inline int RunWindowBenchmarks(int argc, char** argv, const std::function<void()>& done) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  done();
  benchmark::Shutdown();
  return 0;
}

class ScratchProgram {
 public:
  ScratchProgram(const std::string& name, std::string_view tree, std::string_view dialog_hints,
                 QSize screen, const std::function<void(const std::filesystem::path&)>& fill)
      : root_(std::filesystem::temp_directory_path() /
              ("zorna-bench-" + name + "-" + std::to_string(getpid()))),
        home_(root_ / "home") {
    namespace fs = std::filesystem;
    fs::create_directories(home_ / "Data");
    fs::create_directories(root_ / "config");
    std::ofstream(home_ / "strom.trv", std::ios::binary) << tree;
    std::ofstream(root_ / "config" / "Zorna.ini", std::ios::binary) << "[Dial\xF3g]\r\n"
                                                                    << dialog_hints;
    zorna::WriteBmpFile(root_ / "screen.bmp",
                        zorna::Bitmap(screen.width(), screen.height(), zorna::Rgb(90, 120, 150)));
    fill(home_);
    qputenv("ZORNA_HOME", QByteArray::fromStdString(home_.string()));
    qputenv("ZORNA_CONFIG_DIR", QByteArray::fromStdString((root_ / "config").string()));
    qputenv("ZORNA_SCREEN_IMAGE", QByteArray::fromStdString((root_ / "screen.bmp").string()));
    zorna::app::SetMessagePresenter([](const QString&, bool) {});
    zorna::app::SetModalRunner([](QDialog*) { return 0; });
    zorna::app::CreateForms();
    Main().setGeometry(0, 0, screen.width(), screen.height());
    Main().show();
    QApplication::processEvents();
    Main().BtnGalleryClick(nullptr);
    QApplication::processEvents();
  }
  ~ScratchProgram() {
    zorna::app::DestroyForms();
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    std::filesystem::remove_all(root_, ec);
  }
  zorna::app::TMainZorna& Main() { return *zorna::app::AllForms().MainZorna; }
  QTreeWidgetItem* Node(int n) {
    QTreeWidgetItemIterator it(Main().TreeView1);
    for (int i = 0; i < n && *it; ++i) ++it;
    return *it;
  }
  const std::filesystem::path& Root() const { return root_; }
  const std::filesystem::path& Home() const { return home_; }

 private:
  std::filesystem::path root_;
  std::filesystem::path home_;
};
