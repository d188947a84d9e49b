#include "text/cp1250.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zorna {
namespace {

// Unicode code points of the bytes 0x80..0xFF; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; returns the code point or U+FFFD and advances i.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  int extra = 0;
  char32_t cp = 0;
  if (b0 < 0x80) {
    ++i;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + extra >= text.size()) {
    i = text.size();
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) {
      i += k;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += extra + 1;
  return cp;
}

}  // namespace

std::string Utf8ToCp1250(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const char32_t cp = NextCodePoint(utf8, i);
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    char byte = '?';
    for (size_t k = 0; k < kHighHalf.size(); ++k) {
      if (kHighHalf[k] != 0 && kHighHalf[k] == cp) {
        byte = static_cast<char>(0x80 + k);
        break;
      }
    }
    out += byte;
  }
  return out;
}

std::string Cp1250ToUtf8(std::string_view cp1250) {
  std::string out;
  out.reserve(cp1250.size() + cp1250.size() / 4);
  for (const char ch : cp1250) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else {
      const char16_t cp = kHighHalf[b - 0x80];
      AppendUtf8(out, cp != 0 ? cp : 0xFFFD);
    }
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    if (NextCodePoint(text, i) == 0xFFFD &&
        !(i - start == 3 && text.substr(start, 3) == "\xEF\xBF\xBD")) {
      return false;
    }
  }
  return true;
}

}  // namespace zorna

namespace zorna {
namespace {

char32_t LowerCodePoint(char32_t cp) {
  if (cp >= 'A' && cp <= 'Z') return cp + 32;
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;
  // Latin Extended-A: mostly pairs of (upper even, lower odd), with two odd-upper runs.
  if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E))
    return (cp % 2 == 1) ? cp + 1 : cp;
  if (cp >= 0x100 && cp <= 0x177 && cp != 0x130 && cp != 0x131 && cp != 0x138 && cp != 0x149) {
    return (cp % 2 == 0) ? cp + 1 : cp;
  }
  return cp;
}

std::array<unsigned char, 256> MakeLowerTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    table[b] = static_cast<unsigned char>(b);
    const char32_t cp = b < 0x80 ? static_cast<char32_t>(b) : kHighHalf[b - 0x80];
    if (cp == 0) continue;
    const char32_t lower = LowerCodePoint(cp);
    if (lower == cp) continue;
    if (lower < 0x80) {
      table[b] = static_cast<unsigned char>(lower);
      continue;
    }
    for (size_t k = 0; k < kHighHalf.size(); ++k) {
      if (kHighHalf[k] == lower) table[b] = static_cast<unsigned char>(0x80 + k);
    }
  }
  return table;
}

}  // namespace

unsigned char Cp1250ToLower(unsigned char byte) {
  static const std::array<unsigned char, 256> table = MakeLowerTable();
  return table[byte];
}

bool EqualIgnoringCaseCp1250(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Cp1250ToLower(static_cast<unsigned char>(a[i])) !=
        Cp1250ToLower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::u32string CodePointsOf(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) out += NextCodePoint(utf8, i);
  return out;
}

std::u32string FoldCaseCp1250(std::string_view utf8) {
  constexpr char32_t kOutsideUnicode = 0x110000;
  std::u32string folded;
  folded.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const size_t start = i;
    const char32_t cp = NextCodePoint(utf8, i);
    // Overlong forms and replaced sequences would otherwise fold like the character they stand for.
    const size_t shortest = cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    const std::string_view sequence = utf8.substr(start, i - start);
    if (sequence.size() != shortest || cp > 0x10FFFF ||
        (cp == 0xFFFD && sequence != "\xEF\xBF\xBD")) {
      // One byte at a time: what follows a broken sequence is read afresh.
      folded += kOutsideUnicode + static_cast<unsigned char>(utf8[start]);
      i = start + 1;
    } else if (cp < 0x80) {
      folded += static_cast<char32_t>(Cp1250ToLower(static_cast<unsigned char>(cp)));
    } else {
      const auto at = std::find(kHighHalf.begin(), kHighHalf.end(), cp);
      if (at == kHighHalf.end()) {
        folded += cp;
      } else {
        const auto byte = static_cast<unsigned char>(0x80 + (at - kHighHalf.begin()));
        folded += kHighHalf[Cp1250ToLower(byte) - 0x80];
      }
    }
  }
  return folded;
}

}  // namespace zorna
