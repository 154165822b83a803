// The registry entries under wine's real registry: the autorun value written,
// read back and removed, and the tray promotion over a scratch key laid out
// like the notification area's settings.
#include "platform/windows/win32_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {
namespace {

const std::string kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

void setString(HKEY root, const std::string& key, const char* name, const std::string& value) {
  ASSERT_EQ(RegSetKeyValueA(root, key.c_str(), name, REG_SZ, value.c_str(),
                            static_cast<DWORD>(value.size() + 1)),
            ERROR_SUCCESS);
}

void setDword(HKEY root, const std::string& key, const char* name, DWORD value) {
  ASSERT_EQ(RegSetKeyValueA(root, key.c_str(), name, REG_DWORD, &value, sizeof value),
            ERROR_SUCCESS);
}

// The value's text, "<none>" when it is missing.
std::string readString(HKEY root, const std::string& key, const char* name) {
  char text[512];
  DWORD size = sizeof text;
  if (RegGetValueA(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
    return "<none>";
  }
  return text;
}

// The DWORD value, -1 when it is missing.
long long readDword(HKEY root, const std::string& key, const char* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(root, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return -1;
  }
  return value;
}

// A key of its own under the user's hive stands in for both roots.
class ScratchRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch_ = "Software\\Voltaro Tests\\" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (scratch_ + "\\user").c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &user_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (scratch_ + "\\machine").c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &machine_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    if (user_ != nullptr) RegCloseKey(user_);
    if (machine_ != nullptr) RegCloseKey(machine_);
    RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());
  }
  RegistryPlaces places() const { return {user_, machine_, "Run", "NotifyIconSettings"}; }

  std::string scratch_;
  HKEY user_ = nullptr;
  HKEY machine_ = nullptr;
};

TEST(LastTwoComponentsTest, FolderAndFileUpperCased) {
  EXPECT_EQ(lastTwoComponents("C:\\Program Files\\Voltaro\\voltaro.exe"), "VOLTARO\\VOLTARO.EXE");
  EXPECT_EQ(lastTwoComponents("{6D809377-6AF0-444B-8957-A3773F02200E}\\Keldwick\\Vt.exe"),
            "KELDWICK\\VT.EXE");
  EXPECT_EQ(lastTwoComponents("D:\\Tools\\Voltaro\\"), "TOOLS\\VOLTARO") << "trailing backslash";
  EXPECT_EQ(lastTwoComponents("C:\\voltaro.exe"), "C:\\VOLTARO.EXE");
  EXPECT_EQ(lastTwoComponents("voltaro.exe"), "VOLTARO.EXE");
  EXPECT_EQ(lastTwoComponents(""), "");
}

TEST_F(ScratchRegistryTest, AutorunIsRemovedFromBothKeysAndWrittenForTheUser) {
  setString(user_, "Run", "Voltaro", "C:\\Old\\voltaro.exe");
  setString(machine_, "Run", "Voltaro", "C:\\Old\\voltaro.exe");
  setString(user_, "Run", "Other", "C:\\Other\\other.exe");
  Win32Registry registry("Voltaro", "C:\\Program Files\\Voltaro\\voltaro.exe", places());

  registry.setAutoRun(true);
  EXPECT_EQ(registry.autoRunValue(), "C:\\Program Files\\Voltaro\\voltaro.exe");
  EXPECT_EQ(readString(user_, "Run", "Voltaro"), "C:\\Program Files\\Voltaro\\voltaro.exe");
  EXPECT_EQ(readString(machine_, "Run", "Voltaro"), "<none>");

  registry.setAutoRun(false);
  EXPECT_EQ(registry.autoRunValue(), "");
  EXPECT_EQ(readString(user_, "Run", "Voltaro"), "<none>");
  EXPECT_EQ(readString(user_, "Run", "Other"), "C:\\Other\\other.exe") << "other entries stay";
}

TEST_F(ScratchRegistryTest, AutorunCreatesAMissingRunKey) {
  Win32Registry registry("Voltaro", "C:\\V\\voltaro.exe", places());
  EXPECT_EQ(registry.autoRunValue(), "");
  registry.setAutoRun(false);  // nothing to delete: no failure either
  registry.setAutoRun(true);
  EXPECT_EQ(readString(user_, "Run", "Voltaro"), "C:\\V\\voltaro.exe");
}

TEST_F(ScratchRegistryTest, EveryMatchingTrayEntryIsPromotedOnce) {
  const std::string base = "NotifyIconSettings\\";
  setString(user_, base + "1", "ExecutablePath", "{GUID}\\Voltaro\\voltaro.exe");
  setString(user_, base + "2", "ExecutablePath", "D:\\Elsewhere\\VOLTARO\\Voltaro.EXE");
  setDword(user_, base + "2", "IsPromoted", 0);
  setString(user_, base + "3", "ExecutablePath", "C:\\Voltaro\\other.exe");
  setString(user_, base + "4", "ExecutablePath", "C:\\Program Files\\Voltaro\\voltaro.exe");
  setDword(user_, base + "4", "IsPromoted", 1);
  setString(user_, base + "5", "UID", "no path here");
  Win32Registry registry("Voltaro", "C:\\Program Files\\Voltaro\\voltaro.exe", places());

  EXPECT_EQ(registry.promoteTrayIcon(), 2);
  EXPECT_EQ(readDword(user_, base + "1", "IsPromoted"), 1);
  EXPECT_EQ(readDword(user_, base + "2", "IsPromoted"), 1);
  EXPECT_EQ(readDword(user_, base + "3", "IsPromoted"), -1) << "another program";
  EXPECT_EQ(readDword(user_, base + "4", "IsPromoted"), 1);
  EXPECT_EQ(readDword(user_, base + "5", "IsPromoted"), -1);
  EXPECT_EQ(registry.promoteTrayIcon(), 0) << "already promoted: nothing is written";
}

TEST_F(ScratchRegistryTest, NoNotificationSettingsMeansNothingToDo) {
  Win32Registry registry("Voltaro", "C:\\V\\voltaro.exe", places());
  EXPECT_EQ(registry.promoteTrayIcon(), 0);
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExA(user_, "NotifyIconSettings", 0, KEY_READ, &key), ERROR_SUCCESS)
      << "the promotion never creates the key";
}

// The system's own Run key, as the program uses it.
TEST(SystemRegistryTest, AutorunRoundTripUnderTheUsersRunKey) {
  const std::string path = runningProgramPath();
  ASSERT_NE(path.find("win32_registry_test"), std::string::npos) << path;
  Win32Registry registry("Voltaro", path);
  registry.setAutoRun(true);
  EXPECT_EQ(readString(HKEY_CURRENT_USER, kRunKey, "Voltaro"), path);
  EXPECT_EQ(registry.autoRunValue(), path);
  registry.setAutoRun(false);
  EXPECT_EQ(readString(HKEY_CURRENT_USER, kRunKey, "Voltaro"), "<none>");
  EXPECT_EQ(readString(HKEY_LOCAL_MACHINE, kRunKey, "Voltaro"), "<none>");
}

}  // namespace
}  // namespace voltaro::platform::windows
