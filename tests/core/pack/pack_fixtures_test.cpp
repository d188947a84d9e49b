// The pack reader over tests/data/pack, unpacking from "Data" as the gallery update does: every
// valid pack gives the entries its sidecar lists; every damaged one stops with a message that
// names the pack, and leaves only the entries completed before the damage, or, when only a
// block's data is damaged, names that entry.
#include <gtest/gtest.h>

#include "core/fixtures.h"
#include "core/pack/pack_test_files.h"
#include "pack/pack_file.h"

namespace zorna {
namespace {

using namespace testing;
namespace fs = std::filesystem;

// Unpacks each pack into a fresh program folder and compares what was written with the
// entries of its sidecar (none when it has no sidecar).
void ExpectUnpackedAsListed(const std::string& kind, bool completes) {
  ScratchFolder scratch;
  const fs::path root = scratch.Path() / "root";
  for (const auto& pack : FixtureFiles("pack", kind, ".mk")) {
    SCOPED_TRACE(pack.filename().string());
    fs::remove_all(root);
    fs::create_directories(root / "Data");
    const PackResult result = RozbalArchiv(pack.string(), root / "Data", root);
    // A damaged pack whose layout is whole is read to its end, its damaged entries named.
    const bool whole = result.completed && !result.damaged_entries.empty();
    EXPECT_EQ(result.completed && !whole, completes) << result.problem;
    EXPECT_EQ(result.damaged_blocks, whole ? 1u : 0u);
    if (!completes && !whole) {
      EXPECT_EQ(result.problem.rfind(pack.string() + " is ", 0), 0u) << result.problem;
    }
    const fs::path sidecar = Sidecar(pack, ".entries");
    const Entries entries = fs::exists(sidecar) ? ParseEntries(ReadText(sidecar)) : Entries{};
    ExpectSameFiles(FilesWithContents(root), Destinations(entries, root / "Data", root), "files");
    if (!completes) continue;
    const PackListing listing = ListPack(pack.string());
    ASSERT_EQ(listing.entries.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(listing.entries[i].name, entries[i].first);
      EXPECT_EQ(listing.entries[i].size, entries[i].second.size());
    }
  }
}

TEST(PackFixtures, ValidPacksUnpackToTheirEntries) {
  ExpectUnpackedAsListed("valid", true);
}

TEST(PackFixtures, DamagedPacksStopWithAMessageAndKeepOnlyCompletedEntries) {
  ExpectUnpackedAsListed("invalid", false);
}

}  // namespace
}  // namespace zorna
