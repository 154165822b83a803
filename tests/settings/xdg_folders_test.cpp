#include "platform/linux/xdg_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "settings_test_folder.h"

namespace voltaro::platform {
namespace {
namespace fs = std::filesystem;

struct Scenario {
  std::map<std::string, std::string> environment;
  std::optional<std::string> xdgAnswer;

  XdgFolders folders() const {
    return XdgFolders(
        [env = environment](const std::string& name) -> std::optional<std::string> {
          auto it = env.find(name);
          if (it == env.end()) return std::nullopt;
          return it->second;
        },
        [answer = xdgAnswer] { return answer; });
  }
};

TEST(XdgFolders, DocumentsFromXdgUserDir) {
  Scenario s{{{"HOME", "/home/ann"}}, "/home/ann/Dokumente"};
  EXPECT_EQ(s.folders().documentsFolder(), "/home/ann/Dokumente");
}

TEST(XdgFolders, HomeAnswerMeansNoDocumentsSetting) {
  Scenario s{{{"HOME", "/home/ann"}}, "/home/ann"};
  EXPECT_EQ(s.folders().documentsFolder(), "/home/ann/Documents");
  s.xdgAnswer = "/home/ann/";
  EXPECT_EQ(s.folders().documentsFolder(), "/home/ann/Documents");
}

TEST(XdgFolders, MissingToolOrHome) {
  Scenario s{{{"HOME", "/home/ann"}}, std::nullopt};
  EXPECT_EQ(s.folders().documentsFolder(), "/home/ann/Documents");
  s.xdgAnswer = "";
  EXPECT_EQ(s.folders().documentsFolder(), "/home/ann/Documents");
  Scenario noHome{{}, std::nullopt};
  EXPECT_EQ(noHome.folders().documentsFolder(), std::nullopt);
  EXPECT_EQ(noHome.folders().sharedFolder(), std::nullopt);
}

TEST(XdgFolders, SharedBaseFromXdgDataHome) {
  Scenario s{{{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "/data/ann"}}, std::nullopt};
  EXPECT_EQ(s.folders().sharedFolder(), "/data/ann");
  s.environment["XDG_DATA_HOME"] = "relative/share";  // ignored, as the XDG rules say
  EXPECT_EQ(s.folders().sharedFolder(), "/home/ann/.local/share");
  s.environment.erase("XDG_DATA_HOME");
  EXPECT_EQ(s.folders().sharedFolder(), "/home/ann/.local/share");
}

TEST(XdgFolders, ProgramFolderEndsInSlash) {
  const auto folder = XdgFolders().programFolder();
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(folder->back(), '/');
  EXPECT_TRUE(fs::is_directory(*folder));
}

class XdgNormalise : public settings::testing::TestFolder {};

TEST_F(XdgNormalise, ReadOnlyFilesBecomeUserWritableFoldersStayAsTheyAre) {
  writeRaw("locked.ini", std::string("x"));
  writeRaw("open.txt", std::string("y"));
  fs::create_directories(root_ / "sub");
  fs::permissions(root_ / "locked.ini", fs::perms::owner_read | fs::perms::group_read);
  fs::permissions(root_ / "sub", fs::perms::owner_read | fs::perms::owner_exec);
  XdgFolders().normaliseFileAttributes(folder());
  EXPECT_EQ(fs::status(root_ / "locked.ini").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_NE(fs::status(root_ / "open.txt").permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(fs::status(root_ / "sub").permissions(), fs::perms::owner_read | fs::perms::owner_exec);
  fs::permissions(root_ / "sub", fs::perms::owner_all);
}

}  // namespace
}  // namespace voltaro::platform
