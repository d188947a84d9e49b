#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "text/interface_language.h"

// The gallery search: a typed text is matched against the captions of the category tree, after
// upper-casing and a fixed table of synonyms that leads common words to the gallery's own
// category names ("mobil" finds TELEFÓN). Texts are UTF-8; lengths count characters.
namespace zorna {

// A text this short searches nothing.
inline constexpr int kShortestSearchText = 3;
// From this length on a caption that holds the key anywhere matches, not only one that starts
// with it; a shorter key is not remembered as not found either.
inline constexpr int kShortestInnerMatch = 4;

// The search key of a typed text: UpperSlovak, then the synonym table. The table's tests look at
// the first three and four characters of the upper-cased text, all of them at those taken before
// any replacement; every row that matches replaces the whole key, so a later row wins. Under
// English a table of English words follows the Slovak one: its rows lead to the same Slovak
// captions ("phone" to TELEFÓN), and Slovak words still find what they find under Slovak.
std::string SearchKey(std::string_view typed,
                      InterfaceLanguage language = InterfaceLanguage::kSlovak);

// Whether a node's caption matches the key: the caption, upper-cased, starts with the key, or,
// for a key of kShortestInnerMatch characters or more, holds it anywhere.
bool CaptionMatches(std::string_view key, std::string_view caption);

// The node the search selects, or nullopt. The captions are the tree's nodes in pre-order (the
// index is the category number); current is the current category number. The search starts at
// the node after the current one, wraps from the last node to the first and tries the current
// one last. A current number outside the tree starts at the first node; a tree without nodes
// finds nothing. Node 0, the tree's caption, is never found: it holds no pictures. Under
// English a node also matches by the English caption it shows (ShownCaption).
std::optional<int> FindCategory(std::string_view key, std::span<const std::string> captions,
                                int current,
                                InterfaceLanguage language = InterfaceLanguage::kSlovak);

// A typed text searched for: the key it became and the node found. A text of fewer than
// kShortestSearchText characters is not searched at all (searched is false, key empty).
struct SearchResult {
  bool searched = false;
  std::string key;
  std::optional<int> found;
};
SearchResult SearchGallery(std::string_view typed, std::span<const std::string> captions,
                           int current, InterfaceLanguage language = InterfaceLanguage::kSlovak);

// The number of characters of a UTF-8 text: the bytes that start one (a stray continuation byte
// adds nothing).
int CharacterCount(std::string_view utf8);

}  // namespace zorna
