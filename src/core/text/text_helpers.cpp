#include "text/text_helpers.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "text/cp1250.h"
#include "text/number_scan.h"

namespace zorna {

std::string IntText(int64_t value) {
  return std::to_string(value);
}

std::string ZeroPad(int64_t value, int width) {
  std::string text = IntText(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::string RepeatText(std::string_view text, int count) {
  std::string out;
  if (count <= 0) return out;
  out.reserve(text.size() * static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

char CharAt(std::string_view text, int position) {
  if (position < 1 || static_cast<size_t>(position) > text.size()) return ' ';
  return text[position - 1];
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int64_t MaxInt(int64_t a, int64_t b) {
  return a > b ? a : b;
}

int CyclicNext(int a, int low, int high) {
  return a >= high ? low : a + 1;
}

std::string ReplaceAll(std::string_view pattern, std::string_view replacement, std::string text) {
  if (pattern.empty()) return text;
  // A replacement holding the pattern would be replaced forever; then one left-to-right pass
  // is the only answer that ends.
  const bool endless = replacement.find(pattern) != std::string_view::npos;
  size_t from = 0;
  while (true) {
    const size_t at = text.find(pattern, from);
    if (at == std::string::npos) return text;
    text.replace(at, pattern.size(), replacement);
    // Before the change no occurrence started; a new one must reach into the replacement.
    from = endless ? at + replacement.size()
                   : (at + 1 >= pattern.size() ? at + 1 - pattern.size() : 0);
  }
}

int CountOccurrences(std::string_view pattern, std::string_view text) {
  if (pattern.empty()) return 0;
  int count = 0;
  for (size_t at = text.find(pattern); at != std::string_view::npos;
       at = text.find(pattern, at + 1))
    ++count;
  return count;
}

namespace {

// Code page 1250 bytes of the accented lower-case letters and their capitals.
constexpr std::array<std::pair<unsigned char, unsigned char>, 22> kAccentedCapitals = {{
    {0x9A, 0x8A}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0xBE, 0xBC}, {0xE0, 0xC0}, {0xE1, 0xC1},
    {0xE4, 0xC4}, {0xE5, 0xC5}, {0xE8, 0xC8}, {0xE9, 0xC9}, {0xEC, 0xCC}, {0xED, 0xCD},
    {0xEF, 0xCF}, {0xF2, 0xD2}, {0xF3, 0xD3}, {0xF4, 0xD4}, {0xF5, 0xD5}, {0xF8, 0xD8},
    {0xF9, 0xD9}, {0xFA, 0xDA}, {0xFC, 0xDC}, {0xFD, 0xDD},
}};

// The same pairs as two-byte UTF-8 sequences, every one of them two bytes long with a lead byte
// from 0xC0 to 0xDF: the capital of a lead byte and a continuation byte, looked up directly (a
// blank entry: the letter stays).
struct Utf8Capital {
  char lead = 0;
  char second = 0;
};
using Utf8Capitals = std::array<std::array<Utf8Capital, 64>, 32>;

const Utf8Capitals& Capitals() {
  static const Utf8Capitals table = [] {
    Utf8Capitals capitals{};
    for (const auto& [lower, upper] : kAccentedCapitals) {
      const std::string from = Cp1250ToUtf8(std::string(1, static_cast<char>(lower)));
      const std::string to = Cp1250ToUtf8(std::string(1, static_cast<char>(upper)));
      capitals[static_cast<unsigned char>(from[0]) - 0xC0]
              [static_cast<unsigned char>(from[1]) - 0x80] = {to[0], to[1]};
    }
    return capitals;
  }();
  return table;
}

}  // namespace

std::string UpperSlovak(std::string_view text) {
  std::string out(text);
  const Utf8Capitals& capitals = Capitals();
  for (size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'a' && c <= 'z') {
      out[i] = static_cast<char>(c - 'a' + 'A');
      continue;
    }
    if (c < 0xC0 || c > 0xDF || i + 1 >= out.size()) continue;
    const auto second = static_cast<unsigned char>(out[i + 1]);
    if ((second & 0xC0) != 0x80) continue;  // not a whole character
    const Utf8Capital& capital = capitals[c - 0xC0][second - 0x80];
    if (capital.lead != 0) {
      out[i] = capital.lead;
      out[i + 1] = capital.second;
    }
    ++i;
  }
  return out;
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string TrimDecimal(std::string text) {
  while (text.size() >= 2 && text[0] == '0' && text[1] != ',') text.erase(0, 1);
  const bool has_comma = text.find(',') != std::string::npos;
  const bool has_exponent =
      text.find('E') != std::string::npos || text.find("10^") != std::string::npos;
  if (has_comma && !has_exponent) {
    while (text.size() >= 2 && (text.back() == '0' || text.back() == ' ')) text.pop_back();
  }
  if (text.size() > 1 && text.back() == ',') text.pop_back();
  return text;
}

namespace {
// 128 bits, so that the fixed point of no 64-bit size overflows.
__extension__ typedef __int128 Wide;
}  // namespace

std::string SizeText(int64_t bytes, std::string_view unit) {
  static constexpr std::array<std::string_view, 3> kLargerUnits = {"KB", "MB", "GB"};
  const std::string given = unit.empty() ? std::string("bajtov") : std::string(unit);
  Wide p = static_cast<Wide>(bytes) * 10000;  // fixed point with four decimals
  int step = 0;                               // 0: the given unit, then KB, MB, GB
  std::string_view current = given;
  while (p > 10000000 && current != "GB") {
    Wide q = p / 1024;
    const Wide r = p % 1024;
    if (r > 512 || (r == 512 && q % 2 != 0)) ++q;  // halves to the even neighbour
    p = q;
    current = kLargerUnits[step++];
  }
  const int64_t whole = static_cast<int64_t>(p / 10000);
  if (step == 0) return IntText(whole) + " " + given;
  const int d1 = static_cast<int>((p / 1000) % 10), d2 = static_cast<int>((p / 100) % 10);
  return IntText(whole) + "," + std::to_string(d1) + std::to_string(d2) + " " +
         std::string(current);
}

std::string SizeText(int64_t bytes, InterfaceLanguage language) {
  if (language == InterfaceLanguage::kSlovak) return SizeText(bytes, "bajtov");
  std::string text = SizeText(bytes, "bytes");
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

int PoziciaVTexte(std::string_view sub, std::string_view text) {
  const size_t at = text.find(sub);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string BezPripony(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string OdstranVsetky(std::string_view sub, std::string text) {
  if (sub.empty()) return text;
  for (size_t at = text.find(sub); at != std::string::npos; at = text.find(sub)) {
    text.erase(at, sub.size());
  }
  return text;
}

int32_t CisloNaZaciatku(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  const ScannedNumber n = ScanNumber(text.substr(b, e - b));
  // Past 32 bits the value wraps, as a 32-bit reader would leave it.
  const uint32_t value = n.low32;
  return static_cast<int32_t>(n.negative ? 0u - value : value);
}

}  // namespace zorna
