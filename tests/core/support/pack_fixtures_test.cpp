// The pack reader over tests/data/pack, unpacking from "Data" as the gallery update does: every
// valid pack gives the entries its sidecar lists; every damaged one stops with a message that
// names the pack, and leaves only the entries completed before the damage.
#include <gtest/gtest.h>

#include "core/fixtures.h"
#include "core/support/pack_test_files.h"
#include "support/pack_file.h"

namespace zorna {
namespace {

using namespace testing;
namespace fs = std::filesystem;

// The entries a pack's sidecar lists; none when it has no sidecar.
Entries ExpectedEntries(const fs::path& pack) {
  const fs::path sidecar = Sidecar(pack, ".entries");
  return fs::exists(sidecar) ? ParseEntries(ReadText(sidecar)) : Entries{};
}

PackResult UnpackFresh(const ScratchFolder& scratch, const fs::path& pack) {
  fs::remove_all(scratch.Path() / "root");
  fs::create_directories(scratch.Path() / "root" / "Data");
  return RozbalArchiv(pack.string(), scratch.Path() / "root" / "Data", scratch.Path() / "root");
}

TEST(PackFixtures, ValidPacksUnpackToTheirEntries) {
  ScratchFolder scratch;
  const fs::path root = scratch.Path() / "root";
  for (const auto& pack : FixtureFiles("pack", "valid", ".mk")) {
    SCOPED_TRACE(pack.filename().string());
    const PackResult result = UnpackFresh(scratch, pack);
    EXPECT_TRUE(result.completed) << result.problem;
    EXPECT_EQ(result.damaged_blocks, 0u);
    const Entries entries = ExpectedEntries(pack);
    ExpectSameFiles(FilesWithContents(root), Destinations(entries, root / "Data", root), "files");
    const PackListing listing = ListPack(pack.string());
    ASSERT_EQ(listing.entries.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(listing.entries[i].name, entries[i].first);
      EXPECT_EQ(listing.entries[i].size, entries[i].second.size());
    }
  }
}

TEST(PackFixtures, DamagedPacksStopWithAMessageAndKeepOnlyCompletedEntries) {
  ScratchFolder scratch;
  const fs::path root = scratch.Path() / "root";
  for (const auto& pack : FixtureFiles("pack", "invalid", ".mk")) {
    SCOPED_TRACE(pack.filename().string());
    const PackResult result = UnpackFresh(scratch, pack);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.problem.rfind(pack.string() + " is ", 0), 0u) << result.problem;
    ExpectSameFiles(FilesWithContents(root),
                    Destinations(ExpectedEntries(pack), root / "Data", root), "files");
    EXPECT_EQ(PostupMaximum, -1);
  }
}

}  // namespace
}  // namespace zorna
