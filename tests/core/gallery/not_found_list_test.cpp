#include "gallery/not_found_list.h"

#include <gtest/gtest.h>

#include "core/test_folder.h"
#include "support/error.h"
#include "support/files.h"
#include "text/cp1250.h"

namespace zorna {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(NotFoundList, ReadsCodePage1250LinesAndWritesThemBackWithCrLf) {
  const std::string stored = Utf8ToCp1250("čaj\r\nmodrý vták\n\r\nkoniec");
  EXPECT_EQ(ParseNotFoundList(stored).texts, (Lines{"čaj", "modrý vták", "koniec"}));
  EXPECT_EQ(FormatNotFoundList({{"čaj", "modrý vták", "koniec"}, {}}),
            Utf8ToCp1250("čaj\r\nmodrý vták\r\nkoniec\r\n"));
  EXPECT_EQ(FormatNotFoundList({{"dva\nriadky", "", "ok"}, {}}), "ok\r\n");
}

// Lines no search could have left (control bytes, unassigned bytes) go back byte for byte.
TEST(NotFoundList, LinesItDoesNotUnderstandAreWrittenBackUnchanged) {
  const Lines odd = {std::string("a\0b", 3), "c\rd", "\x81x\x83\x88\x90\x98", "\tx\x7F"};
  const NotFoundList list =
      ParseNotFoundList(odd[0] + "\n" + odd[1] + "\r\nok\n" + odd[2] + "\n\n" + odd[3]);
  EXPECT_EQ(list, (NotFoundList{{"ok"}, odd}));
  EXPECT_EQ(FormatNotFoundList(list),
            odd[0] + "\r\n" + odd[1] + "\r\n" + odd[2] + "\r\n" + odd[3] + "\r\nok\r\n");
}

TEST(NotFoundList, FileIsBoundedAndAnUnreadableOneIsNotAnEmptyList) {
  testing::TestFolder dir;
  const fs::path file = dir / std::string(kNotFoundListFile);
  EXPECT_EQ(ReadNotFoundList(file), NotFoundList{});

  std::string huge;
  while (huge.size() < kNotFoundListLimit + 100) huge += "hladany text\r\n";
  WriteFileAtomically(file, huge);
  EXPECT_THROW(ReadNotFoundList(file), Error);  // nothing read, so nothing written shorter

  WriteNotFoundList(file, {{"strom"}, {}});
  EXPECT_EQ(ReadWholeFileText(file), "strom\r\n");
  WriteNotFoundList(file, {});
  EXPECT_FALSE(fs::exists(file));

  fs::create_directory(file);
  EXPECT_THROW(ReadNotFoundList(file), Error);
}

}  // namespace
}  // namespace zorna
