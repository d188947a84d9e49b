#include "text/time_wording.h"

#include <cctype>
#include <chrono>
#include <cmath>

namespace zorna {
namespace {

constexpr int kSecondsPerDay = 24 * 3600;

bool StartsWith(std::string_view code, std::string_view prefix) {
  if (code.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(code[i])) != prefix[i]) return false;
  }
  return true;
}

std::tm LocalNow(int& millisecond) {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

// A count with its unit: Slovak has one form for 1, one for 2 to 4 and one for 5 and more;
// English one for 1 and one for the rest.
struct Unit {
  const char* one;
  const char* few;
  const char* many;
  const char* english_one;
  const char* english_many;
};
constexpr Unit kHours{"hodina", "hodiny", "hodín", "hour", "hours"};
constexpr Unit kMinutes{"minúta", "minúty", "minút", "minute", "minutes"};
constexpr Unit kSeconds{"sekunda", "sekundy", "sekúnd", "second", "seconds"};

std::string Counted(long long count, const Unit& unit, InterfaceLanguage language) {
  const char* word = nullptr;
  if (language == InterfaceLanguage::kEnglish) {
    word = count == 1 ? unit.english_one : unit.english_many;
  } else {
    word = count == 1 ? unit.one : (count < 5 ? unit.few : unit.many);
  }
  return std::to_string(count) + " " + word;
}

}  // namespace

std::string ZostavajuciCas(const std::string& previous, int start, int total, int done,
                           int now_seconds, InterfaceLanguage language) {
  if (done == 0 || total <= 0) return previous;
  // Differences in 64 bits and doubles: the int arguments may lie far apart.
  long long elapsed = static_cast<long long>(now_seconds) - start;
  if (elapsed < 0) elapsed += kSecondsPerDay;
  const double left = (static_cast<double>(total) - done) / total;
  if (!(left <= 0.85 || (elapsed > 45 && left < 0.9))) return previous;

  // Rounded half to even, as the estimate always was.
  const long long rem =
      static_cast<long long>(std::nearbyint(static_cast<double>(elapsed) * total / done)) - elapsed;
  long long shown = rem;
  if (rem > 5) shown = rem / 2 * 2;
  if (shown > 15) shown = rem / 5 * 5;
  if (shown > 60) shown = rem / 10 * 10;
  const long long minutes = rem / 60 + 1;
  const long long hours = rem / 3600 + 1;

  if (hours > 1 && minutes > 90) return Counted(hours, kHours, language);
  if (minutes > 1 && shown > 90) return Counted(minutes, kMinutes, language);
  return Counted(shown == 0 ? 1 : shown, kSeconds, language);
}

std::string ZostavajuciCas(const std::string& previous, int start, int total, int done,
                           InterfaceLanguage language) {
  int millisecond = 0;
  const std::tm now = LocalNow(millisecond);
  return ZostavajuciCas(previous, start, total, done,
                        now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec, language);
}

int CastCasu(std::string_view code, const std::tm& at, int millisecond) {
  if (StartsWith(code, "MIN")) return at.tm_min;
  if (StartsWith(code, "MIL") || StartsWith(code, "MS")) return millisecond;
  if (StartsWith(code, "M")) return at.tm_mon + 1;
  if (StartsWith(code, "D")) return at.tm_mday;
  if (StartsWith(code, "H")) return at.tm_hour;
  if (StartsWith(code, "S")) return at.tm_sec;
  return at.tm_year + 1900;
}

int CastCasu(std::string_view code) {
  int millisecond = 0;
  const std::tm now = LocalNow(millisecond);
  return CastCasu(code, now, millisecond);
}

}  // namespace zorna
