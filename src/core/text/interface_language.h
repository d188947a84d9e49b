#pragma once
#include <functional>

namespace zorna {

// The language the window speaks. Slovak is the program's own; English is offered when the
// desktop's language asks for it, and nothing else changes (stored files stay Slovak).
enum class InterfaceLanguage { kSlovak, kEnglish };

// Reads a variable of the environment; nullptr when it is not set.
using EnvironmentReader = std::function<const char*(const char*)>;

// The language the user's desktop asks for: LANGUAGE (languages separated by colons, the first
// one the program speaks wins), then LC_ALL, LC_MESSAGES and LANG (the first one set decides:
// "en", "en_GB.UTF-8" ... is English). Slovak for anything else, also for "C" and "POSIX", so
// scripts and tests see what they always saw.
InterfaceLanguage InterfaceLanguageOf(const EnvironmentReader& read_variable);

// The same, from this process's environment.
InterfaceLanguage InterfaceLanguageFromEnvironment();

}  // namespace zorna
