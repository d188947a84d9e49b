#pragma once
#include <string_view>

namespace zorna {

// Whether a text from a skin or from the program's settings may be handed to the desktop to
// open: only web pages (http, https, with a host) and mail addresses (mailto). Anything else (a
// program's path, a file: address, a command line) could start a program on the user's
// computer, and the texts come with skin packs from elsewhere.
bool IsOpenableAddress(std::string_view address);

}  // namespace zorna
