// Every reader of the program's files meets what is not a regular file, and a huge picture file:
// each is refused with its name in both wordings, without blocking, reading without end or
// running out of memory.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>

#include "core/test_folder.h"
#include "gallery/category_tree.h"
#include "gallery/gallery_bitmap.h"
#include "pack/pack_file.h"
#include "picture/picture_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

namespace fs = std::filesystem;

void ExpectRefusalNaming(const std::function<void()>& read, const std::string& file,
                         const std::string& reason, const std::string& reader) {
  try {
    read();
    ADD_FAILURE() << reader << " read " << file;
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << reader << ": " << e.what();
    EXPECT_NE(e.Slovak().find(file), std::string::npos) << reader << ": " << e.Slovak();
    EXPECT_NE(e.Slovak().find(reason), std::string::npos) << reader << ": " << e.Slovak();
  }
}

TEST(OddFiles, EveryReaderRefusesThemByName) {
  testing::TestFolder dir;
  const std::string folder = (dir / "priečinok.bmp").string(), pipe = (dir / "rúra.trv").string();
  fs::create_directory(folder);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::vector<std::pair<std::string, std::function<void(const std::string&)>>> readers = {
      {"picture", [](const std::string& f) { ReadPictureFile(f); }},
      {"picture corner", [](const std::string& f) { ReadPictureRegion(f, 128, 128); }},
      {"tree", [](const std::string& f) { ReadCategoryTree(f); }},
      {"gallery picture", [](const std::string& f) { ReadGalleryPicture(f, 32); }},
      {"settings", [](const std::string& f) { ReadWholeFileText(f); }},
      {"pack", [](const std::string& f) {
         const PackResult result = ListPack(f).result;
         if (!result.completed) throw Error(result.problem, result.problem_slovak);
       }}};
  for (const auto& [reader, read] : readers) {
    ExpectRefusalNaming([&] { read(folder); }, folder, "priečinok", reader);
    ExpectRefusalNaming([&] { read("/dev/zero"); }, "/dev/zero", "zariadenie", reader);
    ExpectRefusalNaming([&] { read(pipe); }, pipe, "rúra", reader);
  }
  // A sparse 3 GB file is refused by its size before a byte of it is read.
  const std::string huge = (dir / "obrovský.png").string();
  std::ofstream{huge};
  fs::resize_file(huge, uint64_t{3} << 30);
  ExpectRefusalNaming([&] { ReadPictureFile(huge); }, huge, "256 MiB", "picture");
}

}  // namespace
}  // namespace zorna
