// gallery import: an icon theme made into the gallery, sorted into categories by a map file
// (data/gallery/tango-map.txt is the one the build uses).
#include <unistd.h>

#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gallery/gallery_bitmap.h"
#include "gallery/gallery_files.h"
#include "gallery_command.h"
#include "picture/picture_file.h"
#include "support/error.h"
#include "support/files.h"
#include "svg_picture.h"
#include "theme_icons.h"
#include "theme_map.h"

namespace zornatool {
namespace {

namespace fs = std::filesystem;

// Each picture once: most theme names are links to another name's file, and some files are
// copies of others.
class SeenPictures {
 public:
  // False when the file, or one with the same bytes, has been taken already.
  bool Take(const fs::path& file) {
    std::error_code ec;
    const fs::path resolved = fs::canonical(file, ec);
    if (!files_.insert(ec ? file : resolved).second) return false;
    const std::vector<uint8_t> bytes = zorna::ReadWholeFile(file);
    return contents_.insert(std::string(bytes.begin(), bytes.end())).second;
  }

 private:
  std::set<fs::path> files_;
  std::set<std::string> contents_;
};

struct CategoryPictures {
  std::vector<zorna::Bitmap> small, large;
};

void Warn(const std::string& text) {
  std::cerr << "zornatool: " << text << "\n";
}

std::vector<CategoryPictures> LoadPictures(const ThemeMap& map, const ThemeIcons& icons,
                                           size_t& repeated) {
  std::vector<CategoryPictures> pictures(map.tree.size());
  SeenPictures seen_small, seen_large;
  for (size_t node = 0; node < map.tree.size(); ++node) {
    for (const std::string& name : map.names[node]) {
      const auto small = icons.Small(name);
      const auto large = icons.Large(name);
      if (!small && !large) Warn(name + " is not in the theme");
      if (small && seen_small.Take(*small)) {
        zorna::Bitmap picture = zorna::ReadPictureFile(*small);  // transparency over white
        if (picture.Width() == zorna::kSmallPictureSide &&
            picture.Height() == zorna::kSmallPictureSide) {
          pictures[node].small.push_back(std::move(picture));
        } else {
          Warn(small->string() + " is not 32 x 32 pixels; left out");
        }
      } else if (small) {
        ++repeated;
      }
      if (large && seen_large.Take(*large)) {
        pictures[node].large.push_back(RenderSvgPicture(*large, zorna::kLargePictureSide));
      } else if (large) {
        ++repeated;
      }
    }
    if (pictures[node].small.size() > zorna::kSmallPicturesShown ||
        pictures[node].large.size() > zorna::kLargePicturesShown) {
      throw CommandFailure{kExitFileError,
                           map.tree[node].caption + " would hold " +
                               std::to_string(pictures[node].small.size()) + " small and " +
                               std::to_string(pictures[node].large.size()) +
                               " large pictures; a category shows at most " +
                               std::to_string(zorna::kSmallPicturesShown) + " and " +
                               std::to_string(zorna::kLargePicturesShown)};
    }
  }
  return pictures;
}

const RegisterGalleryCommand import_command([](CLI::App& group) -> std::function<int()> {
  struct Options {
    std::string theme;
    std::string map;
    std::string home = ".";
  };
  auto options = std::make_shared<Options>();
  CLI::App* sub = group.add_subcommand(
      "import",
      "Make an icon theme (SIZE/CONTEXT/NAME files, as Tango) the gallery of the program "
      "folder: strom.trv and every picture of Data are replaced by the map's categories, each "
      "with the small pictures of its names' 32 x 32 PNG files and the large ones rendered from "
      "their SVG files at 64 x 64, flattened over white; each picture once, however many names "
      "it has");
  sub->add_option("THEME_FOLDER", options->theme, "the theme's folder, e.g. /usr/share/icons/Tango")
      ->required();
  sub->add_option("--map", options->map,
                  "map file: the category tree and the theme names of each category (see "
                  "data/gallery/tango-map.txt)")
      ->required();
  AddHomeOption(sub, options->home);
  return [options] {
    const ThemeMap map = ParseThemeMap(zorna::ReadWholeFileText(options->map), options->map);
    const ThemeIcons icons(options->theme);
    size_t repeated = 0;
    // Everything is read and rendered before the old gallery is touched.
    const std::vector<CategoryPictures> pictures = LoadPictures(map, icons, repeated);

    const fs::path data = zorna::GalleryFolder(options->home);
    std::error_code ec;
    fs::create_directories(data, ec);
    if (ec || ::access(data.c_str(), W_OK | X_OK) != 0)
      throw zorna::CannotCreateFile(data.string());
    zorna::ZmazSuboryMaskou(data.string(), "*.iko");
    size_t small_count = 0, large_count = 0, largest = 1;
    for (size_t node = 1; node < pictures.size(); ++node) {
      const CategoryPictures& category = pictures[node];
      const int number = static_cast<int>(node);
      for (size_t i = 0; i < category.small.size(); ++i) {
        zorna::WriteGalleryPicture(data, number, static_cast<int>(i), category.small[i]);
      }
      for (size_t i = 0; i < category.large.size(); ++i) {
        zorna::WriteGalleryPicture(data, number, zorna::kFirstLargePicture + static_cast<int>(i),
                                   category.large[i]);
      }
      small_count += category.small.size();
      large_count += category.large.size();
      const auto size = [&](size_t n) {
        return pictures[n].small.size() + pictures[n].large.size();
      };
      if (size(node) > size(largest)) largest = node;
    }
    zorna::WriteFileAtomically(zorna::TreeFilePath(options->home),
                               zorna::FormatCategoryTree(map.tree));
    std::cout << map.tree.size() - 1 << " categories, " << small_count << " small and "
              << large_count << " large pictures (" << repeated
              << " names showed a picture already taken); the largest category is "
              << map.tree[largest].caption << " with " << pictures[largest].small.size()
              << " small and " << pictures[largest].large.size() << " large\n";
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
