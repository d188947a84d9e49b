#include "support/files.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

#include "core/test_folder.h"
#include "support/error.h"
#include "text/cp1250.h"

namespace zorna {
namespace {

using testing::TestFolder;
namespace fs = std::filesystem;

void Touch(const fs::path& path, const std::string& text = "x") {
  std::ofstream(path) << text;
}

TEST(PridajLomitko, EndsFolderTextsWithOneSlash) {
  EXPECT_EQ(PridajLomitko("/tmp"), "/tmp/");
  EXPECT_EQ(PridajLomitko("/tmp/"), "/tmp/");
  EXPECT_EQ(DocasnyPriecinok().back(), '/');
}

TEST(ZmazSubor, DeletesReadOnlyFilesAndReportsMissingOnes) {
  TestFolder dir;
  const fs::path file = dir / "chraneny.bmp";
  Touch(file);
  SetReadOnly(file, true);
  EXPECT_TRUE(IsReadOnly(file));
  EXPECT_TRUE(ZmazSubor(file.string()));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(ZmazSubor((dir / "nie je").string()));
}

TEST(ZmazSubor, ReportsTheDeletionsOwnError) {
  // Another user's read-only file in a folder we may not write: both deletions fail with EACCES,
  // and so does putting the read-only bit back, with EPERM.
  if (::geteuid() != 0) GTEST_SKIP() << "needs a file of another user";
  TestFolder dir;
  fs::permissions(dir.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  const fs::path file = dir / "cudzi.bmp";
  Touch(file);
  SetReadOnly(file, true);
  const pid_t child = ::fork();
  if (child == 0) {
    int status = 2;
    if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
      try {
        ZmazSubor(file.string());
      } catch (const Error& e) {
        status = e.what() == "I/O error " + std::to_string(EACCES) ? 0 : 1;
        if (status != 0) std::fprintf(stderr, "reported: %s\n", e.what());
      }
    }
    ::_exit(status);
  }
  int status = -1;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_TRUE(fs::exists(file));
}

TEST(ZmazSuboryMaskou, DeletesMatchingFilesButNotFolders) {
  TestFolder dir;
  Touch(dir / "a.iko");
  Touch(dir / "B.IKO");
  Touch(dir / "c.bmp");
  fs::create_directories(dir / "folder.iko");
  ZmazSuboryMaskou(dir.Path().string() + "/", "*.iko");
  EXPECT_FALSE(fs::exists(dir / "a.iko"));
  EXPECT_FALSE(fs::exists(dir / "B.IKO"));
  EXPECT_TRUE(fs::exists(dir / "c.bmp"));
  EXPECT_TRUE(fs::is_directory(dir / "folder.iko"));
}

TEST(VelkostSuboru, MeasuresAlsoReadOnlyFiles) {
  TestFolder dir;
  Touch(dir / "f", "12345");
  SetReadOnly(dir / "f", true);
  EXPECT_EQ(VelkostSuboru((dir / "f").string()), 5);
  EXPECT_TRUE(IsReadOnly(dir / "f"));
  EXPECT_EQ(VelkostSuboru((dir / "none").string()), -1);
}

TEST(FindPathIgnoringCase, ResolvesEachComponentWhenTheExactOneIsMissing) {
  TestFolder dir;
  fs::create_directories(dir / "Skin" / "Modrý");
  Touch(dir / "Skin" / "Modrý" / "okno.bmp");
  // Letters with diacritics fold as well, as unpacking folds them when it writes the skin.
  EXPECT_EQ(FindPathIgnoringCase(dir / "skin" / "MODRÝ" / "OKNO.bmp"),
            dir / "Skin" / "Modrý" / "okno.bmp");
  // Missing tails are kept as given, so new files can be named.
  EXPECT_EQ(FindPathIgnoringCase(dir / "SKIN" / "Novy" / "a.bmp"), dir / "Skin" / "Novy" / "a.bmp");
}

TEST(WriteFileAtomically, ReplacesWholeOrNotAtAll) {
  TestFolder dir;
  const fs::path file = dir / "out.bin";
  WriteFileAtomically(file, std::string("first"));
  WriteFileAtomically(file, std::string("second"));
  EXPECT_EQ(ReadWholeFileText(file), "second");
  // A folder in the way: the error names the file, and nothing is left behind.
  fs::create_directories(dir / "busy");
  EXPECT_THROW(WriteFileAtomically(dir / "busy", std::string("x")), Error);
  EXPECT_THROW(WriteFileAtomically(dir / "missing" / "f", std::string("x")), Error);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 2);
}

TEST(AtomicFileWriter, StreamsPiecesAndKeepsTheOldFileUntilCommitted) {
  TestFolder dir;
  const fs::path file = dir / "pack.mk";
  Touch(file, "old");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // Pieces on both sides of the writer's buffer size, so buffered and direct writes mix.
  std::string expected;
  {
    AtomicFileWriter writer(file);
    for (size_t piece : {5u, 70000u, 3u, 65536u, 1u}) {
      const std::string bytes(piece, static_cast<char>('a' + expected.size() % 26));
      writer.Write(bytes.data(), bytes.size());
      expected += bytes;
    }
    // Until the commit the old file is what a reader sees.
    EXPECT_EQ(ReadWholeFileText(file), "old");
    writer.Commit();
  }
  EXPECT_EQ(ReadWholeFileText(file), expected);
  // A replaced file keeps its permissions.
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A writer abandoned half-way (an exception in its caller) leaves the file and no litter.
  {
    AtomicFileWriter writer(file);
    writer.Write("new", 3);
  }
  EXPECT_EQ(ReadWholeFileText(file), expected);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(WriteFileAtomically, RefusesReadOnlyFilesKeepsLinksAndTakesLongNames) {
  TestFolder dir;
  const fs::path locked = dir / "locked.ico";
  Touch(locked, "mine");
  SetReadOnly(locked, true);
  EXPECT_THROW(WriteFileAtomically(locked, std::string("x")), Error);
  EXPECT_EQ(ReadWholeFileText(locked), "mine");
  // Saving through a link replaces the file it points at and leaves the link in place.
  fs::create_directories(dir / "real");
  Touch(dir / "real" / "icon.ico", "old");
  fs::create_symlink(dir / "real" / "icon.ico", dir / "link.ico");
  WriteFileAtomically(dir / "link.ico", std::string("new"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.ico"));
  EXPECT_EQ(ReadWholeFileText(dir / "real" / "icon.ico"), "new");
  // A name at the file system's length limit is still a name that can be saved.
  const fs::path longest = dir / (std::string(251, 'n') + ".ico");
  WriteFileAtomically(longest, std::string("long"));
  EXPECT_EQ(ReadWholeFileText(longest), "long");
}

TEST(Cp1250, RoundTripsSlovakAndCzechLetters) {
  const std::string text = "Ľúbostná báseň: žluťoučký kůň úpěl ďábelské ódy. ŠČŤŽÝÁÍÉÚÄÔŇĽĹŔ";
  EXPECT_EQ(Cp1250ToUtf8(Utf8ToCp1250(text)), text);
  EXPECT_EQ(Utf8ToCp1250("Ľ").size(), 1u);
  EXPECT_EQ(Utf8ToCp1250("€"), "\x80");
  EXPECT_EQ(Utf8ToCp1250("日"), "?");
  EXPECT_TRUE(
      EqualIgnoringCaseCp1250(Utf8ToCp1250("VEĽKOSTI OKIEN"), Utf8ToCp1250("veľkosti okien")));
  EXPECT_TRUE(EqualIgnoringCaseCp1250(Utf8ToCp1250("ČÍSLO"), Utf8ToCp1250("číslo")));
  EXPECT_FALSE(EqualIgnoringCaseCp1250(Utf8ToCp1250("Cislo"), Utf8ToCp1250("Číslo")));
}

}  // namespace
}  // namespace zorna
