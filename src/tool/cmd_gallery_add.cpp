// gallery add: picture files added to a category as the program adds its result picture, each
// under the next free number of its size.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "gallery/gallery_bitmap.h"
#include "gallery/gallery_files.h"
#include "gallery_command.h"
#include "picture/picture_file.h"

namespace zornatool {
namespace {

const RegisterGalleryCommand add_command([](CLI::App& group) -> std::function<int()> {
  struct Options {
    int category = 0;
    std::vector<std::string> pictures;
    std::string home = ".";
  };
  auto options = std::make_shared<Options>();
  CLI::App* sub = group.add_subcommand(
      "add",
      "Add picture files (BMP, JPEG or PNG of 32 x 32 or 64 x 64 pixels; transparency "
      "flattened over white) to the category, each under the next free number of its size, as "
      "the program adds its result picture; prints each file name written");
  AddCategoryArgument(sub, options->category);
  sub->add_option("PICTURE", options->pictures, "picture files, added in this order")->required();
  AddHomeOption(sub, options->home);
  return [options] {
    RequireCategory(options->home, options->category, kExitBadArguments);
    // Every file is read and checked before the first is added: all or none.
    std::vector<zorna::Bitmap> pictures;
    for (const std::string& file : options->pictures) {
      zorna::Bitmap picture = zorna::ReadPictureFile(file);
      const bool fits =
          picture.Width() == picture.Height() && (picture.Width() == zorna::kSmallPictureSide ||
                                                  picture.Width() == zorna::kLargePictureSide);
      if (!fits) {
        throw CommandFailure{kExitBadArguments,
                             file + " is " + std::to_string(picture.Width()) + " x " +
                                 std::to_string(picture.Height()) +
                                 " pixels; the gallery takes 32 x 32 or 64 x 64"};
      }
      pictures.push_back(std::move(picture));
    }
    const std::filesystem::path data = zorna::GalleryFolder(options->home);
    for (const zorna::Bitmap& picture : pictures) {
      const int number = zorna::NextFreePictureNumber(data, options->category, picture.Width());
      const std::filesystem::path written =
          zorna::WriteGalleryPicture(data, options->category, number, picture);
      std::cout << written.filename().string() << '\n' << std::flush;
    }
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
