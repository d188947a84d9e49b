// gallery encode: encodes the listed bitmaps into gallery pictures, as the maintenance panel's
// "Zakóduj obrázky" does.
#include <iostream>
#include <memory>
#include <string>

#include "gallery/gallery_files.h"
#include "gallery/maintenance_jobs.h"
#include "gallery_command.h"

namespace zornatool {
namespace {

const RegisterGalleryCommand encode_command([](CLI::App& group) -> std::function<int()> {
  auto options = std::make_shared<ListOptions>();
  CLI::App* sub = group.add_subcommand(
      "encode",
      "For every file that gallery files lists, encode the bitmap of its number (5007.bmp) "
      "into the gallery picture 5007.iko and delete the bitmap; the bitmap of a picture that "
      "cannot be made stays. Prints the number encoded; status 1 when a bitmap could not be "
      "encoded, 3 when no files are listed");
  AddListOptions(sub, *options);
  return [options] {
    const auto entries = ListRange(*options, true);
    const zorna::EncodeResult result =
        zorna::EncodeGalleryFiles(zorna::GalleryFolder(options->home), entries);
    std::cout << "encoded " << result.encoded << " pictures\n";
    if (result.failed.empty()) return kExitOk;
    std::string message = std::to_string(result.failed.size()) + " bitmaps not encoded";
    for (const std::string& failure : result.failed) message += "; " + failure;
    throw CommandFailure{kExitFileError, message};
  };
});

}  // namespace
}  // namespace zornatool
