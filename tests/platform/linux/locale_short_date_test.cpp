// The regional short date on Linux: strftime date formats turned into the
// logs' pattern, and the pattern of the locale the environment names.
#include "platform/linux/locale_short_date.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace voltaro::platform {
namespace {

TEST(LocaleShortDateTest, DateFormatsBecomePatterns) {
  EXPECT_EQ(shortDatePatternFromStrftime("%d.%m.%Y"), "dd.MM.yyyy");
  EXPECT_EQ(shortDatePatternFromStrftime("%m/%d/%Y"), "MM/dd/yyyy");
  EXPECT_EQ(shortDatePatternFromStrftime("%D"), "MM/dd/yy");
  EXPECT_EQ(shortDatePatternFromStrftime("%F"), "yyyy-MM-dd");
  EXPECT_EQ(shortDatePatternFromStrftime("%e.%-m.%Y"), "d.M.yyyy");
  EXPECT_EQ(shortDatePatternFromStrftime("%Od/%Om/%Oy"), "dd/MM/yy");
  EXPECT_EQ(shortDatePatternFromStrftime("%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5"),
            "yyyy\xE5\xB9\xB4MM\xE6\x9C\x88"
            "dd\xE6\x97\xA5");
  // Pattern letters in the text are quoted; a quote is doubled.
  EXPECT_EQ(shortDatePatternFromStrftime("%d day %m'%y"), "dd 'd'a'y' MM''yy");
  // Names of months and days have no place in a short date.
  EXPECT_EQ(shortDatePatternFromStrftime("%d %B %Y"), std::nullopt);
  EXPECT_EQ(shortDatePatternFromStrftime("%a %d"), std::nullopt);
  EXPECT_EQ(shortDatePatternFromStrftime("%d/%"), std::nullopt);
  EXPECT_EQ(shortDatePatternFromStrftime(""), std::nullopt);
}

class LocaleEnvironmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG", "LOCPATH"}) unsetenv(name);
  }
  void TearDown() override {
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG", "LOCPATH"}) unsetenv(name);
    std::filesystem::remove_all(locales_);
  }
  // Compiles a locale from the system's sources into a folder of its own;
  // false when the sources or localedef are missing.
  bool compileLocale(const std::string& source, const std::string& name) {
    if (!std::filesystem::exists("/usr/share/i18n/locales/" + source)) return false;
    std::filesystem::create_directories(locales_);
    const std::string command =
        "localedef -i " + source + " -f UTF-8 " + (locales_ / name).string() + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    setenv("LOCPATH", locales_.c_str(), 1);
    return true;
  }

  std::filesystem::path locales_ =
      std::filesystem::temp_directory_path() / "voltaro_locale_short_date_test";
};

TEST_F(LocaleEnvironmentTest, NoRegionOrAMissingLocaleGivesNone) {
  EXPECT_EQ(localeShortDatePattern(), std::nullopt);
  setenv("LANG", "C.UTF-8", 1);
  EXPECT_EQ(localeShortDatePattern(), std::nullopt);
  setenv("LC_TIME", "xx_YY.UTF-8", 1);
  EXPECT_EQ(localeShortDatePattern(), std::nullopt);
}

TEST_F(LocaleEnvironmentTest, LcAllThenLcTimeThenLangNameTheRegion) {
  if (!compileLocale("de_DE", "de_DE.UTF-8")) {
    GTEST_SKIP() << "the locale sources or localedef are missing";
  }
  setenv("LANG", "de_DE.UTF-8", 1);
  EXPECT_EQ(localeShortDatePattern(), "dd.MM.yyyy");
  setenv("LC_TIME", "C", 1);
  EXPECT_EQ(localeShortDatePattern(), std::nullopt);
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  EXPECT_EQ(localeShortDatePattern(), "dd.MM.yyyy");
}

}  // namespace
}  // namespace voltaro::platform
