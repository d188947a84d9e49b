#include "theme_map.h"

#include <set>
#include <sstream>

#include "support/error.h"

namespace zornatool {
namespace {

[[noreturn]] void Refuse(const std::string& shown_name, size_t line, const std::string& why) {
  throw zorna::Error(shown_name + ", line " + std::to_string(line) + ": " + why);
}

}  // namespace

ThemeMap ParseThemeMap(std::string_view utf8_text, const std::string& shown_name) {
  ThemeMap map;
  std::set<std::string> listed;
  std::istringstream lines{std::string(utf8_text)};
  size_t number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t indent = std::min(line.find_first_not_of("\t "), line.size());
    const std::string_view rest = std::string_view(line).substr(indent);
    if (rest.empty() || rest.front() == '#') continue;
    if (rest.front() == ':') {
      if (map.tree.size() < 2) {
        Refuse(shown_name, number, "pictures need a category below the root");
      }
      std::istringstream words{std::string(rest.substr(1))};
      for (std::string name; words >> name;) {
        if (!listed.insert(name).second) Refuse(shown_name, number, name + " is listed twice");
        map.names.back().push_back(name);
      }
      continue;
    }
    const int depth = static_cast<int>(indent);
    const int previous = map.tree.empty() ? -1 : map.tree.back().depth;
    if (depth > previous + 1) {
      Refuse(shown_name, number, "the category is more than one level deeper than the one before");
    }
    if (depth == 0 && !map.tree.empty()) {
      Refuse(shown_name, number, "every category lies below the root, the first one");
    }
    map.tree.push_back({depth, std::string(rest)});
    map.names.emplace_back();
  }
  if (map.tree.empty()) throw zorna::Error(shown_name + " holds no category");
  try {
    zorna::FormatCategoryTree(map.tree);  // every caption must have its code page 1250 form
  } catch (const zorna::Error& e) {
    throw zorna::Error(shown_name + ": " + e.what());
  }
  return map;
}

}  // namespace zornatool
