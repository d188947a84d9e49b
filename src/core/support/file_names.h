#pragma once
#include <string_view>

// How the program compares file names: without regard to letter case for every letter that code
// page 1250 has ("Modrý" and "MODRÝ", "Skin" and "skin"), as the desktop that the program's data
// and packs come from does. Names are UTF-8, as on disk here. Every case-blind lookup of a name
// (path lookup, pack unpacking, deleting by mask) goes through these two.
namespace zorna {

bool SameFileName(std::string_view a, std::string_view b);

// True when name matches a mask of "*" (any run of characters) and "?" (one character).
bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace zorna
