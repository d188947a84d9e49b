#pragma once
// The scratch folders that a benchmark of the windows runs against: a program folder, a settings
// folder whose first hint is used up, and a 1920 x 1080 screen picture, all named to the program
// through its environment; removed afterwards.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "picture/picture_file.h"

class AppBenchFolders {
 public:
  explicit AppBenchFolders(const std::string& name)
      : root(std::filesystem::temp_directory_path() /
             ("zorna-bench-" + name + "-" + std::to_string(getpid()))),
        home(root / "home") {
    std::filesystem::create_directories(home);
    std::filesystem::create_directories(root / "config");
    std::ofstream(root / "config" / "Zorna.ini", std::ios::binary) << "[Dial\xF3g]\r\n1=2\r\n";
    zorna::WriteBmpFile(root / "screen.bmp", zorna::Bitmap(1920, 1080, zorna::Rgb(90, 110, 130)));
    setenv("ZORNA_HOME", home.c_str(), 1);
    setenv("ZORNA_CONFIG_DIR", (root / "config").c_str(), 1);
    setenv("ZORNA_SCREEN_IMAGE", (root / "screen.bmp").c_str(), 1);
  }
  ~AppBenchFolders() {
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    std::filesystem::remove_all(root, ec);
  }
  AppBenchFolders(const AppBenchFolders&) = delete;
  AppBenchFolders& operator=(const AppBenchFolders&) = delete;

  const std::filesystem::path root;
  const std::filesystem::path home;
};
