#pragma once
// The map from an icon theme's names to gallery categories (data/gallery/tango-map.txt says how
// it reads): the category tree with, for each node, the theme names whose pictures go there.
#include <string>
#include <string_view>
#include <vector>

#include "gallery/category_tree.h"

namespace zornatool {

struct ThemeMap {
  zorna::CategoryTree tree;
  std::vector<std::vector<std::string>> names;  // per node, in the order listed
};

// Throws zorna::Error naming shown_name and the line for a depth jump, a second top-level
// category (all lie below the root), names before any category or under the root, a name
// listed twice, or a caption that strom.trv cannot hold (code page 1250).
ThemeMap ParseThemeMap(std::string_view utf8_text, const std::string& shown_name);

}  // namespace zornatool
