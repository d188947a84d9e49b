#include "support/file_names.h"

#include <string>

#include "text/cp1250.h"

namespace zorna {

bool SameFileName(std::string_view a, std::string_view b) {
  return a == b || FoldCaseCp1250(a) == FoldCaseCp1250(b);
}

bool MatchesMask(std::string_view name_text, std::string_view mask_text) {
  const std::u32string name = FoldCaseCp1250(name_text);
  const std::u32string mask = FoldCaseCp1250(mask_text);
  size_t n = 0, m = 0, star = std::u32string::npos, mark = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == U'*') {
      star = m++;
      mark = n;
    } else if (star != std::u32string::npos) {
      m = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == U'*') ++m;
  return m == mask.size();
}

}  // namespace zorna
