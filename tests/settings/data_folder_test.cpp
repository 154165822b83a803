#include "settings/data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/fake_error_box.h"
#include "fakes/fake_folders.h"
#include "fakes/faulty_file_calls.h"
#include "settings_test_folder.h"

namespace voltaro::settings {
namespace {
namespace fs = std::filesystem;

class DataFolderTest : public testing::TestFolder {
 protected:
  fakes::FakeFolders folders;
  fakes::FakeErrorBox box;
};

TEST_F(DataFolderTest, BuildsMakerAndProductLevelsEndingInTheSeparator) {
  folders.documents = root_.string() + "/Documents/";  // missing base, trailing slash
  const auto folder = resolveDataFolder(folders, FolderBase::Documents);
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(*folder, root_.string() + "/Documents/Keldwick/Voltaro/");
  EXPECT_TRUE(fs::is_directory(*folder));
  EXPECT_EQ(folders.normalised, std::vector<std::string>{*folder});
}

TEST_F(DataFolderTest, WritableDocumentsFolderIsKeptWithoutTestFile) {
  folders.documents = root_.string() + "/docs";
  folders.shared = root_.string() + "/shared";
  const DataFolderStart start = startDataFolder(folders, box);
  ASSERT_TRUE(start.ok());
  EXPECT_EQ(start.dataFolder, root_.string() + "/docs/Keldwick/Voltaro/");
  EXPECT_FALSE(start.usedFallback);
  EXPECT_FALSE(fs::exists(start.dataFolder + "testfile.txt"));
  EXPECT_FALSE(fs::exists(root_ / "shared"));
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(DataFolderTest, UnwritableDocumentsFolderFallsBackToTheSharedBase) {
  // A plain file where the maker folder should be: nothing can be written under it.
  fs::create_directories(root_ / "docs");
  writeRaw("docs/Keldwick", std::string("not a folder"));
  folders.documents = root_.string() + "/docs";
  folders.shared = root_.string() + "/shared";
  const DataFolderStart start = startDataFolder(folders, box);
  ASSERT_TRUE(start.ok());
  EXPECT_TRUE(start.usedFallback);
  EXPECT_EQ(start.dataFolder, root_.string() + "/shared/Keldwick/Voltaro/");
  EXPECT_TRUE(fs::is_directory(start.dataFolder));
  EXPECT_EQ(folders.normalised.size(), 2u);
}

// The folder holds the user's settings and health record: a read-only or
// full disc keeps it, with the cause, instead of a fresh start elsewhere.
TEST_F(DataFolderTest, ReadOnlyOrFullDocumentsFolderIsKeptWithItsFault) {
  folders.documents = root_.string() + "/docs";
  folders.shared = root_.string() + "/shared";
  const std::string kept = root_.string() + "/docs/Keldwick/Voltaro/";
  fs::create_directories(kept);
  fakes::FaultyFileCalls calls;
  calls.makeReadOnly(kept);
  DataFolderStart start = startDataFolder(folders, box);
  ASSERT_TRUE(start.ok());
  EXPECT_EQ(start.dataFolder, kept);
  EXPECT_FALSE(start.usedFallback);
  EXPECT_EQ(start.writeFault, std::error_code(EROFS, std::generic_category()).message());

  calls.makeWritable(kept);
  calls.limitSpace(0);
  start = startDataFolder(folders, box);
  EXPECT_EQ(start.dataFolder, kept);
  EXPECT_EQ(start.writeFault, std::make_error_code(std::errc::no_space_on_device).message());
  EXPECT_FALSE(fs::exists(root_ / "shared"));
  EXPECT_TRUE(box.shown.empty());
  EXPECT_NE(dataFolderFaultText(kept, start.writeFault).find(kept), std::string::npos);
}

TEST_F(DataFolderTest, NoDocumentsFolderIsError1) {
  folders.shared = root_.string() + "/shared";
  const DataFolderStart start = startDataFolder(folders, box);
  EXPECT_FALSE(start.ok());
  EXPECT_EQ(start.exitStatus, 1);
  EXPECT_EQ(box.shown,
            std::vector<std::string>{"Error 1: Please run this utility on Windows 7/8/10/11."});
}

TEST_F(DataFolderTest, UnwritableDocumentsAndNoSharedFolderIsError2) {
  writeRaw("docs", std::string("a file, not a folder"));
  folders.documents = root_.string() + "/docs";
  const DataFolderStart start = startDataFolder(folders, box);
  EXPECT_EQ(start.exitStatus, 2);
  EXPECT_TRUE(start.dataFolder.empty());
  EXPECT_EQ(box.shown,
            std::vector<std::string>{"Error 2: Please run this utility on Windows 7/8/10/11."});
}

}  // namespace
}  // namespace voltaro::settings
