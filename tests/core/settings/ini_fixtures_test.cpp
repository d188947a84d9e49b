// The settings reader over tests/data/ini: each file reads as its sidecar says. The profile
// rules never refuse a file: what the program cannot use (garbage, another encoding, keys
// outside sections) reads as missing, so the defaults apply.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include "core/fixtures.h"
#include "settings/ini_file.h"

namespace zorna {
namespace {

using namespace testing;

// Lines "text | section | key | value", "number | section | key | n or default",
// "missing | section | key".
void ExpectReads(const std::filesystem::path& file) {
  SCOPED_TRACE(file.filename().string());
  const IniFile ini(file);
  std::istringstream lines(ReadText(Sidecar(file, ".expect")));
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    for (size_t start = 0;;) {
      const size_t bar = line.find(" | ", start);
      fields.emplace_back(line.substr(start, bar - start));
      if (bar == std::string::npos) break;
      start = bar + 3;
    }
    fields.resize(4);
    const std::string &kind = fields[0], &section = fields[1], &key = fields[2];
    if (kind == "text") {
      EXPECT_EQ(ini.ReadString(section, key, "(default)"), fields[3]) << line;
    } else if (kind == "number") {
      const int32_t expected = fields[3] == "default" ? INT32_MIN : std::stoi(fields[3]);
      EXPECT_EQ(ini.ReadInteger(section, key, INT32_MIN), expected) << line;
    } else {
      ASSERT_EQ(kind, "missing") << line;
      EXPECT_FALSE(ini.HasKey(section, key)) << line;
      EXPECT_EQ(ini.ReadString(section, key, "(default)"), "(default)") << line;
    }
  }
}

TEST(IniFixtures, ValidFilesReadAsTheirSidecarsSay) {
  for (const auto& file : FixtureFiles("ini", "valid", ".ini")) ExpectReads(file);
}

TEST(IniFixtures, FilesTheProgramCannotUseGiveTheDefaults) {
  for (const auto& file : FixtureFiles("ini", "invalid", ".ini")) ExpectReads(file);
}

}  // namespace
}  // namespace zorna
