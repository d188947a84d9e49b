// Any bytes as the category tree: reading ends in nodes or in zorna::Error, never a crash; the
// nodes it gives are a tree without depth jumps whose parents are one level up, with UTF-8
// captions; and a tree the writer accepts reads back as it was.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gallery/category_tree.h"
#include "support/error.h"
#include "text/cp1250.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zorna::CategoryTree tree;
  try {
    tree = zorna::ParseCategoryTree(text, "fuzz.trv");
  } catch (const zorna::Error&) {
    return 0;
  }
  const std::vector<int> parents = zorna::ParentIndices(tree);
  for (size_t i = 0; i < tree.size(); ++i) {
    const int depth = tree[i].depth;
    if (depth < 0 || depth > zorna::kTreeMaxDepth) std::abort();
    if (depth > (i == 0 ? 0 : tree[i - 1].depth + 1)) std::abort();
    if ((parents[i] < 0) != (depth == 0)) std::abort();
    if (parents[i] >= 0 &&
        (parents[i] >= static_cast<int>(i) || tree[parents[i]].depth != depth - 1))
      std::abort();
    if (!zorna::IsValidUtf8(tree[i].caption)) std::abort();
  }
  std::string written;
  try {
    written = zorna::FormatCategoryTree(tree);
  } catch (const zorna::Error&) {
    return 0;  // a caption that code page 1250 cannot hold (U+FFFD of an unassigned byte)
  }
  if (zorna::ParseCategoryTree(written, "again.trv") != tree) std::abort();
  return 0;
}
