#include "pack/pack_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/pack/block_codec_samples.h"
#include "core/pack/pack_test_files.h"
#include "pack/block_codec.h"

namespace zorna {
namespace {

using testing::Bytes;
using testing::PackBuilder;
using testing::ReadFile;
using testing::WriteFile;
namespace fs = std::filesystem;

class PackFile : public ::testing::Test {
 protected:
  testing::ScratchFolder scratch;
  fs::path root = scratch.Path() / "root";
  void SetUp() override { fs::create_directories(root / "Data"); }

  // Unpacks bytes as the gallery update does: from the root's "Data" folder.
  PackResult Unpack(const Bytes& pack, UnpackLimits limits = {}) {
    WriteFile(scratch.Path() / "in.mk", pack);
    return RozbalArchiv((scratch.Path() / "in.mk").string(), root / "Data", root, {}, limits);
  }
  size_t FilesBelow(const fs::path& folder) {
    size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      count += entry.is_regular_file() ? 1 : 0;
    }
    return count;
  }
};

TEST_F(PackFile, PacksAndUnpacksFilesOfEveryBlockCount) {
  const std::vector<std::pair<std::string, Bytes>> files = {
      {"src/empty.bin", {}},
      {"src/one.bin", {42}},
      {"src/exact.bin", Bytes(kBlockSize, 9)},
      {"src/over.bin", samples::Periodic(kBlockSize + 1, 3)},
      {"src/noise.bin", samples::Random(3 * kBlockSize + 17, 4)},
      {"src/picture.bmp", samples::Bitmap24(64, 64, 2)},
  };
  std::vector<std::string> names;
  for (const auto& [name, bytes] : files) {
    WriteFile(name, bytes);
    names.push_back(name);
  }
  const PackResult packed = ZbalSubory(names, "all.mk");
  ASSERT_TRUE(packed.completed) << packed.problem;

  const PackResult unpacked = RozbalArchiv("all.mk", root, root);
  ASSERT_TRUE(unpacked.completed) << unpacked.problem;
  EXPECT_TRUE(unpacked.skipped.empty());
  EXPECT_EQ(unpacked.damaged_blocks, 0u);
  for (const auto& [name, bytes] : files) EXPECT_EQ(ReadFile(root / name), bytes) << name;

  const PackListing listing = ListPack("all.mk");
  ASSERT_TRUE(listing.result.completed);
  ASSERT_EQ(listing.entries.size(), files.size());
  const uint32_t blocks[] = {0, 1, 1, 2, 4, 1};
  for (size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(listing.entries[i].name, "src\\" + fs::path(files[i].first).filename().string());
    EXPECT_EQ(listing.entries[i].size, files[i].second.size());
    EXPECT_EQ(listing.entries[i].blocks, blocks[i]);
  }
  EXPECT_TRUE(listing.entries[0].methods.empty());
  EXPECT_EQ(listing.entries[2].methods, (std::vector<uint8_t>{1}));
  EXPECT_EQ(listing.entries[4].methods, (std::vector<uint8_t>{0}));
}

TEST_F(PackFile, ReportsProgressAfterEveryBlock) {
  WriteFile("a", samples::Random(2 * kBlockSize, 1));
  WriteFile("b", {1, 2, 3});
  std::vector<std::pair<int32_t, int32_t>> seen;
  auto record = [&](const Progress& p) { seen.emplace_back(p.maximum, p.position); };
  ASSERT_TRUE(ZbalSubory({"a", "b"}, "p.mk", record).completed);
  // After each name and after each block.
  EXPECT_EQ(seen,
            (std::vector<std::pair<int32_t, int32_t>>{{2, 0}, {2, 0}, {2, 0}, {2, 1}, {2, 1}}));

  seen.clear();
  ASSERT_TRUE(RozbalArchiv("p.mk", root, root, record).completed);
  const int32_t size = static_cast<int32_t>(fs::file_size("p.mk"));
  ASSERT_EQ(seen.size(), 4u);  // at the start, then after each of the three blocks
  EXPECT_EQ(seen.front(), std::make_pair(size, 0));
  EXPECT_EQ(seen.back(), std::make_pair(size, size));
  EXPECT_LT(seen[1].second, seen[2].second);
}

TEST_F(PackFile, CutPacksStopSilentlyAndKeepWhatWasWritten) {
  const Bytes pack = PackBuilder()
                         .Stored("first.txt", {'o', 'n', 'e'})
                         .Entry("second.txt", 2)
                         .Block(0, {'a', 'b'})
                         .Block(1, {7, 7, 9, 0, 'x'}, {7, 7})
                         .Build();
  const size_t first_entry_end = 10 + 2 + 1 + 2 + 3;
  const Bytes old_second(70000, 's');
  for (size_t cut = 0; cut < pack.size(); ++cut) {
    fs::remove_all(root / "Data");
    WriteFile(root / "Data" / "second.txt", old_second);
    const PackResult result = Unpack(Bytes(pack.begin(), pack.begin() + cut));
    const bool clean_end = cut == first_entry_end;
    EXPECT_EQ(result.completed, clean_end) << "cut at " << cut;
    EXPECT_EQ(result.problem.empty(), clean_end);
    if (cut >= first_entry_end) {
      EXPECT_EQ(ReadFile(root / "Data" / "first.txt"), Bytes({'o', 'n', 'e'}));
    }
    // The entry that the cut falls in leaves the file it would have replaced whole, and no
    // temporary file beside it.
    EXPECT_EQ(ReadFile(root / "Data" / "second.txt"), old_second) << "cut at " << cut;
    EXPECT_EQ(FilesBelow(root), cut >= first_entry_end ? 2u : 1u) << "cut at " << cut;
  }
  ASSERT_TRUE(Unpack(pack).completed);
  EXPECT_EQ(ReadFile(root / "Data" / "second.txt"),
            Bytes({'a', 'b', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'}));
}

TEST_F(PackFile, HostileNamesNeverLeaveTheRoot) {
  fs::create_directories(root / "skin" / "Modrý");
  const Bytes pack = PackBuilder()
                         .Stored("..\\..\\escaped.txt", {'!'})
                         .Stored("\\tmp\\escaped.txt", {'!'})
                         .Stored("C:\\Program Files\\Zorna\\Skin\\Modr\xFD\\pozadie.bmp", {'s'})
                         .Stored("C:\\Zorna\\Skin\\..\\..\\escaped.txt", {'!'})
                         .Stored("..\\strom.trv", {'t'})
                         .Stored("12007.iko", {'i'})
                         .Build();
  const PackResult result = Unpack(pack);
  ASSERT_TRUE(result.completed) << result.problem;
  EXPECT_EQ(result.skipped.size(), 3u);
  EXPECT_FALSE(fs::exists(scratch.Path() / "escaped.txt"));
  EXPECT_EQ(ReadFile(root / "skin" / "Modrý" / "pozadie.bmp"), Bytes{'s'});
  EXPECT_EQ(ReadFile(root / "strom.trv"), Bytes{'t'});
  EXPECT_EQ(ReadFile(root / "Data" / "12007.iko"), Bytes{'i'});
  EXPECT_EQ(FilesBelow(scratch.Path()), 4u);  // the three written and in.mk
}

TEST_F(PackFile, LinksPlantedInTheRootAreNotFollowed) {
  const fs::path outside = scratch.Path() / "outside";
  fs::create_directories(outside);
  fs::create_directory_symlink(outside, root / "Skin");
  WriteFile(outside / "kept", {1});
  fs::create_symlink(outside / "kept", root / "strom.trv");
  const Bytes pack = PackBuilder()
                         .Stored("..\\Skin\\evil.bmp", {'!'})
                         .Stored("..\\strom.trv", {'!'})
                         .Stored("ok.iko", {'k'})
                         .Build();
  const PackResult result = Unpack(pack);
  ASSERT_TRUE(result.completed) << result.problem;
  EXPECT_EQ(result.skipped.size(), 2u);
  EXPECT_FALSE(fs::exists(outside / "evil.bmp"));
  EXPECT_EQ(ReadFile(outside / "kept"), Bytes{1});
  EXPECT_EQ(ReadFile(root / "Data" / "ok.iko"), Bytes{'k'});
}

TEST_F(PackFile, StopsBeforeWritingMoreThanTheLimit) {
  // Every block is a 5-byte run record standing for 65 025 bytes.
  PackBuilder builder;
  builder.Entry("big.bin", 10);
  for (int i = 0; i < 10; ++i) builder.Block(1, {0, 0, 0, 255, 'z'}, {0, 0});
  builder.Entry("more.bin", 30);
  for (int i = 0; i < 30; ++i) builder.Block(1, {0, 0, 0, 255, 'z'}, {0, 0});
  const PackResult result = Unpack(builder.Build(), UnpackLimits{10 * kBlockSize});
  EXPECT_FALSE(result.completed);
  EXPECT_EQ(fs::file_size(root / "Data" / "big.bin"), 10 * kBlockSize);
  EXPECT_FALSE(fs::exists(root / "Data" / "more.bin"));  // stopped inside it
  EXPECT_EQ(UnpackLimits{}.max_total_bytes, 256u << 20);
}

TEST_F(PackFile, DamagedBlocksAreWrittenAsFarAsTheyDecode) {
  const Bytes pack = PackBuilder()
                         .Entry("d.bin", 1)
                         .Block(1, {'a', 5, 5, 0, 255, 'x'}, {5, 5})  // would overflow the block
                         .Stored("after.bin", {'b'})
                         .Build();
  const PackResult result = Unpack(pack);
  EXPECT_TRUE(result.completed);
  EXPECT_EQ(result.damaged_blocks, 1u);
  EXPECT_EQ(ReadFile(root / "Data" / "d.bin"), Bytes{'a'});
  EXPECT_EQ(ReadFile(root / "Data" / "after.bin"), Bytes{'b'});
}

TEST_F(PackFile, FailedPackingKeepsThePreviousPack) {
  WriteFile("old.mk", {1, 2, 3});
  WriteFile("a", {5});
  PackResult result = ZbalSubory({"a", "missing"}, "old.mk");
  EXPECT_FALSE(result.completed);
  EXPECT_EQ(result.problem, "Cannot open file missing: No such file or directory");
  EXPECT_EQ(ReadFile("old.mk"), Bytes({1, 2, 3}));
  EXPECT_EQ(FilesBelow(scratch.Path()), 2u);  // no half-written pack beside it

  result = ZbalSubory({"a", "日本"}, "old.mk");
  EXPECT_FALSE(result.completed);
  EXPECT_EQ(ReadFile("old.mk"), Bytes({1, 2, 3}));

  fs::permissions("old.mk", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_FALSE(ZbalSubory({"a"}, "old.mk").completed);
  EXPECT_FALSE(ZbalSubory({"root"}, "new.mk").completed);  // a folder is not a file
}

TEST_F(PackFile, OverwritesExistingFiles) {
  WriteFile(root / "Data" / "x.iko", Bytes(100, 'o'));
  ASSERT_TRUE(Unpack(PackBuilder().Stored("x.iko", {'n'}).Build()).completed);
  EXPECT_EQ(ReadFile(root / "Data" / "x.iko"), Bytes{'n'});
}

// Names that differ only in letter case reach one file, also when the first was made by the
// same job (whose folder names are read once).
TEST_F(PackFile, EntriesDifferingInCaseReachOneFile) {
  WriteFile(root / "Skin" / "Modrý" / "a.bmp", {'o'});
  const Bytes pack = PackBuilder()
                         .Stored("..\\SKIN\\MODR\xDD\\A.BMP", {'1'})
                         .Stored("New\\B.iko", {'2'})
                         .Stored("NEW\\b.IKO", {'3'})
                         .Build();
  ASSERT_TRUE(Unpack(pack).completed);
  EXPECT_EQ(ReadFile(root / "Skin" / "Modrý" / "a.bmp"), Bytes{'1'});
  EXPECT_EQ(ReadFile(root / "Data" / "New" / "B.iko"), Bytes{'3'});
  EXPECT_EQ(FilesBelow(root), 2u);
}

}  // namespace
}  // namespace zorna
