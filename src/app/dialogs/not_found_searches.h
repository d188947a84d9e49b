#pragma once
#include <functional>
#include <string>
#include <vector>

namespace zorna::app {

// The searches that found nothing in the gallery, which the about box mails to the author: their
// lines, and the call that replaces them by what the mail could not carry.
struct NotFoundSearches {
  std::function<std::vector<std::string>()> lines;
  std::function<void(const std::vector<std::string>& left)> replace;
};

}  // namespace zorna::app
