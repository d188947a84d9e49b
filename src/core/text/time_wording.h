#pragma once
#include <ctime>
#include <string>
#include <string_view>

#include "text/interface_language.h"

// Words for the time a running job still needs, with the plural forms of the window's language.
namespace zorna {

// The estimate shown while a batch job runs. start is the time of day in seconds (hours * 3600 +
// minutes * 60 + seconds) when the job began; total and done count items. Until enough of the
// job is done no estimate is made and previous (the label's current text) comes back unchanged.
std::string ZostavajuciCas(const std::string& previous, int start, int total, int done,
                           InterfaceLanguage language = InterfaceLanguage::kSlovak);
// The same at the time of day now_seconds. A job that has run across midnight counts the
// seconds since the start of the next day on top of the day before.
std::string ZostavajuciCas(const std::string& previous, int start, int total, int done,
                           int now_seconds,
                           InterfaceLanguage language = InterfaceLanguage::kSlovak);

// One part of the current local date and time, by the first letters of code (any case): MIN
// the minute, MIL or MS the millisecond, any other M the month, D the day, H the hour, S the
// second, anything else the year.
int CastCasu(std::string_view code);
int CastCasu(std::string_view code, const std::tm& at, int millisecond);

}  // namespace zorna
