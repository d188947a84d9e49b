#include "text/time_wording.h"

#include <gtest/gtest.h>

#include <limits>

namespace zorna {
namespace {

// The remaining time when `rem` seconds are left: half the job done after rem seconds.
std::string Remaining(int rem) {
  return ZostavajuciCas("?", 1000, 100, 50, 1000 + rem);
}

TEST(TimeWording, EstimatesOnlyOnceEnoughIsDone) {
  EXPECT_EQ(ZostavajuciCas("before", 36000, 100, 10, 36060), "before");   // left 0.9, not below
  EXPECT_EQ(ZostavajuciCas("before", 36000, 100, 11, 36060), "9 minút");  // 545 - 60 s
  EXPECT_EQ(ZostavajuciCas("before", 36000, 100, 10, 36040), "before");   // 40 s: too early
  EXPECT_EQ(ZostavajuciCas("before", 36000, 100, 0, 36900), "before");
  EXPECT_EQ(ZostavajuciCas("before", 36000, 0, 0, 36900), "before");
  EXPECT_EQ(ZostavajuciCas("before", 36000, 100, 20, 36060), "5 minút");  // rem = 240 s
}

TEST(TimeWording, SlovakPluralsOfSecondsMinutesAndHours) {
  EXPECT_EQ(Remaining(0), "1 sekunda");
  EXPECT_EQ(Remaining(1), "1 sekunda");
  EXPECT_EQ(Remaining(3), "3 sekundy");
  EXPECT_EQ(Remaining(5), "5 sekúnd");
  EXPECT_EQ(Remaining(7), "6 sekúnd");    // above 5: even seconds
  EXPECT_EQ(Remaining(17), "15 sekúnd");  // above 15: fives
  EXPECT_EQ(Remaining(30), "30 sekúnd");
  EXPECT_EQ(Remaining(67), "60 sekúnd");  // tens from above 60
  EXPECT_EQ(Remaining(90), "90 sekúnd");
  EXPECT_EQ(Remaining(100), "2 minúty");
  EXPECT_EQ(Remaining(299), "5 minút");
  EXPECT_EQ(Remaining(5399), "90 minút");
  EXPECT_EQ(Remaining(5400), "2 hodiny");
  EXPECT_EQ(Remaining(14400), "5 hodín");
}

TEST(TimeWording, EnglishPluralsOfSecondsMinutesAndHours) {
  const std::pair<int, const char*> cases[] = {{0, "1 second"},      {3, "3 seconds"},
                                               {67, "60 seconds"},   {100, "2 minutes"},
                                               {5399, "90 minutes"}, {5400, "2 hours"}};
  for (const auto& [rem, words] : cases) {
    EXPECT_EQ(ZostavajuciCas("?", 1000, 100, 50, 1000 + rem, InterfaceLanguage::kEnglish), words)
        << rem;
  }
}

TEST(TimeWording, RoundsTheProjectedTotalHalfToEven) {
  // 7 s for 2 of 3 items: 10.5 s in all, rounded to 10, so 3 s are left.
  EXPECT_EQ(ZostavajuciCas("", 0, 3, 2, 7), "3 sekundy");
  // 9 s for 2 of 3: 13.5 rounds to 14, 5 s left.
  EXPECT_EQ(ZostavajuciCas("", 0, 3, 2, 9), "5 sekúnd");
}

TEST(TimeWording, AJobAcrossMidnightKeepsCounting) {
  EXPECT_EQ(ZostavajuciCas("", 86400 - 30, 100, 50, 30), "60 sekúnd");
}

TEST(TimeWording, ExtremeTimesAndCountsDoNotWrapAround) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  // 2^31 s since the start, half done: as long again, 596 523.3 hours, shown rounded up.
  EXPECT_EQ(ZostavajuciCas("", kMin, 100, 50, 0), "596524 hodín");
  // More items left than the count can hold: nothing near done, so no estimate.
  EXPECT_EQ(ZostavajuciCas("before", 0, kMax, -1, 60), "before");
}

TEST(TimeWording, PartsOfTheDateByTheirCodes) {
  std::tm at{};
  at.tm_year = 2024 - 1900;
  at.tm_mon = 2;
  at.tm_mday = 9;
  at.tm_hour = 14;
  at.tm_min = 35;
  at.tm_sec = 7;
  EXPECT_EQ(CastCasu("Hod", at, 250), 14);
  EXPECT_EQ(CastCasu("Min", at, 250), 35);
  EXPECT_EQ(CastCasu("Sec", at, 250), 7);
  EXPECT_EQ(CastCasu("mil", at, 250), 250);
  EXPECT_EQ(CastCasu("MS", at, 250), 250);
  EXPECT_EQ(CastCasu("Mesiac", at, 250), 3);
  EXPECT_EQ(CastCasu("den", at, 250), 9);
  EXPECT_EQ(CastCasu("Rok", at, 250), 2024);
  EXPECT_EQ(CastCasu("", at, 250), 2024);
  const int hour = CastCasu("H");
  EXPECT_TRUE(hour >= 0 && hour < 24);
}

}  // namespace
}  // namespace zorna
