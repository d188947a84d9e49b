#include "support/process.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/test_folder.h"

namespace zorna {
namespace {

using testing::TestFolder;
namespace fs = std::filesystem;

TEST(SpustACakaj, WaitsForTheProgramAndReportsMissingOnes) {
  TestFolder dir;
  const fs::path marker = dir / "done";
  EXPECT_EQ(SpustACakaj({"sh", "-c", "sleep 0.2; echo ok > '" + marker.string() + "'"}), 1);
  EXPECT_TRUE(fs::exists(marker));  // it waited for the end
  EXPECT_EQ(SpustACakaj({"/no/such/paint-program", "x"}), -1);
  EXPECT_EQ(SpustACakaj({}), -1);
}

}  // namespace
}  // namespace zorna
