#include <gtest/gtest.h>

#include <regex>

#include "core/fixtures.h"
#include "core/test_folder.h"
#include "gallery/gallery_picture.h"
#include "gallery/maintenance_jobs.h"
#include "picture/picture_file.h"
#include "support/rename_no_replace.h"

namespace zorna {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::string& text) {
  WriteFileAtomically(path, text);
}

std::vector<std::string> Shown(const std::vector<GalleryFileEntry>& entries) {
  std::vector<std::string> shown;
  for (const GalleryFileEntry& entry : entries) shown.push_back(entry.shown);
  return shown;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

TEST(Maintenance, ListsThePlainNumberedFilesOfTheRangePadded) {
  testing::TestFolder data;
  for (const char* name : {"2001.iko", "3000.iko", "4012.iko", "5000.iko", "strom.trv", "info.txt",
                           "zorna.mk", "x3000.iko", "4013.bmp", "4001.IKO"}) {
    Write(data / name, "x");
  }
  fs::create_directory(data / "4002.iko");                   // a folder
  fs::create_symlink(data / "2001.iko", data / "4003.iko");  // a link
  EXPECT_EQ(Shown(ListGalleryFiles(data.Path(), 3, 4)),
            (std::vector<std::string>{"003000.iko", "004001.IKO", "004012.iko", "004013.bmp"}));
  EXPECT_EQ(Shown(ListGalleryFiles(data.Path(), 4, 4)).front(), "004001.IKO");
  EXPECT_TRUE(ListGalleryFiles(data / "missing", 0, 200).empty());
  // At most three zeros; long names stay as they are; the category is the number's thousands.
  EXPECT_EQ(PadGalleryFileName("1.iko"), "0001.iko");
  EXPECT_EQ(PadGalleryFileName("123456.iko"), "123456.iko");
  const GalleryFileEntry odd = *ReadGalleryFileName("5007.jpeg");
  EXPECT_EQ(odd.shown, "05007.jpeg");
  EXPECT_EQ(odd.category, 5);
  EXPECT_EQ(ReadGalleryFileName("1234007.iko")->category, 1234);
  EXPECT_FALSE(ReadGalleryFileName(".5007.iko"));
}

TEST(Maintenance, ShiftWalksFromTheFarEndAndKeepsPictureNumbers) {
  const std::vector<GalleryFileEntry> entries = {*ReadGalleryFileName("3000.iko"),
                                                 *ReadGalleryFileName("4012.iko")};
  const ShiftPlan up = PlanShift(entries, 1);
  ASSERT_EQ(up.steps.size(), 2u);
  EXPECT_EQ(up.steps[0].from, "4012.iko");
  EXPECT_EQ(up.steps[0].to, "5012.iko");
  EXPECT_EQ(up.steps[1].to, "4000.iko");
  const ShiftPlan down = PlanShift(entries, -3);
  ASSERT_EQ(down.steps.size(), 2u);
  EXPECT_EQ(down.steps[0].to, "0000.iko");
  EXPECT_EQ(down.steps[1].to, "1012.iko");
  EXPECT_EQ(PlanShift(entries, -4).refused, std::vector<std::string>{"3000.iko"});
  EXPECT_TRUE(PlanShift(entries, 0).steps.empty());
}

// Two ranges shifted into each other, or a stray file: the picture under the new name stays.
TEST(Maintenance, ShiftNeverReplacesAFile) {
  testing::TestFolder data;
  Write(data / "3000.iko", "three");
  Write(data / "3001.iko", "three-one");
  Write(data / "4000.iko", "four");
  const ShiftResult result = ShiftGalleryFiles(data.Path(), ListGalleryFiles(data.Path(), 3, 3), 1);
  EXPECT_EQ(result.moved, 1u);
  EXPECT_EQ(result.taken, std::vector<std::string>{"3000.iko"});
  EXPECT_EQ(testing::ReadText(data / "3000.iko"), "three");
  EXPECT_EQ(testing::ReadText(data / "4000.iko"), "four");
  EXPECT_EQ(testing::ReadText(data / "4001.iko"), "three-one");
  EXPECT_EQ(RenameWithoutReplacing(data / "4001.iko", data / "4000.iko"), RenameOutcome::kTaken);
  EXPECT_EQ(RenameWithoutReplacing(data / "gone", data / "x"), RenameOutcome::kFailed);
}

TEST(Maintenance, InfoForTwoEntriesHasTenLines) {
  testing::TestFolder data;
  Write(data / "5007.iko", "x");
  Write(data / "12000.iko", "x");
  const fs::path written = WriteGalleryInfo(data.Path(), ListGalleryFiles(data.Path(), 0, 200));
  const std::vector<std::string> lines = Lines(testing::ReadText(written));
  ASSERT_EQ(lines.size(), 10u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(lines[i], "");
  EXPECT_EQ(lines[5], "2");
  EXPECT_EQ(lines[6], "5007");
  EXPECT_EQ(lines[8], "12000");
  const std::regex date_time(R"(\d{1,2}\.\d{1,2}\.\d{4} \d{1,2}:\d{2}:\d{2})");
  EXPECT_TRUE(std::regex_match(lines[7], date_time)) << lines[7];
  EXPECT_TRUE(std::regex_match(lines[9], date_time)) << lines[9];
}

TEST(Maintenance, EncodesTheListedBitmapsAndKeepsWhatItCannot) {
  testing::TestFolder data;
  WriteBmpFile(data / "5007.bmp", Bitmap(32, 32, Rgb(10, 20, 30)));
  const std::vector<uint8_t> bitmap = ReadWholeFile(data / "5007.bmp");
  Write(data / "5008.bmp", "not a bitmap");
  Write(data / "5009.iko", "old");
  std::vector<size_t> seen;
  const EncodeResult result = EncodeGalleryFiles(data.Path(), ListGalleryFiles(data.Path(), 5, 5),
                                                 [&](size_t i) { seen.push_back(i); });
  EXPECT_EQ(result.encoded, 1u);
  ASSERT_EQ(result.failed.size(), 1u);
  EXPECT_EQ(result.failed[0].rfind("5008.bmp: ", 0), 0u);
  EXPECT_EQ(seen, (std::vector<size_t>{0, 1, 2}));
  EXPECT_FALSE(fs::exists(data / "5007.bmp"));
  EXPECT_EQ(DecodeGalleryPictureBytes(ReadWholeFile(data / "5007.iko")).bitmap_file, bitmap);
  EXPECT_EQ(testing::ReadText(data / "5008.bmp"), "not a bitmap");
  EXPECT_EQ(testing::ReadText(data / "5009.iko"), "old");
}

// The pack is one to hand on, in Balíky, never the update that the next start installs. One that
// cannot be made (here: no tree) leaves the pack that was there whole.
TEST(Maintenance, GalleryPackStoresTheFilesAndTheTreeOrKeepsTheOldPack) {
  testing::TestFolder home;
  const fs::path data = home / "Data";
  fs::create_directory(data);
  Write(data / "0007.iko", "seven");
  Write(data / "5007.iko", "x");
  const fs::path pack = home / "Balíky" / "zorna.mk";
  fs::create_directory(home / "Balíky");
  Write(pack, "old pack");
  const std::vector<GalleryFileEntry> entries = ListGalleryFiles(data, 0, 200);
  EXPECT_FALSE(PackGallery(home.Path(), entries).pack.completed);
  EXPECT_EQ(testing::ReadText(pack), "old pack");
  Write(home / "strom.trv", "A\r\n");
  const GalleryPackResult made = PackGallery(home.Path(), entries);
  ASSERT_TRUE(made.pack.completed) << made.pack.problem;
  EXPECT_EQ(made.written, pack);
  std::vector<std::string> names;
  for (const PackEntryInfo& entry : ListPack(made.written.string()).entries) {
    names.push_back(entry.name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"0007.iko", "5007.iko", "..\\strom.trv"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(data), {}), 2);  // the pictures alone
}

}  // namespace
}  // namespace zorna
