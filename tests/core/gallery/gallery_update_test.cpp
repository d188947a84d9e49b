// The gallery update: a good pack replaces every picture and the tree; a damaged, hostile or
// empty one leaves the old gallery exactly as it was; the pack is gone afterwards either way.
#include "gallery/gallery_update.h"

#include <gtest/gtest.h>

#include "core/support/pack_test_files.h"
#include "core/test_folder.h"
#include "support/progress.h"

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
  GalleryUpdateResult Install(const std::function<void()>& pump = {}) {
    return InstallGalleryUpdate(program_.Path(), pump);
  }
  std::map<std::string, Bytes> Files() const { return FilesWithContents(program_.Path()); }

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
  const GalleryUpdateResult result = Install([&] {
    if (pumped++ == 0) inner = Install();  // a second resize while events are let through
    EXPECT_GE(PostupMaximum, 0);
  });
  EXPECT_EQ(inner.outcome, GalleryUpdateOutcome::kBusy);
  ASSERT_EQ(result.outcome, GalleryUpdateOutcome::kInstalled) << result.problem;
  EXPECT_EQ(result.pictures, 2u);
  EXPECT_TRUE(result.tree_replaced);
  EXPECT_TRUE(result.pack_removed);
  EXPECT_GE(pumped, 5);  // three blocks, two pictures
  EXPECT_EQ(PostupMaximum, -1);
  EXPECT_EQ(PostupPozicia, -1);
  const std::map<std::string, Bytes> want = {
      {"Data/1000.iko", {'n', 'e', 'w', '0'}},
      {"Data/1001.iko", {'n', 'e', 'w', '1'}},
      {"Data/info.txt", {'i'}},
      {"strom.trv", {'N', 'E', 'W', '\r', '\n', '\t', 'A', '\r', '\n'}}};
  ExpectSameFiles(Files(), want, "installed");
  EXPECT_EQ(Install().outcome, GalleryUpdateOutcome::kNoUpdate);
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
  for (const auto& [what, pack] : bad) {
    Deliver(pack);
    const GalleryUpdateResult result = Install();
    EXPECT_EQ(result.outcome, GalleryUpdateOutcome::kNotInstalled) << what;
    EXPECT_FALSE(result.problem.empty()) << what;
    EXPECT_TRUE(result.pack_removed) << what;
    ExpectSameFiles(Files(), old, what);
  }
}

TEST_F(GalleryUpdate, ALeftoverStagingFolderIsRemoved) {
  const std::map<std::string, Bytes> old = Files();
  WriteFile(program_ / "Data/.zorna-update/Data/1000.iko", {'h', 'a', 'l', 'f'});
  RemoveGalleryUpdateLeftovers(program_.Path());
  ExpectSameFiles(Files(), old, "after a crash");
}

}  // namespace
}  // namespace zorna
