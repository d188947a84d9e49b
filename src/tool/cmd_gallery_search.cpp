// gallery search: the program's gallery search (synonyms, order, matching) over strom.trv.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "gallery/gallery_search.h"
#include "gallery_command.h"

namespace zornatool {
namespace {

struct SearchArguments {
  std::string home = ".";
  std::string text;
  int from = 0;
};

const RegisterGalleryCommand search_command([](CLI::App& group) -> std::function<int()> {
  auto args = std::make_shared<SearchArguments>();
  CLI::App* sub = group.add_subcommand(
      "search",
      "Search the category tree as the program's search box does: the text upper-cased and led "
      "through the synonyms (\"mobil\" looks for TELEFÓN), a caption matching when it starts with "
      "it or, from four characters on, holds it anywhere; the search starts after the current "
      "category, wraps and tries the current one last; node 0, the tree's caption, holds no "
      "pictures and is never found. Prints the number and caption of the node found, separated "
      "by a tab; exit status 3 when nothing matches or the text has fewer than three characters");
  sub->add_option("TEXT", args->text, "the search text (UTF-8)")->required();
  sub->add_option("--from", args->from, "the current category number (default 0)")
      ->check(CLI::NonNegativeNumber);
  AddHomeOption(sub, args->home);
  return [args] {
    const zorna::CategoryTree tree = ReadHomeTree(args->home);
    std::vector<std::string> captions;
    captions.reserve(tree.size());
    for (const zorna::CategoryNode& node : tree) captions.push_back(node.caption);
    const zorna::SearchResult result = zorna::SearchGallery(args->text, captions, args->from);
    if (!result.searched) {
      throw CommandFailure{kExitNothingFound,
                           "a text of fewer than three characters searches nothing"};
    }
    if (!result.found) {
      throw CommandFailure{kExitNothingFound, "no category matches " + result.key};
    }
    std::cout << *result.found << '\t' << captions[static_cast<size_t>(*result.found)] << '\n';
    return kExitOk;
  };
});

}  // namespace
}  // namespace zornatool
