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

// The code points of a UTF-8 text; a broken sequence gives U+FFFD.
std::u32string CodePointsOf(std::string_view utf8);

}  // namespace zorna

namespace zorna {

// Lower-case twin of a Windows-1250 byte (letters with diacritics included), for the
// case-blind name comparisons of the settings files.
unsigned char Cp1250ToLower(unsigned char byte);
bool EqualIgnoringCaseCp1250(std::string_view a, std::string_view b);

// A UTF-8 text as code points with every letter that code page 1250 holds in its lower-case form
// (other characters stay as they are), for comparing names without regard to case. A byte that
// is not part of valid UTF-8 becomes a value of its own above U+10FFFF, so two different names
// never fold alike.
std::u32string FoldCaseCp1250(std::string_view utf8);

}  // namespace zorna
