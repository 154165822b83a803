#include "view/shown_texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace voltaro::view {
namespace {

TEST(ShownTexts, TellsListenersOnlyOfChanges) {
  ShownTexts texts;
  std::vector<std::string> seen;
  texts.setListener([&](Page, const std::string& caption, const std::string& value) {
    seen.push_back(caption + "=" + value);
  });
  EXPECT_TRUE(texts.set(Page::LeftColumn, "Mode", "AC Power"));
  EXPECT_FALSE(texts.set(Page::LeftColumn, "Mode", "AC Power"));
  EXPECT_TRUE(texts.set(Page::LeftColumn, "Mode", "Charging"));
  EXPECT_TRUE(texts.set(Page::Information, "Mode", ""));  // another page, new caption
  EXPECT_EQ(seen, (std::vector<std::string>{"Mode=AC Power", "Mode=Charging", "Mode="}));
  EXPECT_EQ(texts.get(Page::LeftColumn, "Mode"), "Charging");
  EXPECT_TRUE(texts.has(Page::Information, "Mode"));
  EXPECT_FALSE(texts.has(Page::Graph, "Mode"));
  EXPECT_EQ(texts.get(Page::Graph, "Mode"), "");
}

}  // namespace
}  // namespace voltaro::view
