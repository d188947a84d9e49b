#pragma once
#include <string>
#include <vector>

namespace zorna {

// Runs the program with its arguments (never through a shell) and waits for it: 1 once it has
// ended, -1 when it cannot be started.
int SpustACakaj(const std::vector<std::string>& argv);

}  // namespace zorna
