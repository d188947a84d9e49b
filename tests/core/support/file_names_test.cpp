#include "support/file_names.h"

#include <gtest/gtest.h>

namespace zorna {
namespace {

TEST(MatchesMask, WildcardsIgnoreCase) {
  EXPECT_TRUE(MatchesMask("ABC.mk", "*.MK"));
  EXPECT_TRUE(MatchesMask("a1.iko", "a?.iko"));
  EXPECT_FALSE(MatchesMask("a.iko.bak", "*.iko"));
  EXPECT_TRUE(MatchesMask("anything", "*"));
  // "?" stands for a letter with a diacritic as for any other, in either case.
  EXPECT_TRUE(MatchesMask("ČAJ.IKO", "?aj.iko"));
  EXPECT_TRUE(MatchesMask("Čaj.iko", "čaj.*"));
}

TEST(SameFileName, FoldsCodePage1250LettersOnlyAndKeepsOtherBytesApart) {
  EXPECT_TRUE(SameFileName("Zelený ŠTÝL", "ZELENÝ štýl"));
  EXPECT_FALSE(SameFileName("Cislo", "Číslo"));
  // Bytes that are not UTF-8 (a name written by another program) only ever equal themselves.
  EXPECT_FALSE(SameFileName("a\xE1", "a\xE2"));
  EXPECT_FALSE(SameFileName("\xC1\x81", "A"));  // an overlong "A"
  EXPECT_TRUE(SameFileName("\xE1X", "\xE1x"));
}

}  // namespace
}  // namespace zorna
