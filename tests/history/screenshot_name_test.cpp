#include "history/screenshot_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "fakes/temporary_folder.h"

namespace voltaro::history {
namespace {

namespace fs = std::filesystem;

class ScreenshotNameTest : public ::testing::Test {
 protected:
  void touch(const std::string& name) { std::ofstream(folder / name) << "x"; }

  testing::TemporaryFolder temporary;
  const fs::path& folder = temporary.path();
};

TEST_F(ScreenshotNameTest, TakesTheSmallestFreeNumber) {
  EXPECT_EQ(shotFileName(7), "VTshot7.jpg");
  EXPECT_EQ(firstFreeShotNumber(folder.string()), 1);
  touch("VTshot1.jpg");
  touch("VTshot2.jpg");
  touch("VTshot3.jpg");
  EXPECT_EQ(firstFreeShotNumber(folder.string()), 4);
  fs::remove(folder / "VTshot2.jpg");
  EXPECT_EQ(firstFreeShotNumber(folder.string()), 2);
  // Other names do not take a number. (Names differing only in case are the
  // same file on Windows, so they are left out here.)
  touch("VTshot02.jpg");
  touch("VTshot2.jpeg");
  touch("VTshot2.jpg.tmp");
  EXPECT_EQ(firstFreeShotNumber(folder.string()), 2);
}

TEST_F(ScreenshotNameTest, AFolderInThePlaceOfAFileTakesItsNumber) {
  fs::create_directories(folder / "VTshot1.jpg");
  EXPECT_EQ(firstFreeShotNumber(folder.string()), 2);
}

TEST(ScreenshotNumbers, GiveUpAt65535) {
  std::set<std::string> taken;
  for (int n = 1; n <= 65534; ++n) taken.insert(shotFileName(n));
  const auto exists = [&taken](const std::string& name) { return taken.count(name) > 0; };
  EXPECT_EQ(firstFreeShotNumber(exists), 65535);
  taken.insert(shotFileName(65535));
  taken.insert(shotFileName(65536));
  EXPECT_EQ(firstFreeShotNumber(exists), 65535);  // used although it exists
  taken.erase(shotFileName(65534));
  EXPECT_EQ(firstFreeShotNumber(exists), 65534);
}

}  // namespace
}  // namespace voltaro::history
