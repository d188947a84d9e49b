#include "text/web_address.h"

#include <string>

#include "text/text_helpers.h"

namespace zorna {

bool IsOpenableAddress(std::string_view address) {
  // Spaces, quotes and control characters have no place in an address; a desktop that splits
  // them would see more than one argument.
  for (const unsigned char c : address) {
    if (c <= ' ' || c == 0x7F || c == '"' || c == '\'' || c == '\\' || c == '`') return false;
  }
  const size_t colon = address.find(':');
  if (colon == std::string_view::npos) return false;
  const std::string scheme = LowerAscii(address.substr(0, colon));
  const std::string_view rest = address.substr(colon + 1);
  if (scheme == "mailto") return rest.size() > 2 && rest.find('@') != std::string_view::npos;
  if (scheme != "http" && scheme != "https") return false;
  if (rest.substr(0, 2) != "//") return false;
  const std::string_view host = rest.substr(2, rest.find_first_of("/?#", 2) - 2);
  return !host.empty() && host.front() != '@' && host.front() != ':';
}

}  // namespace zorna
