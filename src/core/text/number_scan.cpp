#include "text/number_scan.h"

namespace zorna {
namespace {

int DigitValue(char c, bool hexadecimal) {
  if (c >= '0' && c <= '9') return c - '0';
  if (hexadecimal && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (hexadecimal && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

ScannedNumber ScanNumber(std::string_view text) {
  ScannedNumber n;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) n.negative = text[i++] == '-';
  if (i < text.size() && text[i] == '$') {
    n.hexadecimal = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    n.hexadecimal = true;
    i += 2;
  }
  constexpr uint64_t kSaturated = uint64_t{1} << 40;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], n.hexadecimal);
    if (digit < 0) break;
    n.magnitude = n.magnitude * (n.hexadecimal ? 16 : 10) + static_cast<uint64_t>(digit);
    if (n.magnitude > kSaturated) n.magnitude = kSaturated;
    n.low32 = n.low32 * (n.hexadecimal ? 16u : 10u) + static_cast<uint32_t>(digit);
    ++n.digits;
  }
  n.end = i;
  return n;
}

}  // namespace zorna
