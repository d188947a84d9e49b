#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "text/interface_language.h"

namespace zorna {

// Small text and number routines shared by the windows and the tool. Texts are UTF-8;
// positions and lengths count bytes, which are characters for the ASCII texts these routines
// are used on (numbers, file names, filter lists).

// Decimal digits, "-" in front of a negative value.
std::string IntText(int64_t value);
// IntText(value) with "0" in front up to `width` characters; longer numbers stay as they are.
std::string ZeroPad(int64_t value, int width);
// The text `count` times; 0 or less gives "".
std::string RepeatText(std::string_view text, int count);
// The character at 1-based `position`; a blank where there is none.
char CharAt(std::string_view text, int position);
// True for "0" to "9" only.
bool IsDigit(char c);
// The larger of the two (b when they are equal).
int64_t MaxInt(int64_t a, int64_t b);
// a + 1, wrapping to `low` past `high`.
int CyclicNext(int a, int low, int high);
// Replaces the first occurrence of the pattern again and again until none is left.
std::string ReplaceAll(std::string_view pattern, std::string_view replacement, std::string text);
// Occurrences of the pattern, overlapping ones included ("aa" occurs 3 times in "aaaa").
int CountOccurrences(std::string_view pattern, std::string_view text);
// Upper case as the Slovak and Czech code page knows it: a-z and the 22 accented Slovak and
// Czech letters (á, ä, č, ď, é, ě, í, ĺ, ľ, ň, ó, ô, ő, ŕ, ř, š, ť, ú, ů, ü, ý, ž); every other
// character stays. The result has the same length in bytes.
std::string UpperSlovak(std::string_view text);
// A-Z made a-z; every other byte stays.
std::string LowerAscii(std::string_view text);
// Tidies a decimal number written with a comma: leading zeros go ("007,2500" -> "7,25"),
// trailing zeros and blanks of the fraction go, and so does a comma left at the end
// ("12,000" -> "12"). Numbers with an exponent ("E" or "10^") keep their end.
std::string TrimDecimal(std::string text);
// A size in bytes as people read it: "1000 bajtov", "1,46 KB", "0,97 KB", "3,20 GB". The unit
// word names bytes (empty means "bajtov"); above 1000 of a unit the next one is used, up to GB.
std::string SizeText(int64_t bytes, std::string_view unit);
// The same in the window's language: English says "1000 bytes", "1.46 KB".
std::string SizeText(int64_t bytes, InterfaceLanguage language);
// 1-based position of the first occurrence of sub in text, 0 when absent.
int PoziciaVTexte(std::string_view sub, std::string_view text);
// The name without its extension (from the last "." on).
std::string BezPripony(const std::string& name);
// The text with every occurrence of sub removed, also those that a removal creates.
std::string OdstranVsetky(std::string_view sub, std::string text);
// The leading integer of a text such as "64 x 64"; 0 when there is none.
int32_t CisloNaZaciatku(std::string_view text);

}  // namespace zorna
