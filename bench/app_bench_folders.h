#pragma once
// The scratch folders that a benchmark of the windows runs against: a program folder, a settings
// folder whose hints are used up (the first one unless others are named, as "1=2\r\n3=2\r\n"),
// and a screen picture (1920 x 1080 unless said), all named to the program through its
// environment; removed afterwards.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "picture/picture_file.h"

class AppBenchFolders {
 public:
  explicit AppBenchFolders(const std::string& name, std::string_view dialog_hints = "1=2\r\n",
                           int screen_width = 1920, int screen_height = 1080)
      : root(std::filesystem::temp_directory_path() /
             ("zorna-bench-" + name + "-" + std::to_string(getpid()))),
        home(root / "home") {
    std::filesystem::create_directories(home);
    std::filesystem::create_directories(root / "config");
    std::ofstream(root / "config" / "Zorna.ini", std::ios::binary) << "[Dial\xF3g]\r\n"
                                                                   << dialog_hints;
    zorna::WriteBmpFile(root / "screen.bmp",
                        zorna::Bitmap(screen_width, screen_height, zorna::Rgb(90, 110, 130)));
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
