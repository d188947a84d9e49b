#pragma once
#include <string>
#include <string_view>

namespace zorna {

// Texts live in the program as UTF-8; files that store Windows-1250 text (the settings file,
// the not-found list, names inside pack files) convert at their edge.
std::string Utf8ToCp1250(std::string_view utf8);
std::string Cp1250ToUtf8(std::string_view cp1250);

// True when every byte sequence of the text is valid UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace zorna

namespace zorna {

// Lower-case twin of a Windows-1250 byte (letters with diacritics included), for the
// case-blind name comparisons of the settings files.
unsigned char Cp1250ToLower(unsigned char byte);
bool EqualIgnoringCaseCp1250(std::string_view a, std::string_view b);

}  // namespace zorna
