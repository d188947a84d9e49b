#pragma once
#include <optional>
#include <string_view>

#include "text/interface_language.h"

// What the category tree shows. The tree file stays Slovak (the gallery updates and the search
// rely on its captions); under English the shipped gallery's categories are shown, and found,
// by their English names.
namespace zorna {

// The English name of one of the shipped gallery's category captions; nullopt for any other
// caption (a user's own category, an older gallery's). Captions are compared exactly.
std::optional<std::string_view> EnglishCaption(std::string_view caption);

// The caption a node shows in a language: the English name where there is one, else the
// caption as the tree file holds it. The view lives as long as the caption or the program.
std::string_view ShownCaption(std::string_view caption, InterfaceLanguage language);

}  // namespace zorna
