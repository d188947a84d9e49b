#include "gallery/not_found_list.h"

#include <gtest/gtest.h>

#include "core/test_folder.h"
#include "support/cp1250.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(NotFoundList, ReadsCodePage1250LinesAndWritesThemBackWithCrLf) {
  const std::string stored = Utf8ToCp1250("čaj\r\nmodrý vták\n\r\nkoniec");
  EXPECT_EQ(ParseNotFoundList(stored), (Lines{"čaj", "modrý vták", "koniec"}));
  EXPECT_EQ(FormatNotFoundList({"čaj", "modrý vták", "koniec"}),
            Utf8ToCp1250("čaj\r\nmodrý vták\r\nkoniec\r\n"));
  // Lines no search could have left: control bytes (NUL, a lone CR) and unassigned bytes.
  EXPECT_EQ(ParseNotFoundList(std::string("a\0b\nc\rd\n\x81x\nok\n", 15)), (Lines{"ok"}));
  EXPECT_EQ(FormatNotFoundList({"dva\nriadky", "", "ok"}), "ok\r\n");
}

TEST(NotFoundList, FileIsBoundedAndAnUnreadableOneIsNotAnEmptyList) {
  testing::TestFolder dir;
  const fs::path file = dir / std::string(kNotFoundListFile);
  EXPECT_TRUE(ReadNotFoundList(file).empty());

  std::string huge;
  while (huge.size() < kNotFoundListLimit + 100) huge += "hladany text\r\n";
  WriteFileAtomically(file, huge);
  const Lines lines = ReadNotFoundList(file);
  EXPECT_EQ(lines.size(), kNotFoundListLimit / 14);  // whole lines within the limit only
  EXPECT_EQ(lines.back(), "hladany text");

  WriteNotFoundList(file, {"strom"});
  EXPECT_EQ(ReadWholeFileText(file), "strom\r\n");
  WriteNotFoundList(file, {});
  EXPECT_FALSE(fs::exists(file));

  fs::create_directory(file);
  EXPECT_THROW(ReadNotFoundList(file), Error);
}

}  // namespace
}  // namespace zorna
