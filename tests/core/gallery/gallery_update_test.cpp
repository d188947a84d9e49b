// The gallery update: a good pack replaces every picture and the tree, and what it replaced is
// in a backup that brings it back; a damaged, hostile or empty one leaves the old gallery exactly
// as it was and is deleted; a failed write keeps both; a crash at any step leaves old or new.
#include "gallery/gallery_update.h"

#include <gtest/gtest.h>

#include "core/pack/pack_test_files.h"
#include "core/test_folder.h"
#include "gallery/gallery_backup.h"

namespace zorna {
namespace {

using namespace testing;

class GalleryUpdate : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(program_ / "Data/1000.iko", {'o', 'l', 'd', '0'});
    WriteFile(program_ / "Data/2000.iko", {'o', 'l', 'd', '2'});
    WriteFile(program_ / "Data/info.txt", {'i'});
    WriteFile(program_ / "strom.trv", {'O', 'L', 'D'});
  }
  void Deliver(const Bytes& pack) { WriteFile(program_ / "Data/zorna.mk", pack); }
  GalleryUpdateResult Install(const ProgressStep& pump = {}) {
    return InstallGalleryUpdate(program_.Path(), pump);
  }
  std::map<std::string, Bytes> Files() const { return FilesWithContents(program_.Path()); }
  std::map<std::string, Bytes> Gallery() const {  // without the backups
    auto files = Files();
    std::erase_if(files, [](const auto& file) { return file.first.starts_with("Záloha/"); });
    return files;
  }

  TestFolder program_;
};

PackBuilder GoodPack() {
  PackBuilder pack;
  pack.Stored("1000.iko", {'n', 'e', 'w', '0'})
      .Stored("1001.iko", {'n', 'e', 'w', '1'})
      .Stored("..\\strom.trv", {'N', 'E', 'W', '\r', '\n', '\t', 'A', '\r', '\n'});
  return pack;
}

TEST_F(GalleryUpdate, ReplacesEveryPictureAndTheTreeAndDeletesThePack) {
  // Entries that are neither pictures nor the tree are not installed, whatever their names.
  Deliver(PackBuilder(GoodPack()).Stored("..\\old", {'x'}).Stored("..\\pack", {'y'}).Build());
  int pumped = 0;
  GalleryUpdateResult inner;
  const GalleryUpdateResult result = Install([&](const Progress& p) {
    if (pumped++ == 0) inner = Install();  // a second resize while events are let through
    EXPECT_LE(p.position, p.maximum);
  });
  EXPECT_EQ(inner.outcome, GalleryUpdateOutcome::kBusy);
  ASSERT_EQ(result.outcome, GalleryUpdateOutcome::kInstalled) << result.problem;
  EXPECT_EQ(result.pictures, 2u);
  EXPECT_TRUE(result.tree_replaced);
  EXPECT_TRUE(result.pack_removed);
  EXPECT_GE(pumped, 5);  // three blocks, two pictures
  const std::map<std::string, Bytes> want = {
      {"Data/1000.iko", {'n', 'e', 'w', '0'}},
      {"Data/1001.iko", {'n', 'e', 'w', '1'}},
      {"Data/info.txt", {'i'}},
      {"strom.trv", {'N', 'E', 'W', '\r', '\n', '\t', 'A', '\r', '\n'}}};
  ExpectSameFiles(Gallery(), want, "installed");
  EXPECT_EQ(Install().outcome, GalleryUpdateOutcome::kNoUpdate);
}

TEST_F(GalleryUpdate, TheBackupBringsTheOldGalleryBackAndTheLastThreeAreKept) {
  const std::map<std::string, Bytes> old = Files();
  Deliver(GoodPack().Build());
  const fs::path first = Install().backup;
  ASSERT_TRUE(first.string().starts_with("Záloha/galéria-")) << first;
  const GalleryUpdateResult restored = InstallGalleryUpdate(program_.Path(), {}, program_ / first);
  ASSERT_EQ(restored.outcome, GalleryUpdateOutcome::kInstalled) << restored.problem;
  ExpectSameFiles(Gallery(), old, "restored");
  EXPECT_TRUE(fs::exists(program_ / first));  // a given pack stays
  for (int i = 0; i < 2; ++i) {
    Deliver(GoodPack().Build());
    Install();
  }
  EXPECT_FALSE(fs::exists(program_ / first));
  EXPECT_EQ(Files().size(), Gallery().size() + kBackupsKept);
}

TEST_F(GalleryUpdate, ADamagedOrHostilePackKeepsTheOldGallery) {
  const std::map<std::string, Bytes> old = Files();
  const Bytes good = GoodPack().Build();
  std::vector<std::pair<std::string, Bytes>> bad;
  for (size_t cut : {size_t{3}, size_t{12}, size_t{20}, good.size() - 9, good.size() - 1}) {
    bad.emplace_back("cut at " + std::to_string(cut), Bytes(good.begin(), good.begin() + cut));
  }
  bad.emplace_back("hostile", PackBuilder(GoodPack()).Stored("..\\..\\evil", {'!'}).Build());
  bad.emplace_back("tree with a depth jump",
                   PackBuilder()
                       .Stored("1000.iko", {'n'})
                       .Stored("..\\strom.trv", {'A', '\n', '\t', '\t', 'B'})
                       .Build());
  bad.emplace_back("no gallery in it", PackBuilder().Stored("readme.txt", {'r'}).Build());
  bad.emplace_back("block damaged",
                   PackBuilder().Entry("1000.iko", 1).Block(1, {'a', 5, 6}, {5, 6}).Build());
  bad.emplace_back("block of a whole pack damaged",
                   ReadFile(fs::path(ZORNA_TEST_DATA) /
                            "pack/invalid/pack-block-of-second-entry-does-not-decode.mk"));
  for (const auto& [what, pack] : bad) {
    Deliver(pack);
    const GalleryUpdateResult result = Install();
    EXPECT_EQ(result.outcome, GalleryUpdateOutcome::kDamaged) << what;
    EXPECT_FALSE(result.problem.empty()) << what;
    EXPECT_TRUE(result.pack_removed) << what;
    ExpectSameFiles(Files(), old, what);
  }
}

TEST_F(GalleryUpdate, AFailedBackupChangesNothingAndKeepsThePack) {
  WriteFile(program_ / "Záloha", {'f'});  // a file where the folder should be
  Deliver(GoodPack().Build());
  const std::map<std::string, Bytes> old = Files();
  const GalleryUpdateResult result = Install();
  EXPECT_EQ(result.outcome, GalleryUpdateOutcome::kNotWritten);
  EXPECT_TRUE(result.problem.find("Záloha: Not a directory") != std::string::npos)
      << result.problem;
  EXPECT_TRUE(result.problem_slovak.find("časť cesty nie je priečinok") != std::string::npos);
  ExpectSameFiles(Files(), old, "failed backup");
}

// A crash or a failed file operation stopped the install at each of its file operations in
// turn; a failure is undone at once, and what the next start finds after a crash is made whole:
// the old gallery with its pack, or the new one without.
TEST_F(GalleryUpdate, AnInstallStoppedAtAnyStepLeavesTheOldOrTheNewGallery) {
  Deliver(GoodPack().Build());
  const std::map<std::string, Bytes> old = Gallery();
  Install();
  const std::map<std::string, Bytes> updated = Gallery();
  for (const GalleryInstallStop how : {GalleryInstallStop::kCrash, GalleryInstallStop::kFailure}) {
    size_t olds = 0, news = 0;
    for (size_t at = 0;; ++at) {
      const std::string what =
          (how == GalleryInstallStop::kCrash ? "crash at " : "failure at ") + std::to_string(at);
      fs::remove_all(program_.Path());
      SetUp();
      Deliver(GoodPack().Build());
      StopGalleryInstallAt(at, how);
      bool stopped = true;
      try {
        stopped = Install().outcome != GalleryUpdateOutcome::kInstalled;
        if (stopped) ExpectSameFiles(Gallery(), old, what);
      } catch (const GalleryInstallCut&) {
      }
      StopGalleryInstallAt(std::nullopt);
      RecoverGalleryUpdate(program_.Path());
      const std::map<std::string, Bytes> now = Gallery();
      ++(now == old ? olds : news);
      if (now != old) ExpectSameFiles(now, updated, what);
      if (!stopped) break;
    }
    EXPECT_GE(olds, 4u);
    EXPECT_GE(news, 1u);
  }
}

}  // namespace
}  // namespace zorna
