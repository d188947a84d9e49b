#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The category tree of the gallery, kept in the program folder as "strom.trv": one node per line
// in pre-order, code page 1250 text. The leading tabs of a line (a leading space counts as one
// too) are its depth, 0 for top-level nodes; the rest of the line is its caption. A node's index
// in file order is its category number; node 0 is the tree's root caption, never a category.
namespace zorna {

inline constexpr std::string_view kTreeFile = "strom.trv";

// A tree of a few hundred categories has a few kilobytes; a bigger file is not a category tree,
// and reading it whole would only cost memory and time.
inline constexpr size_t kTreeFileLimit = 4 * 1024 * 1024;
// Real trees are a handful of levels deep; the window builds nested items level by level, so a
// file of thousands of ever-deeper lines is refused rather than built.
inline constexpr int kTreeMaxDepth = 100;

struct CategoryNode {
  int depth = 0;
  std::string caption;  // UTF-8; a byte that code page 1250 leaves unassigned becomes U+FFFD
  bool operator==(const CategoryNode&) const = default;
};
// The nodes in file order: the index of a node is its category number.
using CategoryTree = std::vector<CategoryNode>;

// The nodes of the file's bytes. Lines end in CR LF, LF or CR; every line is a node, an empty
// one too (its caption is empty), but the break after the last line does not start another.
// Throws Error naming shown_name and the line (counted from 1) when a line is more than one
// level deeper than the line before it (the first line must not be indented at all), deeper than
// kTreeMaxDepth, or holds a NUL byte (a binary file, not a text).
CategoryTree ParseCategoryTree(std::string_view cp1250_text, const std::string& shown_name);

// Reads the tree file. A missing or unreadable file throws CannotOpenFile; a file larger than
// kTreeFileLimit throws Error before more than the limit is read; the rest as ParseCategoryTree.
CategoryTree ReadCategoryTree(const std::filesystem::path& path);
// The tree file's bytes, unparsed, with the same refusals of a file that cannot be read or is
// too large; for a caller that keeps the bytes as they are once ParseCategoryTree took them.
std::string ReadCategoryTreeText(const std::filesystem::path& path);

// The file's bytes: each node as depth tabs and its caption in code page 1250, ended by CR LF.
// Throws Error for a tree that ParseCategoryTree would refuse or a caption that code page 1250
// cannot hold, so that what is written always reads back as it was.
std::string FormatCategoryTree(const CategoryTree& tree);

// The parent of every node, -1 for a top-level node. The tree must be one that
// ParseCategoryTree gives (no depth jumps).
std::vector<int> ParentIndices(const CategoryTree& tree);

}  // namespace zorna
