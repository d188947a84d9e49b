// The tree file over tests/data/tree: every valid file gives the nodes of its ".nodes" sidecar,
// every invalid one is refused with an error naming its line; and the writer refuses what would
// not read back.
#include "gallery/category_tree.h"

#include <gtest/gtest.h>

#include "core/fixtures.h"
#include "core/test_folder.h"

namespace zorna {
namespace {

using namespace testing;

std::string NodesText(const CategoryTree& tree) {
  std::string text;
  for (size_t i = 0; i < tree.size(); ++i) {
    text +=
        std::to_string(i) + '\t' + std::to_string(tree[i].depth) + '\t' + tree[i].caption + '\n';
  }
  return text;
}

TEST(CategoryTreeFixtures, ValidFilesGiveTheirNodes) {
  for (const auto& file : FixtureFiles("tree", "valid", ".trv")) {
    CategoryTree tree;
    ASSERT_NO_THROW(tree = ReadCategoryTree(file)) << file.filename();
    EXPECT_EQ(NodesText(tree), ReadText(Sidecar(file, ".nodes"))) << file.filename();
  }
}

TEST(CategoryTreeFixtures, InvalidFilesAreRefusedNamingTheLine) {
  for (const auto& file : FixtureFiles("tree", "invalid", ".trv")) {
    const std::string want(Trimmed(ReadText(Sidecar(file, ".nodes"))));
    try {
      ReadCategoryTree(file);
      ADD_FAILURE() << file.filename() << " was accepted";
    } catch (const Error& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(want), std::string::npos) << file.filename() << ": " << message;
      EXPECT_EQ(message.rfind(file.string(), 0), 0u) << message;
    }
  }
}

TEST(CategoryTree, HugeOrMissingFilesAreRefused) {
  TestFolder dir;
  EXPECT_THROW(ReadCategoryTree(dir / "strom.trv"), Error);
  std::string huge(kTreeFileLimit + 1, 'A');
  WriteFileAtomically(dir / "huge.trv", huge);
  try {
    ReadCategoryTree(dir / "huge.trv");
    ADD_FAILURE() << "a file over the limit was read";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("it is not a category tree"), std::string::npos);
  }
  huge.pop_back();
  WriteFileAtomically(dir / "largest.trv", huge);
  EXPECT_EQ(ReadCategoryTree(dir / "largest.trv").size(), 1u);
}

TEST(CategoryTree, ParentsFollowTheDepths) {
  const CategoryTree tree = ParseCategoryTree("R\n\tA\n\t\tB\n\t\tC\n\tD\n\t\tE\nS\n", "t");
  EXPECT_EQ(ParentIndices(tree), (std::vector<int>{-1, 0, 1, 1, 0, 4, -1}));
}

TEST(CategoryTree, WriterRefusesWhatWouldNotReadBack) {
  EXPECT_EQ(FormatCategoryTree({{0, "GALÉRIA"}, {1, "ĎALŠIE"}}),
            "GAL\xC9RIA\r\n\t\xCF"
            "AL\x8AIE\r\n");
  EXPECT_THROW(FormatCategoryTree({{0, "A"}, {2, "B"}}), Error);
  EXPECT_THROW(FormatCategoryTree({{0, "A"}, {1, " B"}}), Error);
  EXPECT_THROW(FormatCategoryTree({{0, "A\nB"}}), Error);
  EXPECT_THROW(FormatCategoryTree({{0, "日本"}}), Error);
}

}  // namespace
}  // namespace zorna
