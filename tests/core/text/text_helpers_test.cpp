#include "text/text_helpers.h"

#include <gtest/gtest.h>

#include <limits>

namespace zorna {
namespace {

TEST(CisloNaZaciatku, ReadsTheLeadingNumberOfACaption) {
  EXPECT_EQ(CisloNaZaciatku("64 x 64"), 64);
  EXPECT_EQ(CisloNaZaciatku("  32 x 32 \t"), 32);
  EXPECT_EQ(CisloNaZaciatku("128 x 128"), 128);
  EXPECT_EQ(CisloNaZaciatku("vlastný"), 0);
  EXPECT_EQ(CisloNaZaciatku(""), 0);
  EXPECT_EQ(CisloNaZaciatku("-5px"), -5);
  EXPECT_EQ(CisloNaZaciatku("0x1f!"), 31);
  EXPECT_EQ(CisloNaZaciatku("$ff"), 255);
}

TEST(TextHelpers, ExtensionsSubstringsAndPositions) {
  EXPECT_EQ(BezPripony("obrazok.stary.bmp"), "obrazok.stary");
  EXPECT_EQ(BezPripony("bez"), "bez");
  EXPECT_EQ(BezPripony("moje.ikony/subor"), "moje");  // the dot of the folder counts too
  EXPECT_EQ(OdstranVsetky("ab", "aabb"), "");
  EXPECT_EQ(OdstranVsetky("Min", "ImageLupaMin"), "ImageLupa");
  EXPECT_EQ(PoziciaVTexte("x", "64 x 64"), 4);
  EXPECT_EQ(PoziciaVTexte("q", "64 x 64"), 0);
}

TEST(SizeText, StaysInBytesUpToAThousandThenScalesWithTwoDecimals) {
  EXPECT_EQ(SizeText(999, "bajtov"), "999 bajtov");
  EXPECT_EQ(SizeText(1000, "bajtov"), "1000 bajtov");
  EXPECT_EQ(SizeText(1000, ""), "1000 bajtov");
  EXPECT_EQ(SizeText(1001, "bajtov"), "0,97 KB");
  EXPECT_EQ(SizeText(1500, "bajtov"), "1,46 KB");
  EXPECT_EQ(SizeText(1239, "bajtov"), "1,21 KB");  // 1,2099.6 rounds up, not down
  EXPECT_EQ(SizeText(1024000, "bajtov"), "1000,00 KB");
  EXPECT_EQ(SizeText(1500000, "bajtov"), "1,43 MB");
  EXPECT_EQ(SizeText(0, "B"), "0 B");
  EXPECT_EQ(SizeText(-1, "bajtov"), "-1 bajtov");  // a file that could not be opened
}

TEST(SizeText, StopsAtGigabytesAndNeverOverflows) {
  EXPECT_EQ(SizeText(int64_t{5000} << 30, "bajtov"), "5000,00 GB");
  const std::string largest = SizeText(std::numeric_limits<int64_t>::max(), "bajtov");
  EXPECT_EQ(largest, "8589934592,00 GB");
}

TEST(ZeroPad, PadsShortNumbersOnly) {
  EXPECT_EQ(ZeroPad(12345, 3), "12345");
  EXPECT_EQ(ZeroPad(12345, 5), "12345");
  EXPECT_EQ(ZeroPad(7, 3), "007");
  EXPECT_EQ(ZeroPad(0, 0), "0");
  EXPECT_EQ(IntText(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

TEST(CountOccurrences, CountsOverlappingFinds) {
  EXPECT_EQ(CountOccurrences("aa", "aaaa"), 3);
  EXPECT_EQ(CountOccurrences("|", "Bitmapy (*.bmp)|*.bmp|Zorna (*.ico)|"), 3);
  EXPECT_EQ(CountOccurrences("x", "aaaa"), 0);
  EXPECT_EQ(CountOccurrences("", "aaaa"), 0);
}

TEST(ReplaceAll, ReplacesUntilThePatternIsGone) {
  EXPECT_EQ(ReplaceAll("aa", "b", "aaa"), "ba");
  // Each replacement can make a new occurrence, also one starting before it.
  EXPECT_EQ(ReplaceAll("ab", "b", "aaab"), "b");
  EXPECT_EQ(ReplaceAll("ab", "a", "aabb"), "aa");
  EXPECT_EQ(ReplaceAll("  ", " ", "a     b"), "a b");
  EXPECT_EQ(ReplaceAll("x", "", "xaxbx"), "ab");
  EXPECT_EQ(ReplaceAll("", "y", "abc"), "abc");
  // A replacement holding the pattern cannot be replaced until gone: one pass, and it ends.
  EXPECT_EQ(ReplaceAll("a", "aa", "aba"), "aabaa");
}

TEST(UpperSlovak, RaisesAsciiAndTheSlovakAndCzechLettersOnly) {
  EXPECT_EQ(UpperSlovak("áäčďéěíĺľňóôőŕřšťúůüýž"), "ÁÄČĎÉĚÍĹĽŇÓÔŐŔŘŠŤÚŮÜÝŽ");
  EXPECT_EQ(UpperSlovak("Tlačítko (*.bmp)|*.bmp"), "TLAČÍTKO (*.BMP)|*.BMP");
  // Letters outside the list, digits and punctuation stay, and so do bytes that are no text.
  EXPECT_EQ(UpperSlovak("ß ö ą ł 0-9 ,.;!?"), "ß ö ą ł 0-9 ,.;!?");
  EXPECT_EQ(UpperSlovak("ÁŽ already"), "ÁŽ ALREADY");
  const std::string broken = "a\xC3";
  EXPECT_EQ(UpperSlovak(broken), "A\xC3");
}

TEST(TrimDecimal, DropsLeadingZerosTrailingFractionZerosAndABareComma) {
  EXPECT_EQ(TrimDecimal("007,2500"), "7,25");
  EXPECT_EQ(TrimDecimal("0,50"), "0,5");
  EXPECT_EQ(TrimDecimal("12,000"), "12");
  EXPECT_EQ(TrimDecimal("0,0"), "0");
  EXPECT_EQ(TrimDecimal("2,5  "), "2,5");
  EXPECT_EQ(TrimDecimal("1,5E3"), "1,5E3");
  EXPECT_EQ(TrimDecimal("2,50 10^3"), "2,50 10^3");
  // Gallery file names lose their zeros in front; whole numbers keep their trailing zeros.
  EXPECT_EQ(TrimDecimal("005007.bmp"), "5007.bmp");
  EXPECT_EQ(TrimDecimal("1200"), "1200");
  EXPECT_EQ(TrimDecimal("000"), "0");
  EXPECT_EQ(TrimDecimal(""), "");
}

TEST(SmallHelpers, CharactersCountersAndRepeats) {
  EXPECT_EQ(CharAt("abc", 1), 'a');
  EXPECT_EQ(CharAt("abc", 3), 'c');
  EXPECT_EQ(CharAt("abc", 4), ' ');
  EXPECT_EQ(CharAt("abc", 0), ' ');
  EXPECT_TRUE(IsDigit('0'));
  EXPECT_TRUE(IsDigit('9'));
  EXPECT_FALSE(IsDigit('/'));
  EXPECT_FALSE(IsDigit(':'));
  EXPECT_EQ(MaxInt(3, -4), 3);
  EXPECT_EQ(MaxInt(-4, 3), 3);
  EXPECT_EQ(CyclicNext(3, 1, 5), 4);
  EXPECT_EQ(CyclicNext(5, 1, 5), 1);
  EXPECT_EQ(RepeatText("ab", 3), "ababab");
  EXPECT_EQ(RepeatText("ab", 0), "");
  EXPECT_EQ(RepeatText("ab", -2), "");
}

}  // namespace
}  // namespace zorna
